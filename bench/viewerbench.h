// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The log viewer: a full day loaded and drawn, and a pointer move over it.
void benchViewer();
