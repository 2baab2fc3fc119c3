// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarmstxt.h"
#include "app/loggerparts.h"
#include "app/mainwindowmodel.h"
#include "app/ui/mainwindow.h"
#include "app/ui/widgetprompts.h"
#include "boardprocess.h"
#include "brokerprocess.h"
#include "dialogs/alarms/alarmsdialog.h"
#include "dialogs/calibration/ui/calibrate.h"
#include "dialogs/setup/ui/programsetup.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "platform/qserialportlink.h"
#include "programfolder.h"
#include "programprocess.h"
#include "recordingview.h"
#include "sessionprobe.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <optional>

using namespace Brolant;

namespace {
const QDateTime kStart(QDate(2026, 12, 7), QTime(13, 0, 0));
constexpr int kBrokerWait = 20000;

// A frame of the board at its default calibration: volts x 50, rpm / 60 x 4.
QString frame(int rawVolts, int rawRpm = 20)
{
    return QStringLiteral("[<V>%1</V><I>577</I><R>%2</R><S>9</S><M>0</M><C>%3</C>]")
        .arg(rawVolts)
        .arg(rawRpm)
        .arg(rawVolts + 577 + rawRpm + 9);
}

// Plays the user at the next modal window of type T: waits until it is shown, then acts.
template <typename T>
void whenShown(std::function<void(T &)> act)
{
    auto *poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll->stop();
        act(*window);
        poll->deleteLater();
    });
    poll->start();
}

// The window's program in this process as main() composes it, offscreen, with its real dialogs,
// on the simulated board's pseudo-terminal; only the clock is the test's.
struct Program
{
    ProgramFolder folder;
    BoardProcess board;
    FakeClock clock{kStart};
    MainWindow window;
    QSerialPortLink link{folder.path()};
    std::optional<LoggerParts> logger;
    std::optional<WidgetPrompts> prompts;
    std::optional<MainWindowModel> model;

    bool boardSends = false;
    int framesAccepted = 0;

    Program() { folder.writeCalibration(); }
    ~Program()
    {
        if (model)
            model->end();
    }
    // The board sends `frame` ten times a second; none: a board that says nothing.
    bool startBoard(const QString &frame)
    {
        boardSends = !frame.isEmpty();
        return board.start(folder.file("COM1"), frame.isEmpty() ? QStringList{"--delay", "3600000"}
                                                                : QStringList{"--frame", frame, "--rate", "10"});
    }
    void start()
    {
        logger.emplace(folder.path(), link, clock, window, Attendance::Attended);
        QObject::connect(&SessionProbe::core(logger->session).receiver, &FrameReceiver::frameAccepted, &window,
                         [this] { ++framesAccepted; });
        prompts.emplace(window, *logger);
        model.emplace(logger->session, logger->problems, window, *prompts);
        window.attach(*model);
        window.show();
        model->startUp();
    }
    void click(const char *button) { QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton); }
    // Lets time pass in steps the board's frames keep up with, then checks as at the end of it.
    [[nodiscard]] bool pass(int seconds)
    {
        constexpr int kStep = 5;
        for (int done = 0; done < seconds; done += kStep) {
            if (!frameOfNow())
                return false;
            clock.advance(std::min(kStep, seconds - done) * 1000);
        }
        return check();
    }
    // The alarms judge the time now: a frame read now, where one is due, and the silence check
    // the monitor makes every second.
    [[nodiscard]] bool check()
    {
        if (!frameOfNow())
            return false;
        logger->alarms.monitor().checkSilence();
        return true;
    }
    // A frame accepted at the clock's time, where the board sends and the port is open.
    [[nodiscard]] bool frameOfNow()
    {
        const int before = framesAccepted;
        return !boardSends || !link.isOpen() || QTest::qWaitFor([&] { return framesAccepted > before; }, 5000);
    }
    QStringList alarms() const { return alarmsTxtChanges(folder.read("logs/alarms.txt")); }
};

// The frames the headless logger took since it started, as it told at its last interval.
int framesTaken(ProgramProcess &logger)
{
    static const QRegularExpression sinceStart(QStringLiteral("since start-up: (\\d+) frames"));
    const QStringList told = logger.intervals();
    return told.isEmpty() ? 0 : sinceStart.match(told.last()).captured(1).toInt();
}
} // namespace

