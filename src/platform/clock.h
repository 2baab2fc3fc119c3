#pragma once

#include <QDateTime>

namespace Brolant {

// Where the program reads the date and time; tests set it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The computer's local time.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};

} // namespace Brolant
