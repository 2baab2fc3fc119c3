// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Energy History: a year of minutes and a month of seconds to the energy table, the power
// curve and the trend picture; the trend's redraw and pointer move; the month's memory.
void benchHistory();
