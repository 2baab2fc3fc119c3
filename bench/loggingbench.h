// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A logging tick with every output switched on, and the program's memory over many ticks.
void benchLogging();
