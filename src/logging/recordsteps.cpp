// SPDX-License-Identifier: GPL-3.0-or-later
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

// Whether logging paused before the stamp at `at` (the day's first stamp starts a run too). A
// minute without a record is a pause where a stamp beside it holds several: logging faster than
// a minute leaves none empty, and the records after the gap were not spread over it.
bool pauseBefore(std::span<const Stamp> stamps, size_t at, int longest)
{
    if (at == 0)
        return true;
    const int gap = stamps[at].time - stamps[at - 1].time;
    const bool fasterThanAMinute = stamps[at].records > 1 || stamps[at - 1].records > 1;
    return gap <= 0 || gap > longest || (fasterThanAMinute && gap > kMinute);
}

// The day's mean step outside its pauses: for a run of logging too short to show its own.
double dayStep(std::span<const Stamp> stamps, int longest)
{
    long long span = 0;
    long long records = 0;
    for (size_t at = 1; at < stamps.size(); ++at) {
        if (!pauseBefore(stamps, at, longest)) {
            span += stamps[at].time - stamps[at - 1].time;
            records += stamps[at].records;
        }
    }
    return double(span) / double(std::max<long long>(records, 1));
}
} // namespace

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
    const auto endsRun = [&](size_t at) { return at + 1 == stamps.size() || pauseBefore(stamps, at + 1, *longest); };
    // The step of a stamp after the first of its run: the time since the stamp before, shared by
    // its records. A stamp that holds at most half the records of one beside it in its run is a
    // minute that logging entered or left part way (a start, a stop): its records took no longer
    // than the fuller one's. A pace that does not divide a minute leaves neighbours one record
    // apart, and a PC that stalled a few seconds a few records: those keep their own steps.
    const auto own = [&](size_t at) {
        double step = double(stamps[at].time - stamps[at - 1].time) / double(stamps[at].records);
        const int records = stamps[at].records;
        for (const size_t beside : {at - 1, at + 1}) {
            if (beside > at && endsRun(at))
                continue; // none after it in its run, maybe none at all
            const int fuller = stamps[beside].records;
            if (fuller >= std::max(records + 2, 2 * records))
                step = std::min(step, double(kMinute) / double(fuller));
        }
        return step;
    };
    std::vector<double> steps(stamps.size());
    for (size_t at = 0; at < stamps.size(); ++at) {
        const bool first = pauseBefore(stamps, at, *longest);
        const bool last = endsRun(at);
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
