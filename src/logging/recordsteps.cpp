#include "logging/recordsteps.h"

#include <algorithm>

namespace Brolant {

namespace RecordSteps {
namespace {
constexpr int kMinute = 60;

// The records that share one time stamp, [begin, end) in file order.
struct Stamp
{
    int time = 0;
    size_t begin = 0;
    size_t end = 0;
};

std::vector<Stamp> stampsOf(std::span<const int> times)
{
    std::vector<Stamp> stamps;
    for (size_t at = 0; at < times.size(); ++at) {
        if (stamps.empty() || stamps.back().time != times[at])
            stamps.push_back({times[at], at, at + 1});
        else
            stamps.back().end = at + 1;
    }
    return stamps;
}

// A gap longer than this is a pause; nothing when no stamp follows another.
std::optional<int> longestStep(const std::vector<Stamp> &stamps)
{
    std::vector<int> forward;
    for (size_t at = 1; at < stamps.size(); ++at)
        if (stamps[at].time > stamps[at - 1].time)
            forward.push_back(stamps[at].time - stamps[at - 1].time);
    if (forward.empty())
        return std::nullopt;
    const auto middle = forward.begin() + std::ptrdiff_t(forward.size() / 2);
    std::nth_element(forward.begin(), middle, forward.end());
    return std::max(2 * kMinute, 2 * *middle);
}

// The day's mean step outside its pauses: for a run of logging too short to tell its own.
double dayStep(const std::vector<Stamp> &stamps, int longest)
{
    long long span = 0;
    size_t records = 0;
    for (size_t at = 1; at < stamps.size(); ++at) {
        const int gap = stamps[at].time - stamps[at - 1].time;
        if (gap > 0 && gap <= longest) {
            span += gap;
            records += stamps[at].end - stamps[at].begin;
        }
    }
    return double(span) / double(std::max<size_t>(records, 1));
}
} // namespace

std::vector<float> of(std::span<const int> times)
{
    const std::vector<Stamp> stamps = stampsOf(times);
    const auto longest = longestStep(stamps);
    if (!longest)
        return {};
    const auto pauseBefore = [&](size_t at) {
        if (at == 0)
            return true;
        const int gap = stamps[at].time - stamps[at - 1].time;
        return gap <= 0 || gap > *longest;
    };
    const auto own = [&](size_t at) {
        return double(stamps[at].time - stamps[at - 1].time) / double(stamps[at].end - stamps[at].begin);
    };
    std::vector<double> steps(stamps.size());
    for (size_t at = 0; at < stamps.size(); ++at) {
        const bool first = pauseBefore(at);
        const bool last = at + 1 == stamps.size() || pauseBefore(at + 1);
        if (first)
            steps[at] = last ? dayStep(stamps, *longest) : own(at + 1);
        else
            steps[at] = last ? steps[at - 1] : own(at);
    }
    std::vector<float> result(times.size());
    for (size_t at = 0; at < stamps.size(); ++at)
        std::fill(result.begin() + std::ptrdiff_t(stamps[at].begin), result.begin() + std::ptrdiff_t(stamps[at].end),
                  float(steps[at]));
    return result;
}

} // namespace RecordSteps

} // namespace Brolant
