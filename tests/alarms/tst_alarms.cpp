// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/reading.h"
#include "alarms/alarmservice.h"
#include "alarms/ui/alarmbanner.h"
#include "alarmstxt.h"
#include "app/errorreporter.h"
#include "config/programconfig.h"
#include "dialogs/alarms/alarmsdialog.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "recordingview.h"
#include "screenreader.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"
#include "sessionprobe.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

using namespace Brolant;

namespace {
const QDateTime kStart(QDate(2026, 12, 7), QTime(13, 0, 0));

AlarmSettings lowAndHighVolts(double delay = 10)
{
    AlarmSettings settings = AlarmSettings::defaults(12, 0);
    settings.noDataSeconds.reset();
    settings.delaySeconds = delay;
    return settings;
}

// "second:volts" steps fed to a monitor, and what it said: "second:Name raised|cleared value".
QString run(const AlarmSettings &settings, const QString &steps)
{
    FakeClock clock(kStart);
    AlarmMonitor monitor(settings, clock);
    QStringList said;
    QObject::connect(&monitor, &AlarmMonitor::changed, [&](const AlarmChange &change) {
        said << QString::number(kStart.secsTo(change.time)) + u':' + change.definition().name
                    + (change.raised ? " raised " : " cleared ") + QString::number(change.value);
    });
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        clock.set(kStart.addSecs(step.section(u':', 0, 0).toInt()));
        Reading reading;
        reading.volts = step.section(u':', 1).toDouble();
        monitor.readingAccepted(reading);
    }
    return said.join(u' ');
}

// A script the test runs, in `folder`.
QString writeScript(const ProgramFolder &folder, const QString &name, const QByteArray &text)
{
    folder.write(name, text);
    QFile(folder.file(name)).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    return folder.file(name);
}

// The program folder with the core, the service and what it wrote.
struct AlarmRig
{
    ProgramFolder folder;
    FakeSerialLink link;
    FakeClock clock{kStart};
    ProblemLog problems{clock};
    RecordingView view;
    std::unique_ptr<LoggerSession> session;
    std::unique_ptr<ErrorReporter> errors;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<AlarmService> service;

    // `alarmsTxt`: what the runs before wrote in logs/alarms.txt.
    explicit AlarmRig(const QByteArray &alarmsCfg = QByteArray(), const QString &port = "1",
                      const QByteArray &alarmsTxt = QByteArray())
    {
        folder.writeProgramConfig(port);
        QDir(folder.path()).mkpath("logs");
        if (!alarmsCfg.isNull())
            folder.write("alarms.cfg", alarmsCfg);
        if (!alarmsTxt.isNull())
            folder.write("logs/alarms.txt", alarmsTxt);
        session = std::make_unique<LoggerSession>(folder.path(), link, clock, problems, folder.programFiles());
        errors = std::make_unique<ErrorReporter>(folder.path(), clock, problems, view);
        store = std::make_unique<SettingsStore>(folder.path());
        service = std::make_unique<AlarmService>(*session, clock, problems, store->alarms());
        QObject::connect(store.get(), &SettingsStore::alarmSettingsChanged, service.get(), &AlarmService::apply);
    }
    void reading(int second, double volts) { readingAt(second * 1000, volts); }
    void readingAt(qint64 milliseconds, double volts)
    {
        clock.set(kStart.addMSecs(milliseconds));
        Reading reading;
        reading.volts = volts;
        emit SessionProbe::core(*session).receiver.frameAccepted(reading);
    }
};
} // namespace