// The alarms in the running program, with the board, the dialogs and the session's own signals.
class AlarmsEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultsFollowProgramSetup_data();
    void defaultsFollowProgramSetup();
    void overspeedIsJudgedOnTheMeasuredSpeed();
    void silenceCountsOnlyWhileThePortIsMeantOpen_data();
    void silenceCountsOnlyWhileThePortIsMeantOpen();
    void wallClockJumpsNeitherRaiseNorHide_data();
    void wallClockJumpsNeitherRaiseNorHide();
    void settingsEditedInPlaceApplyAndAreLogged();
    void raisedAlarmStaysRaisedAcrossARestart_data();
    void raisedAlarmStaysRaisedAcrossARestart();
    void changeHeldBackIsToldAtTheEnd();
};

void AlarmsEndToEndTest::defaultsFollowProgramSetup_data()
{
    QTest::addColumn<bool>("firstStart");  // no prog.cfg: Program Setup is the first thing the user sees
    QTest::addColumn<bool>("alarmsSaved"); // the Alarms dialog saved at 12 V, its thresholds untouched
    QTest::addColumn<int>("rawVolts");
    QTest::addColumn<QStringList>("alarms");
    QTest::newRow("26 V is normal once Setup says 24 V") << false << false << 1300 << QStringList();
    QTest::newRow("22 V is low once Setup says 24 V")
        << false << false << 1100 << QStringList{"LowVolts  raised  22.00 V"};
    QTest::newRow("first start without prog.cfg") << true << false << 1300 << QStringList();
    QTest::newRow("26 V is normal after the Alarms dialog saved") << false << true << 1300 << QStringList();
    QTest::newRow("22 V is low after the Alarms dialog saved")
        << false << true << 1100 << QStringList{"LowVolts  raised  22.00 V"};
}

void AlarmsEndToEndTest::defaultsFollowProgramSetup()
{
    QFETCH(bool, firstStart);
    QFETCH(bool, alarmsSaved);
    QFETCH(int, rawVolts);
    QFETCH(QStringList, alarms);
    Program program;
    if (!firstStart)
        program.folder.writeProgramConfig("1"); // a 12 V system
    QVERIFY(program.startBoard(frame(rawVolts)));
    const std::function<void(ProgramSetup &)> setUp24Volts = [alarmsSaved](ProgramSetup &setup) {
        setup.findChild<QLineEdit *>("PortNumber")->setText("1");
        setup.findChild<QCheckBox *>("LogOn")->setChecked(false);
        if (alarmsSaved) { // while the form still says 12 V
            whenShown<AlarmsDialog>([](AlarmsDialog &dialog) { dialog.saveClicked(); });
            setup.findChild<QPushButton *>("AlarmsButton")->click();
        }
        setup.findChild<QRadioButton *>("Option2")->setChecked(true);
        setup.findChild<QPushButton *>("Command1")->click();
    };
    if (firstStart) {
        whenShown<QMessageBox>([&](QMessageBox &box) {
            whenShown(setUp24Volts);
            box.accept();
        });
        program.start();
    } else {
        program.start();
        whenShown(setUp24Volts);
        program.click("Setup");
    }
    QVERIFY(program.pass(11)); // past the 10 s delay
    QCOMPARE(program.alarms(), alarms);

    // The Alarms dialog shows the thresholds the logger watches, and those of a system chosen
    // on the form before it is saved.
    QStringList shown;
    whenShown<ProgramSetup>([&](ProgramSetup &setup) {
        for (const char *systemVolts : {"Option2", "Option1"}) {
            setup.findChild<QRadioButton *>(systemVolts)->setChecked(true);
            whenShown<AlarmsDialog>([&](AlarmsDialog &dialog) {
                shown << dialog.findChild<QLineEdit *>("LowVolts")->text() + u' '
                             + dialog.findChild<QLineEdit *>("HighVolts")->text();
                dialog.reject();
            });
            setup.findChild<QPushButton *>("AlarmsButton")->click();
        }
        setup.reject();
    });
    program.click("Setup");
    QCOMPARE(shown, QStringList({"23.6 29.6", "11.8 14.8"}));
}

void AlarmsEndToEndTest::overspeedIsJudgedOnTheMeasuredSpeed()
{
    ProgramFolder folder;
    folder.writeCalibration();
    folder.writeProgramConfig("1", "0", "1"); // an interval a second, each told with the frames taken
    folder.write("alarms.cfg", "<HighRPM>450</HighRPM><Delay>2</Delay><NoData></NoData>");
    QStringList script;
    for (int second = 0; second < 10; ++second)
        script << "100 " + frame(650, 31); // 465 rpm for a second
    for (int second = 0; second < 60; ++second)
        script << "100 " + frame(650, 34); // then 510 rpm: more than the live reading counts
    folder.write("board.txt", script.join(u'\n').toLatin1());
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--script", folder.file("board.txt"), "--delay", "1500"}));
    ProgramProcess logger(folder.path(), "brolant-logger");
    QVERIFY(logger.start());
    QTRY_VERIFY_WITH_TIMEOUT(folder.read("logs/alarms.txt").contains("HighRPM"), 10000);
    // Every frame judged, to the last at 510 rpm: still raised.
    QTRY_VERIFY_WITH_TIMEOUT(framesTaken(logger) >= script.size(), 20000);
    QCOMPARE(alarmsTxtChanges(folder.read("logs/alarms.txt")), QStringList{"HighRPM  raised  510 RPM"});
}

