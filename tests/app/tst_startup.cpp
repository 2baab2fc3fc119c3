// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelrig.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace Brolant;

namespace {
const QString kPortProblemMessage = QStringLiteral("There is a possible Port Number problem. Check available PORTS");

// One start-up's world: a program folder, the model and its fakes.
struct Rig : ModelRig
{
    Rig() { folder.writeCalibration(); }
    // The setup dialog's "Abort": prog.cfg with port 0.
    void abortInSetup()
    {
        prompts.onSetup = [this](int) { folder.writeProgramConfig("0"); };
        prompts.setupEnd = [](int) { return SetupEnd::Aborted; };
    }
};
} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data();
    void outcomes();
    void loggingInterval_data();
    void loggingInterval();
    void liveList_data();
    void liveList();
    void portProblemLoopEndsByAbort();
    void abortEndsTheLoopWhenProgCfgCannotSayIt();
    void missingProgramConfigLeadsToSetup();
    void brokenCalibrationStopsAtFirstFailure();
    void setupAfterAbortLeavesPortClosed();
    void setupWithBadPortRunsTheLoop();
    void abortInTheLoopForgetsThePower();
    void errorLogEntry_data();
    void errorLogEntry();
    void endClosesThePortOnce();
};

void StartupTest::outcomes_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("logOn");
    QTest::addColumn<bool>("portOpen");
    QTest::addColumn<bool>("logging");
    QTest::addColumn<int>("setupRuns");

    QTest::newRow("port 0: no port, no error") << "0"
                                               << "1" << false << false << 0;
    QTest::newRow("port opened, LogOn 0") << "1"
                                          << "0" << true << false << 0;
    QTest::newRow("port opened, LogOn 1") << "1"
                                          << "1" << true << true << 0;
    QTest::newRow("port 1.4 rounds to 1") << "1.4"
                                          << "0" << true << false << 0;
    QTest::newRow("port that does not exist") << "5"
                                              << "1" << false << false << 1;
    QTest::newRow("port text COM1") << "COM1"
                                    << "0" << false << false << 1;
    QTest::newRow("port -1") << "-1"
                             << "0" << false << false << 1;
}

void StartupTest::outcomes()
{
    QFETCH(QString, port);
    QFETCH(QString, logOn);
    Rig rig;
    rig.folder.writeProgramConfig(port, logOn);
    rig.abortInSetup();
    rig.model.startUp();

    QTEST(rig.link.isOpen(), "portOpen");
    QTEST(rig.model.isLogging(), "logging");
    QCOMPARE(rig.view.logging, rig.model.isLogging());
    QTEST(rig.prompts.setupRuns, "setupRuns");
    QCOMPARE(rig.view.caption, QStringLiteral("Brolant - Waiting for Signal"));
    QVERIFY(QDir(rig.folder.file("logs")).exists());
    QVERIFY(QDir(rig.folder.file("excel")).exists());
    QVERIFY(QDir(rig.folder.file("html")).exists());
    const bool failed = rig.prompts.setupRuns > 0;
    QCOMPARE(rig.errorLog().contains("  port not available  "), failed);
    QCOMPARE(rig.prompts.messages, failed ? QStringList{kPortProblemMessage} : QStringList{});
    if (!failed) {
        QCOMPARE(rig.view.status, QStringLiteral(" Waiting for COMM data"));
        QCOMPARE(rig.view.error, QStringLiteral(" Error trap message  -     "));
        QCOMPARE(rig.view.errorTone, ErrorTone::Notice);
    }
}

void StartupTest::loggingInterval_data()
{
    QTest::addColumn<QString>("logDelay");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("logging");
    QTest::addColumn<int>("milliseconds");

    QTest::newRow("60") << "60"
                        << "60" << true << 60000;
    QTest::newRow("700 clamps to 600") << "700"
                                       << "600" << true << 600000;
    QTest::newRow("0.5 clamps to 1") << "0.5"
                                     << "1" << true << 1000;
    QTest::newRow("2.5 gives 2500 ms") << "2.5"
                                       << "2.5" << true << 2500;
    QTest::newRow("abc: logging stays off") << "abc"
                                            << "abc" << false << 0;
}

void StartupTest::loggingInterval()
{
    QFETCH(QString, logDelay);
    QFETCH(bool, logging);
    Rig rig;
    rig.folder.writeProgramConfig("1", "1", logDelay);
    rig.model.startUp();

    QTEST(rig.view.intervalText, "shown");
    QCOMPARE(rig.model.isLogging(), logging);
    QVERIFY(!rig.view.intervalEditable);
    QVERIFY(rig.prompts.messages.isEmpty());
    QVERIFY(rig.errorLog().isEmpty());
    if (logging)
        QTEST(int(rig.core.logging.interval().count()), "milliseconds");
}