class AlarmsTest : public QObject
{
    Q_OBJECT

private slots:
    void delayAndHysteresis_data()
    {
        QTest::addColumn<double>("delay");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("said");
        QTest::newRow("raised only after the delay") << 10.0 << "0:11.7 5:11.7 9:11.6 10:11.5"
                                                     << "10:LowVolts raised 11.5";
        QTest::newRow("condition breaks off before the delay") << 10.0 << "0:11.7 5:12 10:11.7 19:11.7"
                                                               << "";
        QTest::newRow("between the thresholds nothing flaps")
            << 10.0 << "0:11.7 10:11.7 11:12.1 40:11.9 80:12.19 200:11.81"
            << "10:LowVolts raised 11.7";
        QTest::newRow("cleared after the delay") << 10.0 << "0:11.7 10:11.7 20:12.2 25:12.3 29:12.3 30:12.25"
                                                 << "10:LowVolts raised 11.7 30:LowVolts cleared 12.25";
        QTest::newRow("clearing breaks off and starts again")
            << 10.0 << "0:11.7 10:11.7 20:12.3 25:12.1 30:12.3 39:12.3 40:12.4"
            << "10:LowVolts raised 11.7 40:LowVolts cleared 12.4";
        QTest::newRow("high volts, its own thresholds") << 10.0 << "0:14.9 10:14.81 15:14.5 30:14.6 31:14.4 41:14.4"
                                                        << "10:HighVolts raised 14.81 41:HighVolts cleared 14.4";
        QTest::newRow("exactly at the raise threshold is no alarm") << 10.0 << "0:11.8 20:11.8 0:14.8"
                                                                    << "";
        QTest::newRow("no delay: the first reading decides") << 0.0 << "0:11.7 1:12.2"
                                                             << "0:LowVolts raised 11.7 1:LowVolts cleared 12.2";
    }
    void delayAndHysteresis()
    {
        QFETCH(double, delay);
        QFETCH(QString, steps);
        QFETCH(QString, said);
        QCOMPARE(run(lowAndHighVolts(delay), steps), said);
    }

    void noDataOnASilentPortAndClearedByTheNextFrame()
    {
        FakeClock clock(kStart);
        AlarmSettings settings = lowAndHighVolts();
        settings.noDataSeconds = 120;
        AlarmMonitor monitor(settings, clock);
        QSignalSpy changes(&monitor, &AlarmMonitor::changed);
        monitor.checkSilence();
        clock.set(kStart.addSecs(500));
        monitor.checkSilence();
        QCOMPARE(changes.size(), 0); // the port was never meant to be open
        monitor.setPortMeantOpen(true);
        clock.set(kStart.addSecs(619));
        monitor.checkSilence();
        QCOMPARE(changes.size(), 0);
        clock.set(kStart.addSecs(620));
        monitor.checkSilence();
        monitor.checkSilence();
        clock.set(kStart.addSecs(650));
        monitor.readingAccepted(Reading{12.5, 0, 0, 0, 0, 0});
        QCOMPARE(changes.size(), 2);
        const auto first = changes.at(0).at(0).value<AlarmChange>();
        const auto second = changes.at(1).at(0).value<AlarmChange>();
        QCOMPARE(first.text(), QString("NoData  raised  120 s"));
        QCOMPARE(second.text(), QString("NoData  cleared  150 s"));
    }

    void defaultsFollowTheSystem_data()
    {
        QTest::addColumn<QString>("sv");
        QTest::addColumn<QString>("ma");
        QTest::addColumn<QString>("expected");
        QTest::newRow("12 V") << "12"
                              << "50"
                              << "11.8/12.2 14.8/14.4 50/45 / 120 10";
        QTest::newRow("24 V") << "24"
                              << "100"
                              << "23.6/24.4 29.6/28.8 100/90 / 120 10";
        QTest::newRow("48 V") << "48"
                              << "0"
                              << "47.2/48.8 59.2/57.6 / / 120 10";
        QTest::newRow("no usable SV: 12 V") << "abc"
                                            << ""
                                            << "11.8/12.2 14.8/14.4 / / 120 10";
    }
    void defaultsFollowTheSystem()
    {
        QFETCH(QString, sv);
        QFETCH(QString, ma);
        QFETCH(QString, expected);
        ProgramConfig program;
        program.sv = sv;
        program.ma = ma;
        const AlarmSettings settings = AlarmSettings::defaultsFor(program);
        QStringList shown;
        for (const auto &levels : settings.levels)
            shown << (levels.raise ? QString::number(*levels.raise) + u'/' + QString::number(levels.clearAt()) : "/");
        shown << QString::number(settings.noDataSeconds.value_or(-1)) << QString::number(settings.delaySeconds);
        QCOMPARE(shown.join(u' '), expected);
    }

