#pragma once

#include <optional>
#include <span>

namespace Brolant {

// The seconds between records as a day was logged, read from the records' own times (seconds,
// in file order); nothing when they cannot tell (fewer than two records, or all within one
// minute). Records carry whole minutes, so an interval below a minute shows as several records
// a minute: the interval is the time the records span over the steps between them. A gap much
// longer than the usual step is a pause (logging stopped, the PC off) and is left out.
std::optional<double> loggingInterval(std::span<const int> times);

} // namespace Brolant
