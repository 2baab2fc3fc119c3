// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <chrono>

namespace Brolant {

// A moment on a clock that only ever goes forward at the pace of real time, whatever the user or
// a time server does to the wall clock: every delay, silence and timeout is measured on it.
using MonotonicTime = std::chrono::steady_clock::time_point;

// Where the program reads the time; tests set it. The wall clock only stamps records and names
// files; durations come from the monotonic clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual MonotonicTime monotonic() const = 0;
};

// The computer's local time.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    MonotonicTime monotonic() const override;
};

} // namespace Brolant
