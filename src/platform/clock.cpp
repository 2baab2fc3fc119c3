#include "platform/clock.h"

namespace Brolant {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace Brolant
