// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace Brolant {

// Runs the program's orderly end when it leaves by exit() from inside the event loop, past every
// window's close and past the rest of main(): Qt's window-system plugins leave so when the display
// goes away, as when the session is logged off under a running program. Armed while it lives.
class ExitGuard
{
public:
    explicit ExitGuard(std::function<void()> end);
    ~ExitGuard();
    ExitGuard(const ExitGuard &) = delete;
    ExitGuard &operator=(const ExitGuard &) = delete;
};

} // namespace Brolant
