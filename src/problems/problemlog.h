// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"
#include "platform/textfile.h"
#include "problems/problem.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <map>
#include <utility>

namespace Brolant {

// Where every part reports its trouble. It keeps the episodes, so a part only reports what it
// found and when it is over: the log decides, by the problem's recurrence, whether that is worth
// reporting, and emits each such line by one signal, which the error log, the error line and the
// console receive.
class ProblemLog final : public QObject
{
    Q_OBJECT

public:
    // A problem logged once per quiet period is logged again after this long without it.
    static constexpr std::chrono::minutes kQuietPeriod{10};

    // What one problem is about where it has several at once (a file, a topic, a kind of
    // request): each has episodes of its own.
    struct Subject
    {
        QString name;
    };

    explicit ProblemLog(const Clock &clock, QObject *parent = nullptr);

    void report(Problem problem, const QString &detail = QString());
    // Named apart from report() and resolved(): a braced {name} would pick their QString detail.
    void reportAbout(Problem problem, const Subject &subject, const QString &detail = QString());
    // The trouble is over: the next report is logged again. When an episode was open and the
    // problem has a line for its end, that line is reported with `detail`.
    void resolved(Problem problem, const QString &detail = QString());
    void resolvedAbout(Problem problem, const Subject &subject);
    // An append that found its file torn (a power cut) and put it right first; nothing when not.
    void reportTornEnd(const std::optional<TextFile::TornEnd> &torn);
    // Ends every episode of `problem` without a word: what they were about is gone (a publisher
    // or a window that reported it was replaced), so the next report is logged.
    void forget(Problem problem);

signals:
    // One line for the error log: the stage and the detail.
    void reported(const QString &stage, const QString &detail);

private:
    struct Episode
    {
        QString detail;
        MonotonicTime lastSeen;
    };
    using Key = std::pair<Problem, QString>;

    bool isWorthReporting(const ProblemKind &kind, const Key &key, const QString &detail);
    void end(const Key &key, const QString &detail);

    const Clock &m_clock;
    std::map<Key, Episode> m_episodes;
};

} // namespace Brolant
