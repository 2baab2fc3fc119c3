#include "logging/recordsteps.h"

#include <algorithm>

namespace Brolant {

namespace RecordSteps {
namespace {
constexpr int kMinute = 60;

std::vector<Stamp> stampsOf(std::span<const int> times)
{
    std::vector<Stamp> stamps;
    for (const int time : times) {
        if (stamps.empty() || stamps.back().time != time)
            stamps.push_back({time, 1});
        else
            ++stamps.back().records;
    }
    return stamps;
}

// A gap longer than this is a pause; nothing when no stamp follows another.
std::optional<int> longestStep(std::span<const Stamp> stamps)
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
double dayStep(std::span<const Stamp> stamps, int longest)
{
    long long span = 0;
    long long records = 0;
    for (size_t at = 1; at < stamps.size(); ++at) {
        const int gap = stamps[at].time - stamps[at - 1].time;
        if (gap > 0 && gap <= longest) {
            span += gap;
            records += stamps[at].records;
        }
    }
    return double(span) / double(std::max<long long>(records, 1));
}
} // namespace

std::vector<float> of(std::span<const int> times)
{
    const std::vector<Stamp> stamps = stampsOf(times);
    const std::vector<float> steps = ofStamps(stamps);
    if (steps.empty())
        return {};
    std::vector<float> result;
    result.reserve(times.size());
    for (size_t at = 0; at < stamps.size(); ++at)
        result.insert(result.end(), size_t(stamps[at].records), steps[at]);
    return result;
}

std::vector<float> ofStamps(std::span<const Stamp> stamps)
{
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
        return double(stamps[at].time - stamps[at - 1].time) / double(stamps[at].records);
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
    std::vector<float> result(steps.size());
    std::transform(steps.begin(), steps.end(), result.begin(), [](double step) { return float(step); });
    return result;
}

} // namespace RecordSteps

} // namespace Brolant