void StartupTest::liveList_data()
{
    QTest::addColumn<QString>("displayRpm");
    QTest::addColumn<QString>("displayWs");
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("labels");

    const QStringList four{"Volts", "Amps", "Watts", "WattHours"};
    QTest::newRow("four rows") << "0"
                               << "0" << 24 << four;
    QTest::newRow("RPM only") << "1"
                              << "0" << 20 << four + QStringList{"RPM"};
    QTest::newRow("wind speed only") << "0"
                                     << "1" << 20 << four + QStringList{"m/s"};
    QTest::newRow("both") << "1"
                          << "1" << 18 << four + QStringList{"RPM", "m/s"};
    QTest::newRow("compared as numbers") << "1.0"
                                         << " 0 " << 20 << four + QStringList{"RPM"};
}

void StartupTest::liveList()
{
    QFETCH(QString, displayRpm);
    QFETCH(QString, displayWs);
    Rig rig;
    rig.folder.writeProgramConfig("0", "0", "60", displayRpm, displayWs, "0");
    rig.model.startUp();
    QTEST(rig.view.liveList.fontPoints, "points");
    QTEST(rig.view.liveList.labels, "labels");
    QVERIFY(!rig.view.messageLinesVisible);
}

void StartupTest::portProblemLoopEndsByAbort()
{
    Rig rig;
    rig.folder.writeProgramConfig("7");
    // The user saves the same bad port once, then gives up with "Abort".
    rig.prompts.onSetup = [&](int run) { rig.folder.writeProgramConfig(run == 1 ? "7" : "0"); };
    rig.model.startUp();

    QCOMPARE(rig.prompts.setupRuns, 2);
    QCOMPARE(rig.prompts.messages, QStringList(2, kPortProblemMessage));
    QCOMPARE(rig.link.openings.size(), 2);
    QVERIFY(!rig.link.isOpen());
    const QList<QByteArray> entries = rig.errorLog().split('\n');
    QCOMPARE(entries.size(), 3); // two entries and the empty text after the last line end
    QCOMPARE(entries[0], QByteArray("2010_03_07  14:05  port not available  "
                                    "No serial device for port 7 <RB>  <IM> \r"));
    QVERIFY(rig.view.journal.contains(
        QStringLiteral("error:   Last Error trapped  14:05  ---  port not available  No serial device for port 7")));
    QCOMPARE(rig.view.errorTone, ErrorTone::Notice); // the last start-up put the notice back
    QVERIFY(rig.view.journal.contains(QStringLiteral("status:      possible COMMS problem")));
}

void StartupTest::abortEndsTheLoopWhenProgCfgCannotSayIt()
{
    Rig rig;
    rig.folder.writeProgramConfig("7");
    // prog.cfg cannot be written, so "Abort" leaves the bad port in it; the third turn stops a
    // loop that would not end.
    rig.prompts.onSetup = [&](int run) {
        if (run == 3)
            rig.folder.writeProgramConfig("0");
    };
    rig.prompts.setupEnd = [](int) { return SetupEnd::Aborted; };
    rig.model.startUp();

    QCOMPARE(rig.prompts.setupRuns, 1);
    QVERIFY(!rig.link.isOpen());
    QCOMPARE(rig.session.portIntent().kind, PortIntent::Kind::NoPort);
    QCOMPARE(rig.errorLog().count("port not available"), 1);
    QCOMPARE(rig.view.errorTone, ErrorTone::Notice);
}

void StartupTest::missingProgramConfigLeadsToSetup()
{
    Rig rig;
    rig.prompts.onSetup = [&](int) { rig.folder.writeProgramConfig("1"); };
    rig.model.startUp();

    QCOMPARE(rig.prompts.setupRuns, 1);
    QVERIFY(rig.errorLog().contains(("  port not available  no port set: " + rig.folder.file("prog.cfg")).toUtf8()));
    QVERIFY(rig.link.isOpen());
    QCOMPARE(rig.session.settings().program.port.text(), QStringLiteral("1"));
}

void StartupTest::brokenCalibrationStopsAtFirstFailure()
{
    Rig rig;
    rig.folder.writeProgramConfig("1");
    rig.folder.write("settings.cfg", "<VoltDivider>50</VoltDivider><VoltOffset>512</VoltOffset>"
                                     "<AmpDivider>20</AmpDivider><RPMDivider>4"
                                     "<WSDivider>2</WSDivider>");
    rig.model.startUp();

    QVERIFY(rig.link.isOpen());
    QCOMPARE(rig.core.receiver.calibration().ampDivider.text(), QStringLiteral("20"));
    QVERIFY(!rig.core.receiver.calibration().rpmDivider.isPresent());
    QVERIFY(!rig.core.receiver.calibration().wsDivider.isPresent());
    QVERIFY(rig.errorLog().isEmpty());
}