void AlarmsEndToEndTest::silenceCountsOnlyWhileThePortIsMeantOpen_data()
{
    QTest::addColumn<QString>("port"); // at the start
    QTest::addColumn<QString>("user");
    QTest::addColumn<QStringList>("alarms");
    QTest::newRow("calibration holds the port") << "1"
                                                << "calibrates" << QStringList();
    QTest::newRow("Abort in Setup leaves no port") << "1"
                                                   << "aborts Setup" << QStringList();
    QTest::newRow("a port given in Setup, the board silent") << "0"
                                                             << "gives a port" << QStringList{"NoData  raised  60 s"};
}

void AlarmsEndToEndTest::silenceCountsOnlyWhileThePortIsMeantOpen()
{
    QFETCH(QString, port);
    QFETCH(QString, user);
    QFETCH(QStringList, alarms);
    Program program;
    program.folder.writeProgramConfig(port);
    program.folder.write("alarms.cfg", "<NoData>60</NoData>");
    QVERIFY(program.startBoard(user == "gives a port" ? QString() : frame(650)));
    program.start();
    if (user == "calibrates") {
        whenShown<Calibrate>([&](Calibrate &dialog) {
            QVERIFY(program.pass(61));
            dialog.reject();
        });
        program.click("CalibrateButton");
    } else {
        whenShown<ProgramSetup>([&](ProgramSetup &setup) {
            setup.findChild<QLineEdit *>("PortNumber")->setText("1");
            setup.findChild<QPushButton *>(user == "aborts Setup" ? "Command2" : "Command1")->click();
        });
        program.click("Setup");
    }
    QVERIFY(program.pass(60));
    QCOMPARE(program.alarms(), alarms);
}

void AlarmsEndToEndTest::wallClockJumpsNeitherRaiseNorHide_data()
{
    QTest::addColumn<int>("jump");
    QTest::addColumn<int>("rawVolts"); // 0: a silent board
    QTest::addColumn<int>("then");     // seconds that pass after the jump
    QTest::addColumn<QStringList>("alarms");
    QTest::newRow("silent board, clock set forward an hour") << 3600 << 0 << 60 << QStringList{"NoData  raised  60 s"};
    QTest::newRow("low battery, clock set back an hour")
        << -3600 << 575 << 10 << QStringList{"LowVolts  raised  11.50 V"};
}

void AlarmsEndToEndTest::wallClockJumpsNeitherRaiseNorHide()
{
    QFETCH(int, jump);
    QFETCH(int, rawVolts);
    QFETCH(int, then);
    QFETCH(QStringList, alarms);
    Program program;
    program.folder.writeProgramConfig("1");
    program.folder.write("alarms.cfg", "<NoData>60</NoData><Delay>10</Delay>");
    QVERIFY(program.startBoard(rawVolts ? frame(rawVolts) : QString()));
    program.start();
    program.clock.setWallClock(kStart.addSecs(jump));
    QVERIFY(program.check());
    QCOMPARE(program.alarms(), QStringList()); // no silence nor delay made up by the jump
    QVERIFY(program.pass(then));
    QCOMPARE(program.alarms(), alarms); // nor any taken away
}

void AlarmsEndToEndTest::settingsEditedInPlaceApplyAndAreLogged()
{
    ProgramFolder folder;
    folder.writeCalibration();
    folder.writeProgramConfig("1");
    folder.write("alarms.cfg", "<HighVolts>20</HighVolts><Delay>0</Delay><NoData></NoData>");
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--frame", frame(650), "--rate", "10"})); // 13 V
    ProgramProcess logger(folder.path(), "brolant-logger");
    QVERIFY(logger.start()); // its alarms read and its settings files watched
    QFile file(folder.file("alarms.cfg"));
    QVERIFY(file.open(QIODevice::WriteOnly)); // truncated and written, no rename: an editor's save
    file.write("<HighVolts>12.5</HighVolts><Delay>0</Delay><NoData></NoData>");
    file.close();
    QTRY_VERIFY_WITH_TIMEOUT(folder.read("errorlog.txt").contains("alarms.cfg changed  the new alarm settings apply"),
                             5000);
    QTRY_COMPARE_WITH_TIMEOUT(alarmsTxtChanges(folder.read("logs/alarms.txt")),
                              QStringList{"HighVolts  raised  13.00 V"}, 5000);
}

