// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/exitguard.h"

#include <cstdlib>
#include <utility>

namespace Brolant {

namespace {
std::function<void()> g_end;

void endAtExit()
{
    if (const std::function<void()> end = std::exchange(g_end, nullptr))
        end();
}
} // namespace

ExitGuard::ExitGuard(std::function<void()> end)
{
    [[maybe_unused]] static const int registered = std::atexit(endAtExit);
    g_end = std::move(end);
}

ExitGuard::~ExitGuard()
{
    g_end = nullptr;
}

} // namespace Brolant