void StartupTest::setupAfterAbortLeavesPortClosed()
{
    Rig rig;
    rig.folder.writeProgramConfig("1");
    rig.model.startUp();
    QVERIFY(rig.link.isOpen());

    rig.abortInSetup();
    rig.model.setupClicked();

    QCOMPARE(rig.prompts.setupRuns, 1);
    QVERIFY(!rig.link.isOpen());
    QVERIFY(rig.prompts.messages.isEmpty());
    QVERIFY(rig.errorLog().isEmpty());
    QCOMPARE(rig.session.settings().program.port.text(), QStringLiteral("0"));
    QVERIFY(!rig.view.intervalEditable);
}

void StartupTest::setupWithBadPortRunsTheLoop()
{
    Rig rig;
    rig.folder.writeProgramConfig("1");
    rig.model.startUp();

    rig.prompts.onSetup = [&](int run) { rig.folder.writeProgramConfig(run == 1 ? "4" : "1"); };
    rig.model.setupClicked();

    QCOMPARE(rig.prompts.setupRuns, 2);
    QCOMPARE(rig.prompts.messages, QStringList{kPortProblemMessage});
    QVERIFY(rig.errorLog().startsWith("2010_03_07  14:05  port not available  No serial device for port 4"));
    QVERIFY(rig.link.isOpen());
    QCOMPARE(rig.link.openings.last().port, 1);
    QCOMPARE(rig.link.openings.last().baud, 4800);
}

void StartupTest::abortInTheLoopForgetsThePower()
{
    Rig rig;
    rig.folder.writeProgramConfig("1");
    rig.model.startUp();
    rig.link.push("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]");
    QVERIFY(rig.core.receiver.reading().watts > 0);
    rig.core.energy.tick();
    const double counted = rig.session.energyToday();
    QVERIFY(counted > 0);

    // Setup names a port that is not there; in the loop that follows, "Abort".
    rig.prompts.onSetup = [&](int run) { rig.folder.writeProgramConfig(run == 1 ? "7" : "0"); };
    rig.prompts.setupEnd = [](int run) { return run == 1 ? SetupEnd::Saved : SetupEnd::Aborted; };
    rig.model.setupClicked();
    QCOMPARE(rig.prompts.setupRuns, 2);
    QVERIFY(!rig.link.isOpen());

    // With no port open nothing is measured: the day's watt-hours stay as they were.
    QCOMPARE(rig.core.receiver.reading().watts, 0.0);
    for (int tick = 0; tick < 20; ++tick) {
        rig.clock.advance(std::chrono::milliseconds(EnergyCounter::kTick).count());
        rig.core.energy.tick();
    }
    QCOMPARE(rig.session.energyToday(), counted);
}

void StartupTest::errorLogEntry_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("received");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("failure with a description")
        << "port not available"
        << "Permission denied"
        << "" << QByteArray("2010_03_07  09:05  port not available  Permission denied <RB>  <IM> \r\n");
    QTest::newRow("rejected frame has no description; control bytes shown, the entry on one line")
        << " [ missing "
        << ""
        << "xx\r\n"
        << QByteArray("2010_03_07  09:05   [ missing    <RB>  <IM> xx\\x0d\\x0a\r\n");
    QTest::newRow("binary bytes in a description and beyond Latin-1")
        << "alarm command failed" << QString("a\x01 \x7f\u00b0\u20ac") << ""
        << QByteArray("2010_03_07  09:05  alarm command failed  a\\x01 \\x7f\xb0\\u20ac <RB>  <IM> \r\n");
    QTest::newRow("empty interval") << " No valid data recieved during logging interval"
                                    << ""
                                    << "[<V>1</V>]"
                                    << QByteArray(
                                           "2010_03_07  09:05   No valid data recieved during logging interval   "
                                           "<RB>  <IM> [<V>1</V>]\r\n");
}

void StartupTest::errorLogEntry()
{
    QFETCH(QString, context);
    QFETCH(QString, description);
    QFETCH(QString, received);
    ProgramFolder folder;
    const FakeClock clock(QDateTime(QDate(2010, 3, 7), QTime(9, 5, 59)));
    const ErrorLog log(folder.path(), clock);
    QVERIFY(log.append(context, description, received));
    QVERIFY(log.append(context, description, received));
    QFETCH(QByteArray, expected);
    QCOMPARE(folder.read(FileName::kErrorLog), expected + expected);

    // Nor does the error line of the window and of brolant-logger's terminal.
    RecordingView view;
    ProblemLog problems(clock);
    ErrorReporter(folder.path(), clock, problems, view).log(context, description);
    QVERIFY2(!view.error.contains(QRegularExpression("[\\x00-\\x1f\\x7f]")), qPrintable(view.error));
}

void StartupTest::endClosesThePortOnce()
{
    Rig rig;
    rig.folder.writeProgramConfig("1", "1");
    rig.model.startUp();
    QVERIFY(rig.model.isLogging());
    rig.model.end();
    rig.model.end();
    QVERIFY(!rig.link.isOpen());
    QVERIFY(!rig.model.isLogging());
    QVERIFY(rig.model.isEnding());
}

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
