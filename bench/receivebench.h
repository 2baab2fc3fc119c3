// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The receive path: frames cut, checked, scaled and summed; then the same through the main
// window's model with and without its widgets.
void benchReceivePath();
