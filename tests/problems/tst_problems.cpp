// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"
#include "problems/problemlog.h"

#include <QTest>

using namespace Brolant;

Q_DECLARE_METATYPE(Brolant::Problem)

// How often the problem log says a problem that goes on.
class ProblemsTest : public QObject
{
    Q_OBJECT

private slots:
    void recurrence_data();
    void recurrence();
};

void ProblemsTest::recurrence_data()
{
    QTest::addColumn<Problem>("problem");
    // "report SUBJECT DETAIL", "resolved SUBJECT DETAIL", "forget", "wait MINUTES"; "-" for none.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("said"); // "stage: detail"

    QTest::newRow("every time: each report a line") << Problem::NoValidData << QStringList{"report - -", "report - -"}
                                                    << QStringList{" No valid data recieved during logging interval: ",
                                                                   " No valid data recieved during logging interval: "};
    QTest::newRow("episode: once, however it goes on")
        << Problem::DailyLogNotWritten << QStringList{"report - full", "report - gone", "report - full"}
        << QStringList{"daily log not written: full"};
    QTest::newRow("episode: again after it was resolved")
        << Problem::DailyLogNotWritten << QStringList{"report - full", "resolved - -", "report - full"}
        << QStringList{"daily log not written: full", "daily log not written: full"};
    QTest::newRow("episode: its end said where it has a line")
        << Problem::BrokerNotAvailable << QStringList{"report - refused", "report - refused", "resolved - host:1883"}
        << QStringList{"broker not available: refused", "broker available again: host:1883"};
    QTest::newRow("resolved without an episode: nothing")
        << Problem::BrokerNotAvailable << QStringList{"resolved - host:1883"} << QStringList{};
    QTest::newRow("forgotten: news again, without a word")
        << Problem::BrokerNotAvailable << QStringList{"report - refused", "forget", "report - refused"}
        << QStringList{"broker not available: refused", "broker not available: refused"};
    QTest::newRow("when it changes: the same again is quiet")
        << Problem::PortStillNotAvailable << QStringList{"report - gone", "report - gone", "report - busy",
                                                         "report - gone", "resolved - -",  "report - gone"}
        << QStringList{"port not available: gone", "port not available: busy", "port not available: gone",
                       "port not available: gone"};
    QTest::newRow("quiet period: said again only after it was quiet")
        << Problem::WebRequestRefused << QStringList{"report host x", "wait 9",  "report host x", "wait 9",
                                                     "report host x", "wait 10", "report host x"}
        << QStringList{"web page refused a request: x", "web page refused a request: x"};
    QTest::newRow("subjects apart") << Problem::HistoryFileNotRead
                                    << QStringList{"report a a",   "report b b", "report a a",
                                                   "resolved a -", "report a a", "report b b"}
                                    << QStringList{"Energy History: a", "Energy History: b", "Energy History: a"};
    QTest::newRow("a stage that names its subject") << Problem::SharedSite << QStringList{"report shed mixed"}
                                                    << QStringList{"another logger publishes as site shed: mixed"};
}

void ProblemsTest::recurrence()
{
    QFETCH(Problem, problem);
    QFETCH(QStringList, steps);
    FakeClock clock;
    ProblemLog log(clock);
    QStringList said;
    connect(&log, &ProblemLog::reported, this,
            [&said](const QString &stage, const QString &detail) { said << stage + QStringLiteral(": ") + detail; });
    for (const QString &step : std::as_const(steps)) {
        const QStringList words = step.split(u' ');
        const auto word = [&words](qsizetype at) { return words.value(at) == u'-' ? QString() : words.value(at); };
        const std::optional<ProblemLog::Subject> subject = word(1).isEmpty()
                                                               ? std::nullopt
                                                               : std::optional(ProblemLog::Subject{word(1)});
        if (words[0] == QStringLiteral("wait"))
            clock.advance(words[1].toLongLong() * 60 * 1000);
        else if (words[0] == QStringLiteral("forget"))
            log.forget(problem);
        else if (words[0] == QStringLiteral("report"))
            subject ? log.reportAbout(problem, *subject, word(2)) : log.report(problem, word(2));
        else
            subject ? log.resolvedAbout(problem, *subject) : log.resolved(problem, word(2));
    }
    QTEST(said, "said");
}

QTEST_GUILESS_MAIN(ProblemsTest)
#include "tst_problems.moc"
