// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program starting: its window shown, and the real program's memory once it runs.
void benchStartUp();
