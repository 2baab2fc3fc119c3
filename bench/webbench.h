// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The live web page: a page load on the loopback, a frame's way to a push client, the logger's
// CPU with fifty pages open, and memory over ten thousand connections in a row.
void benchWeb();
