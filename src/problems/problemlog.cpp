// SPDX-License-Identifier: GPL-3.0-or-later
#include "problems/problemlog.h"

namespace Brolant {

ProblemLog::ProblemLog(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock) {}

void ProblemLog::report(Problem problem, const QString &detail)
{
    reportAbout(problem, Subject(), detail);
}

void ProblemLog::reportAbout(Problem problem, const Subject &subject, const QString &detail)
{
    const ProblemKind kind = ProblemKind::of(problem);
    if (!isWorthReporting(kind, {problem, subject.name}, detail))
        return;
    const QString stage = kind.stage.toString();
    emit reported(stage.contains(QStringLiteral("%1")) ? stage.arg(subject.name) : stage, detail);
}

bool ProblemLog::isWorthReporting(const ProblemKind &kind, const Key &key, const QString &detail)
{
    if (kind.recurrence == Recurrence::EveryTime)
        return true;
    const MonotonicTime now = m_clock.monotonic();
    const auto [episode, started] = m_episodes.try_emplace(key, Episode{detail, now});
    if (started)
        return true;
    bool worthReporting = false;
    switch (kind.recurrence) {
    case Recurrence::EveryTime:
    case Recurrence::OncePerEpisode:
        break;
    case Recurrence::WhenItChanges:
        worthReporting = episode->second.detail != detail;
        break;
    case Recurrence::OncePerQuietPeriod:
        worthReporting = now - episode->second.lastSeen >= kQuietPeriod;
        break;
    }
    // A refusal every minute keeps its episode going: the quiet is measured from the last one.
    episode->second = {detail, now};
    return worthReporting;
}

void ProblemLog::reportTornEnd(const std::optional<TextFile::TornEnd> &torn)
{
    if (torn)
        report(Problem::TornLineEnded, torn->description());
}

void ProblemLog::resolved(Problem problem, const QString &detail)
{
    end({problem, QString()}, detail);
}

void ProblemLog::resolvedAbout(Problem problem, const Subject &subject)
{
    end({problem, subject.name}, QString());
}

void ProblemLog::end(const Key &key, const QString &detail)
{
    if (m_episodes.erase(key) == 0)
        return;
    const ProblemKind kind = ProblemKind::of(key.first);
    if (!kind.resolution.isEmpty())
        emit reported(kind.resolution.toString(), detail);
}

void ProblemLog::forget(Problem problem)
{
    std::erase_if(m_episodes, [problem](const auto &episode) { return episode.first.first == problem; });
}

} // namespace Brolant
