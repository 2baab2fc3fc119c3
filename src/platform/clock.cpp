// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

namespace Brolant {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

MonotonicTime SystemClock::monotonic() const
{
    return std::chrono::steady_clock::now();
}

} // namespace Brolant
