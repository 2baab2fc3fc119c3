#include "viewer/logginginterval.h"

#include <algorithm>
#include <vector>

namespace Brolant {

std::optional<double> loggingInterval(std::span<const int> times)
{
    constexpr int kMinute = 60;
    std::vector<int> gaps;
    for (size_t at = 1; at < times.size(); ++at)
        gaps.push_back(times[at] - times[at - 1]);
    std::vector<int> forward;
    std::copy_if(gaps.begin(), gaps.end(), std::back_inserter(forward), [](int gap) { return gap > 0; });
    if (forward.empty())
        return std::nullopt;
    const auto middle = forward.begin() + std::ptrdiff_t(forward.size() / 2);
    std::nth_element(forward.begin(), middle, forward.end());
    const int longestStep = std::max(2 * kMinute, 2 * *middle);
    long long span = 0;
    long long steps = 0;
    for (const int gap : gaps) {
        if (gap >= 0 && gap <= longestStep) {
            span += gap;
            ++steps;
        }
    }
    return double(span) / double(steps);
}

} // namespace Brolant
