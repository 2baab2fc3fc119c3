#pragma once

#include <utility>

namespace Brolant {

// Trouble that lasts (a full disk, a folder gone) is reported once when it starts, not at every
// try; the first success ends it, so the next trouble is reported again.
class FailureEpisode
{
public:
    // Notes a failure; true when it starts an episode and so is the one to report.
    bool failed() { return !std::exchange(m_failing, true); }
    void succeeded() { m_failing = false; }

private:
    bool m_failing = false;
};

} // namespace Brolant