void AlarmsEndToEndTest::raisedAlarmStaysRaisedAcrossARestart_data()
{
    QTest::addColumn<QByteArray>("alarmsCfg"); // while the logger was stopped
    QTest::addColumn<QStringList>("said");     // to the broker after the restart
    QTest::addColumn<QStringList>("alarms");   // alarms.txt
    const QByteArray watched("<HighVolts>12.5</HighVolts><Delay>2</Delay><NoData></NoData>");
    QTest::newRow("still watched: still raised") << watched << QStringList{"0 brolant/restart/alarm/HighVolts raised"}
                                                 << QStringList{"HighVolts  raised  13.00 V"};
    QTest::newRow("switched off meanwhile: ends as switched off")
        << QByteArray("<HighVolts></HighVolts><Delay>2</Delay><NoData></NoData>")
        << QStringList{"0 brolant/restart/alarm/HighVolts cleared"}
        << QStringList{"HighVolts  raised  13.00 V", "HighVolts  switched off  13.00 V"};
}

void AlarmsEndToEndTest::raisedAlarmStaysRaisedAcrossARestart()
{
    QFETCH(QByteArray, alarmsCfg);
    QFETCH(QStringList, said);
    ProgramFolder folder;
    folder.writeCalibration();
    folder.writeProgramConfig("1");
    folder.write("alarms.cfg", "<HighVolts>12.5</HighVolts><Delay>2</Delay><NoData></NoData>");
    BrokerProcess broker;
    QVERIFY(broker.start());
    QVERIFY(broker.subscribe("brolant/restart/alarm/#"));
    folder.write("mqtt.cfg", broker.loggerSettings("restart"));
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--frame", frame(650), "--rate", "10"})); // 13 V: too high
    ProgramProcess logger(folder.path(), "brolant-logger");
    QVERIFY(logger.start());
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/restart/alarm/HighVolts raised"), kBrokerWait);
    QVERIFY(logger.endWith(SIGTERM));
    folder.write("alarms.cfg", alarmsCfg);
    const qsizetype before = broker.heard().size();
    QVERIFY(logger.start());
    // Said on connection as it stands, and no "cleared" that was never judged.
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().mid(before).contains(said.last()), kBrokerWait);
    QCOMPARE(broker.heard().mid(before).filter("HighVolts"), said);
    QTEST(alarmsTxtChanges(folder.read("logs/alarms.txt")), "alarms");
}

void AlarmsEndToEndTest::changeHeldBackIsToldAtTheEnd()
{
    ProgramFolder folder;
    folder.writeCalibration();
    folder.writeProgramConfig("1", "1", "60");
    folder.write("alarm.sh", "#!/bin/sh\necho \"$1 $2\" >> runs.txt\n");
    QFile(folder.file("alarm.sh")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    folder.write("alarms.cfg",
                 "<Delay>0</Delay><NoData></NoData><Command>" + folder.file("alarm.sh").toUtf8() + "</Command>");
    BrokerProcess broker;
    QVERIFY(broker.start());
    QVERIFY(broker.subscribe("brolant/held/alarm/LowVolts"));
    folder.write("mqtt.cfg", broker.loggerSettings("held"));
    FakeSerialLink link;
    FakeClock clock(kStart);
    RecordingView view;
    LoggerParts logger(folder.path(), link, clock, view, Attendance::Unattended);
    QSignalSpy told(&logger.alarms.board(), &AlarmBoard::notify); // the desktop
    QSignalSpy ran(&logger.alarms.command(), &AlarmCommand::finished);
    logger.start();
    QVERIFY(!logger.session.startUp());
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/held/alarm/LowVolts cleared"), kBrokerWait);
    link.push(frame(575).toLatin1()); // 11.5 V
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/held/alarm/LowVolts raised"), kBrokerWait);
    QTRY_COMPARE(ran.size(), 1);
    clock.advance(3000);
    link.push(frame(650).toLatin1()); // 13 V, 3 seconds later: held back for the quiet period
    QCOMPARE(broker.heard().last(), QString("0 brolant/held/alarm/LowVolts raised"));
    logger.end();
    QCOMPARE(folder.read("runs.txt"), QByteArray("LowVolts raised\nLowVolts cleared\n"));
    QCOMPARE(told.last().at(0).toString(), QString("Brolant alarm cleared"));
    QTRY_COMPARE_WITH_TIMEOUT(broker.heard().last(), QString("0 brolant/held/alarm/LowVolts cleared"), kBrokerWait);
}

QTEST_MAIN(AlarmsEndToEndTest)
#include "tst_alarms_e2e.moc"