    void restartGoesOnFromWhatAlarmsTxtSaid_data()
    {
        QTest::addColumn<QByteArray>("alarmsTxt"); // as the run before left it
        QTest::addColumn<QByteArray>("alarmsCfg");
        QTest::addColumn<QString>("steps");      // "second:volts" after the restart
        QTest::addColumn<QStringList>("raised"); // on the board (the strip, the page) and in the monitor
        QTest::addColumn<QStringList>("added");  // to alarms.txt
        const QByteArray raised("2026_12_07  12:00:00  LowVolts  raised  11.50 V\r\n"
                                "2026_12_07  12:05:00  LowVolts  cleared  12.30 V\r\n"
                                "2026_12_07  12:10:00  HighVolts  raised  14.90 V\r\n");
        const QByteArray cfg("<Delay>10</Delay><NoData></NoData>");
        QTest::newRow("still between the thresholds: still raised")
            << raised << cfg << "0:14.6 30:14.6" << QStringList{"HighVolts"} << QStringList();
        QTest::newRow("cleared once its clear has held for the delay")
            << raised << cfg << "0:13 5:13 10:13" << QStringList() << QStringList{"HighVolts  cleared  13.00 V"};
        QTest::newRow("switched off meanwhile: ends as switched off")
            << raised << QByteArray("<HighVolts></HighVolts>") + cfg << "0:14.6" << QStringList()
            << QStringList{"HighVolts  switched off  14.90 V"};
        QTest::newRow("cleared before the restart") << raised + "2026_12_07  12:20:00  HighVolts  cleared  14.30 V\r\n"
                                                    << cfg << "0:14.6" << QStringList() << QStringList();
        QTest::newRow("a line cut short is passed over") << raised + "2026_12_07  12:20:00  HighVolts  cle" << cfg
                                                         << "0:14.6" << QStringList{"HighVolts"} << QStringList();
        QTest::newRow("no data at the end, frames at the restart")
            << QByteArray("2026_12_07  12:00:00  NoData  raised  120 s\r\n") << QByteArray("<Delay>10</Delay>")
            << "0:13" << QStringList() << QStringList{"NoData  cleared  0 s"};
    }
    void restartGoesOnFromWhatAlarmsTxtSaid()
    {
        QFETCH(QByteArray, alarmsTxt);
        QFETCH(QByteArray, alarmsCfg);
        QFETCH(QString, steps);
        AlarmRig rig(alarmsCfg, "1", alarmsTxt);
        QCoreApplication::processEvents(); // the event loop's first turn, before the first frame
        for (const QString &step : steps.split(u' '))
            rig.reading(step.section(u':', 0, 0).toInt(), step.section(u':', 1).toDouble());
        QStringList raised;
        for (const AlarmBoard::Entry &entry : rig.service->board().raised())
            raised << entry.change.definition().name;
        QTEST(raised, "raised");
        for (int kind = 0; kind < kAlarmKinds; ++kind)
            QCOMPARE(rig.service->monitor().isRaised(AlarmKind(kind)),
                     raised.contains(alarmDefinition(AlarmKind(kind)).name));
        QTEST(alarmsTxtChanges(rig.folder.read("logs/alarms.txt").mid(alarmsTxt.size())), "added");
    }

