#pragma once

#include "platform/clock.h"

#include <QHash>
#include <QString>

#include <chrono>

namespace Brolant {

// Refused requests reach the error log once per episode: the first refusal of its kind is the
// one to report; the same kind again is part of the same episode until that kind has been quiet
// for a while. A scanner or a broken script then leaves one line, not thousands.
class RefusalEpisodes
{
public:
    static constexpr std::chrono::minutes kQuiet{10};

    // Notes a refusal of `kind`; true when it starts an episode.
    bool startsEpisode(const QString &kind, MonotonicTime now)
    {
        const auto last = m_lastSeen.find(kind);
        const bool starts = last == m_lastSeen.end() || now - *last >= kQuiet;
        m_lastSeen.insert(kind, now);
        return starts;
    }

private:
    QHash<QString, MonotonicTime> m_lastSeen;
};

} // namespace Brolant