    void alarmsTxtLinesByteForByte()
    {
        AlarmRig rig("Alarms Config File\r\n\r\n<Delay>0</Delay><NoData></NoData>\r\n");
        rig.reading(5, 11.74);
        rig.reading(3605, 12.2);
        rig.reading(3606, 15.123);
        QCOMPARE(rig.folder.read("logs/alarms.txt"),
                 QByteArray("2026_12_07  13:00:05  LowVolts  raised  11.74 V\r\n"
                            "2026_12_07  14:00:05  LowVolts  cleared  12.20 V\r\n"
                            "2026_12_07  14:00:06  HighVolts  raised  15.12 V\r\n"));
        QVERIFY(!QFile::exists(rig.folder.file("errorlog.txt")));
        QDir logs(rig.folder.file("logs"));
        QCOMPARE(logs.entryList(QDir::Files), QStringList{"alarms.txt"}); // written nowhere else in the logs
    }

    void commandRunsWithTheChangeAsArguments_data()
    {
        QTest::addColumn<QByteArray>("script"); // empty: a program that does not exist
        QTest::addColumn<QByteArray>("heard");
        QTest::addColumn<QString>("logged");
        QTest::newRow("runs in the program folder") << QByteArray("#!/bin/sh\necho \"$(pwd) $*\" >> heard.txt\n")
                                                    << QByteArray("FOLDER --relay 4 LowVolts raised 11.70 V\n") << "";
        QTest::newRow("fails: exit code")
            << QByteArray("#!/bin/sh\nexit 3\n") << QByteArray()
            << "alarm command failed  COMMAND (for LowVolts raised): it ended with exit code 3";
        QTest::newRow("cannot start") << QByteArray() << QByteArray()
                                      << "alarm command failed  COMMAND (for LowVolts raised): ";
    }
    void commandRunsWithTheChangeAsArguments()
    {
        QFETCH(QByteArray, script);
        QFETCH(QByteArray, heard);
        QFETCH(QString, logged);
        ProgramFolder scripts;
        const QString path = scripts.file("alarm command.sh");
        if (!script.isEmpty()) {
            scripts.write("alarm command.sh", script);
            QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QString command = "\"" + path + "\" --relay 4";
        AlarmRig rig("<Delay>0</Delay><NoData></NoData><Command>" + command.toUtf8() + "</Command>");
        QSignalSpy finished(&rig.service->command(), &AlarmCommand::finished);
        rig.reading(1, 11.7);
        QVERIFY(finished.wait());
        QCOMPARE(rig.folder.read("heard.txt"), QByteArray(heard).replace("FOLDER", rig.folder.path().toUtf8()));
        const QString errors = QString::fromLatin1(rig.folder.read("errorlog.txt"));
        QCOMPARE(errors.count("alarm command failed"), logged.isEmpty() ? 0 : 1);
        QVERIFY2(errors.contains(QString(logged).replace("COMMAND", command)), qPrintable(errors));
    }

    void hostileFilesGiveAMessageAndTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a number") << QByteArray("<HighVolts>abc</HighVolts>")
                                      << "HighVolts must be a number or empty, not \"abc\"";
        QTest::newRow("clear below a low raise")
            << QByteArray("<LowVolts>12</LowVolts><LowVoltsClear>11</LowVoltsClear>")
            << "LowVoltsClear (11) must be at or above LowVolts (12)";
        QTest::newRow("clear above a high raise")
            << QByteArray("<HighRPM>400</HighRPM><HighRPMClear>450</HighRPMClear>")
            << "HighRPMClear (450) must be at or below HighRPM (400)";
        QTest::newRow("clear without raise") << QByteArray("<HighAmps></HighAmps><HighAmpsClear>5</HighAmpsClear>")
                                             << "HighAmpsClear is set but HighAmps is empty";
        QTest::newRow("negative delay") << QByteArray("<Delay>-5</Delay>") << "Delay must be from 0 to 86400 seconds";
        QTest::newRow("infinite") << QByteArray("<LowVolts>1e999</LowVolts>") << "LowVolts must be a number or empty";
        QTest::newRow("binary") << QByteArray("<NoData>\x01\xff\x00</NoData>", 22)
                                << "NoData must be a number or empty";
        QTest::newRow("binary without a tag") << QByteArray("\x7f"
                                                            "ELF\x02\x01\x00<\xff>",
                                                            11)
                                              << "the file holds no alarm settings (no tag such as <LowVolts>)";
    }
    void hostileFilesGiveAMessageAndTheDefaults()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        AlarmRig rig(content);
        QTRY_VERIFY2(QString::fromLatin1(rig.folder.read("errorlog.txt")).contains("alarms.cfg not used  " + message),
                     rig.folder.read("errorlog.txt"));
        // Still watching with the defaults.
        rig.reading(0, 11.0);
        rig.reading(10, 11.0);
        QVERIFY(rig.service->monitor().isRaised(AlarmKind::LowVolts));
    }

    void savedSettingsApplyWhileRunning()
    {
        AlarmRig rig("<Delay>0</Delay><NoData></NoData>");
        rig.reading(0, 11.5);
        QVERIFY(rig.service->monitor().isRaised(AlarmKind::LowVolts));
        QSignalSpy reloaded(rig.service.get(), &AlarmService::settingsChanged);
        AlarmSettings settings = rig.service->settings();
        settings.levels[size_t(AlarmKind::LowVolts)] = {};
        settings.levels[size_t(AlarmKind::HighVolts)] = {13.0, 12.8};
        QVERIFY(rig.store->saveAlarms(settings, std::nullopt));
        QCOMPARE(reloaded.size(), 1); // at once, as when the Alarms dialog saves
        rig.reading(5, 13.5);
        QCOMPARE(rig.folder.read("logs/alarms.txt"),
                 QByteArray("2026_12_07  13:00:00  LowVolts  raised  11.50 V\r\n"
                            "2026_12_07  13:00:00  LowVolts  switched off  11.50 V\r\n"
                            "2026_12_07  13:00:05  HighVolts  raised  13.50 V\r\n"));
    }

    void dialogRefusesAClearOnTheWrongSideAndSavesAtomically()
    {
        ProgramFolder folder;
        folder.writeProgramConfig("1");
        ScriptedPrompts messages;
        SettingsStore store(folder.path());
        AlarmsDialog dialog(store, AlarmSettings::defaults(12, 20), messages);
        dialog.show();
        QCOMPARE(controlsHeardWrong(dialog).join("; "), QString());
        auto *clear = dialog.findChild<QLineEdit *>("LowVoltsClear");
        QCOMPARE(clear->text(), QString("12.2"));
        clear->setText("11");
        dialog.saveClicked();
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages.first().contains("LowVoltsClear (11) must be at or above LowVolts (11.8)"));
        QVERIFY(!QFile::exists(folder.file("alarms.cfg")));
        clear->setText("12.4");
        dialog.findChild<QLineEdit *>("HighRPM")->setText("450");
        dialog.findChild<QLineEdit *>("Command")->setText("/usr/local/bin/dump-load on");
        dialog.saveClicked();
        QCOMPARE(
            folder.read("alarms.cfg"),
            // The thresholds left at their defaults are left out, so they follow Program Setup.
            QByteArray(
                "Alarms Config File\r\n\r\n<LowVolts>11.8</LowVolts>\r\n<LowVoltsClear>12.4</LowVoltsClear>\r\n"
                "<HighRPM>450</HighRPM>\r\n<HighRPMClear>450</HighRPMClear>\r\n"
                "<NoData>120</NoData>\r\n<Delay>10</Delay>\r\n<Command>/usr/local/bin/dump-load on</Command>\r\n\r\n"));
    }

    void bannerListsEveryAlarmAndEveryClearUntilAcknowledged()
    {
        QWidget window;
        window.resize(400, 300);
        AlarmBoard board;
        FakeClock clock;
        ProblemLog problems(clock);
        AlarmBanner banner(board, problems, &window);
        window.show();
        QVERIFY(!banner.isVisible());
        QSignalSpy notified(&board, &AlarmBoard::notify);
        // "_" where a line may not break: inside one alarm.
        const auto shown = [&banner] { return banner.text().replace(QChar::Nbsp, u'_'); };
        board.apply({AlarmKind::LowVolts, true, 11.74, kStart});
        board.apply({AlarmKind::HighRpm, true, 480, kStart});
        board.apply({AlarmKind::HighAmps, true, 25, kStart});
        QVERIFY(banner.isVisible());
        QCOMPARE(shown(), QString("ALARM: LowVolts_11.74_V, HighRPM_480_RPM, HighAmps_25.00_A"));
        QCOMPARE(controlsHeardWrong(window).join("; "), QString());
        banner.findChild<QPushButton *>()->click();
        QCOMPARE(shown(), QString("ALARM: LowVolts_11.74_V, HighRPM_480_RPM, HighAmps_25.00_A (acknowledged)"));
        board.apply({AlarmKind::HighRpm, false, 300, kStart.addSecs(65)});
        QCOMPARE(
            shown(),
            QString("ALARM: LowVolts_11.74_V, HighAmps_25.00_A (acknowledged). Cleared: HighRPM_300_RPM_at_13:01:05"));
        board.apply({AlarmKind::LowVolts, false, 12.3, kStart.addSecs(70)});
        board.apply({AlarmKind::HighAmps, false, 25, kStart.addSecs(70), true});
        QCOMPARE(shown(), QString("Cleared: HighRPM_300_RPM_at_13:01:05, LowVolts_12.30_V_at_13:01:10, "
                                  "HighAmps_switched_off_at_13:01:10"));
        QCOMPARE(notified.size(), 6);
        banner.findChild<QPushButton *>()->click();
        QVERIFY(!banner.isVisible());
    }

    void notificationsWithoutATray_data()
    {
        QTest::addColumn<QString>("notifySend"); // the script; none: not installed
        QTest::addColumn<QString>("silence");    // what the error log says once; none: nothing
        QTest::newRow("told through notify-send") << "echo \"$@\" >> \"${0%/*}/heard.txt\""
                                                  << "";
        QTest::newRow("no notify-send: said once in the error log") << ""
                                                                    << "notify-send is not installed";
        QTest::newRow("notify-send fails: said once in the error log")
            << "echo 'Failed to execute child process \"dbus-launch\"' >&2; exit 1"
            << "notify-send failed: Failed to execute child process \"dbus-launch\"";
    }
    void notificationsWithoutATray()
    {
        QFETCH(QString, notifySend);
        QFETCH(QString, silence);
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable()); // offscreen: no tray
        ProgramFolder bin;
        if (!notifySend.isEmpty())
            writeScript(bin, "notify-send", "#!/bin/sh\n" + notifySend.toLatin1() + "\n");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        AlarmBoard board;
        FakeClock clock;
        ProblemLog problemLog(clock);
        AlarmBanner banner(board, problemLog);
        QSignalSpy problems(&problemLog, &ProblemLog::reported);
        board.apply({AlarmKind::LowVolts, true, 11.74, kStart});
        board.apply({AlarmKind::LowVolts, false, 12.3, kStart});
        qputenv("PATH", path);
        // The two notifications run side by side: their lines may land in either order.
        const auto heard = [&bin] {
            QList<QByteArray> lines = bin.read("heard.txt").split('\n');
            std::sort(lines.begin(), lines.end());
            return lines;
        };
        if (silence.isEmpty())
            QTRY_COMPARE(heard(), (QList<QByteArray>{"", "Brolant alarm LowVolts  raised  11.74 V",
                                                     "Brolant alarm cleared LowVolts  cleared  12.30 V"}));
        // Each notify-send is let go once its exit was heard: then both exits have had their say.
        QTRY_VERIFY(banner.findChildren<QProcess *>().isEmpty());
        QCOMPARE(problems.size(), silence.isEmpty() ? 0 : 1); // once, for two notifications
        if (!silence.isEmpty())
            QVERIFY2(problems.at(0).at(1).toString().contains("there is no system tray and " + silence),
                     qPrintable(problems.at(0).at(1).toString()));
    }

    void commandEndsWithEverythingItStarted_data()
    {
        QTest::addColumn<bool>("timesOut");
        QTest::newRow("ran too long") << true;
        QTest::newRow("still running at the program's end") << false;
    }
    void commandEndsWithEverythingItStarted()
    {
        QFETCH(bool, timesOut);
        ProgramFolder folder;
        const QString script = writeScript(folder, "alarm.sh",
                                           "#!/bin/sh\nsleep 300 &\necho $! > child.pid\nsleep 300\n");
        FakeClock clock;
        ProblemLog problems(clock);
        auto command = std::make_unique<AlarmCommand>(
            script, folder.path(), problems, timesOut ? std::chrono::milliseconds(500) : AlarmCommand::kLongestRun);
        QSignalSpy finished(command.get(), &AlarmCommand::finished);
        command->run({AlarmKind::LowVolts, true, 11.5, kStart});
        QTRY_VERIFY(folder.read("child.pid").endsWith('\n'));
        const QString child = QString::fromLatin1(folder.read("child.pid").trimmed());
        if (timesOut)
            QVERIFY(finished.wait());
        else
            command.reset();
        // Gone, or a zombie nobody has reaped yet: either way it runs no more.
        const auto running = [&child] {
            QFile stat("/proc/" + child + "/stat");
            const QByteArray fields = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
            return !fields.isEmpty() && fields.mid(fields.lastIndexOf(')') + 2, 1) != "Z";
        };
        QTRY_VERIFY(!running());
    }

    void flappingAlarmIsToldAtMostOncePerQuietPeriod_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("settled");
        QTest::newRow("flapping within one quiet period") << 10 << 10;
        QTest::newRow("flapping on past its end: no second raised") << 12 << 23;
    }
    void flappingAlarmIsToldAtMostOncePerQuietPeriod()
    {
        QFETCH(int, seconds);
        QFETCH(int, settled);
        ProgramFolder scripts;
        const QString script = writeScript(scripts, "alarm.sh", "#!/bin/sh\necho \"$1 $2\" >> runs.txt\n");
        AlarmRig rig("<Delay>0</Delay><NoData></NoData><Command>" + script.toUtf8() + "</Command>");
        QSignalSpy notified(&rig.service->board(), &AlarmBoard::notify);
        QSignalSpy finished(&rig.service->command(), &AlarmCommand::finished);
        constexpr int kFramesPerSecond = 19;
        const int frames = seconds * kFramesPerSecond; // across LowVolts' thresholds at every frame
        for (int frame = 0; frame < frames; ++frame)
            rig.readingAt(frame * 1000 / kFramesPerSecond, frame % 2 ? 13.0 : 11.0);
        QCOMPARE(rig.folder.read("logs/alarms.txt").count('\n'), frames); // every change recorded
        rig.clock.set(kStart.addSecs(settled));
        QTRY_COMPARE(finished.size(), 2);
        // The two runs may overlap and write in either order; the desktop is told in order.
        QStringList runs = QString(rig.folder.read("runs.txt")).split(u'\n', Qt::SkipEmptyParts);
        runs.sort();
        QCOMPARE(runs, QStringList({"LowVolts cleared", "LowVolts raised"}));
        QCOMPARE(notified.size(), 2); // raised at once, and where it stands after the quiet period
        QCOMPARE(notified[0][0].toString(), QStringLiteral("Brolant alarm"));
        QCOMPARE(notified[1][0].toString(), QStringLiteral("Brolant alarm cleared"));
    }
};

QTEST_MAIN(AlarmsTest)
#include "tst_alarms.moc"
