// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmservice.h"
#include "app/loggerparts.h"
#include "dialogs/setup/programsetupmodel.h"
#include "modelrig.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Brolant;

namespace {
const QDateTime kStart(QDate(2026, 12, 7), QTime(13, 0, 0));
const QByteArray kLowFrame("[<V>575</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1181</C>]"); // 11.5 V

QString intentText(const PortIntent &intent)
{
    static const char *const kinds[] = {"open", "failed", "retrying", "no port", "held", "ending"};
    return QString::fromLatin1(kinds[int(intent.kind)]) + (intent.reason.isEmpty() ? QString() : u' ' + intent.reason);
}

// The session's signals as one line each, in the order they came.
struct Heard
{
    QStringList said;

    explicit Heard(LoggerSession &session)
    {
        QObject::connect(&session, &LoggerSession::settingsChanged, &session, [this](const ProgramSettings &settings) {
            said << "settings port " + settings.program.port.text() + " SV " + settings.program.sv.text();
        });
        QObject::connect(&session, &LoggerSession::portIntentChanged, &session,
                         [this](const PortIntent &intent) { said << "port " + intentText(intent); });
        QObject::connect(&session, &LoggerSession::loggingChanged, &session,
                         [this](bool on) { said << (on ? "logging on" : "logging off"); });
    }
};
} // namespace

class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void dialogsTakeThePortAndGiveItBack_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("savedPort"); // empty: the dialog saves nothing
        QTest::addColumn<QStringList>("said");
        QTest::newRow("Program Setup saves 24 V")
            << "setup"
            << "1" << QStringList{"port held Program Setup", "settings port 1 SV 24", "port open"};
        QTest::newRow("Abort in Program Setup: no port")
            << "setup"
            << "0" << QStringList{"port held Program Setup", "settings port 0 SV 24", "port no port"};
        QTest::newRow("Calibration gives the port back")
            << "calibration"
            << "" << QStringList{"port held Calibration", "settings port 1 SV 12", "port open"};
    }
    void dialogsTakeThePortAndGiveItBack()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, savedPort);
        ModelRig rig;
        rig.folder.writeProgramConfig("1");
        rig.folder.writeCalibration();
        rig.model.startUp();
        QCOMPARE(rig.session.portIntent().kind, PortIntent::Kind::Open);
        const auto save = [&] {
            if (savedPort.isEmpty())
                return;
            rig.folder.writeProgramConfig(savedPort);
            rig.folder.write("prog.cfg", rig.folder.read("prog.cfg").replace("<SV>12</SV>", "<SV>24</SV>"));
        };
        rig.prompts.onSetup = [&](int) { save(); };
        rig.prompts.onCalibration = [&](int) { QVERIFY(!rig.link.isOpen()); };
        const Heard heard(rig.session);
        if (dialog == "setup")
            rig.model.setupClicked();
        else
            rig.model.calibrateClicked();
        QTEST(heard.said, "said");
        QCOMPARE(rig.link.isOpen(), rig.session.portIntent().meantOpen());
    }

    void savesAndHandEditsAreTakenWhenTheWindowAsks_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("linked"); // the file a link to one elsewhere, edited by a rename
        for (const bool linked : {false, true}) {
            const char *how = linked ? ", linked, renamed over" : ", edited in place";
            QTest::addRow("Program Setup%s", how) << "setup"
                                                  << "prog.cfg"
                                                  << "LogDelay" << linked;
            QTest::addRow("Calibration%s", how) << "calibration"
                                                << "settings.cfg"
                                                << "VoltDivider" << linked;
        }
    }
    void savesAndHandEditsAreTakenWhenTheWindowAsks()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, file);
        QFETCH(QString, tag);
        QFETCH(bool, linked);
        ProgramFolder folder;
        folder.writeProgramConfig("1");
        folder.writeCalibration();
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(file);
        if (linked) {
            QVERIFY(QFile::rename(folder.file(file), target));
            QVERIFY(QFile::link(target, folder.file(file)));
        }
        FakeSerialLink link;
        FakeClock clock;
        RecordingView view;
        ScriptedPrompts prompts;
        LoggerParts logger(folder.path(), link, clock, view, Attendance::Attended);
        MainWindowModel model(logger.session, logger.problems, view, prompts);
        model.startUp();
        const bool setup = dialog == "setup";
        const auto taken = [&] {
            const ProgramSettings &settings = logger.session.settings();
            return setup ? settings.program.logDelay.text() : settings.calibration.voltDivider.text();
        };
        const auto saveOnce = [&](int run) {
            if (run > 1)
                return;
            if (setup) {
                ProgramSetupModel setupModel(logger.settings, prompts);
                SetupForm form = setupModel.load();
                form.logDelay = "30";
                QVERIFY(setupModel.save(form));
            } else {
                QVERIFY(
                    logger.settings.saveCalibration({QStringLiteral("30"), QStringLiteral("512"), QStringLiteral("20"),
                                                     QStringLiteral("4"), QStringLiteral("2")}));
            }
        };
        prompts.onSetup = saveOnce;
        prompts.onCalibration = saveOnce;
        const auto runDialog = [&] { setup ? model.setupClicked() : model.calibrateClicked(); };
        runDialog();
        QCOMPARE(taken(), QStringLiteral("30"));
        // An edit by hand, taken when the next dialog closes however it was made, and although
        // the watcher has not had a moment to hear of it (nor ever would, through the link).
        const QByteArray key = tag.toLatin1();
        const QByteArray edited = folder.read(file).replace("<" + key + ">30<", "<" + key + ">45<");
        if (linked) {
            QFile replacement(target + ".new");
            QVERIFY(replacement.open(QIODevice::WriteOnly));
            replacement.write(edited);
            replacement.close();
            QVERIFY(::rename(QFile::encodeName(replacement.fileName()), QFile::encodeName(target)) == 0);
        } else {
            folder.write(file, edited);
        }
        QCOMPARE(taken(), QStringLiteral("30"));
        runDialog();
        QCOMPARE(taken(), QStringLiteral("45"));
    }

    void portThatWillNotOpenIsMeantOpenUntilTheUserIsAsked()
    {
        ModelRig rig;
        rig.folder.writeProgramConfig("5");
        rig.folder.writeCalibration();
        QStringList intents;
        rig.prompts.onSetup = [&](int) {
            intents << intentText(rig.session.portIntent()).section(u' ', 0, 0);
            rig.folder.writeProgramConfig("0");
        };
        const Heard heard(rig.session);
        rig.model.startUp();
        // Failed while the message waits for somebody (a silent board is still news), held by the
        // dialog, then no port after Abort.
        QCOMPARE(heard.said.filter(QRegularExpression("^port ")),
                 (QStringList{"port failed No serial device for port 5", "port held Program Setup", "port no port"}));
        QCOMPARE(intents, QStringList{"held"});
    }

    void wallClockJumpsNeitherRaiseNorHideAlarms_data()
    {
        QTest::addColumn<int>("jumpSeconds");
        QTest::newRow("set forward an hour (a time server at boot)") << 3600;
        QTest::newRow("set back an hour") << -3600;
    }
    void wallClockJumpsNeitherRaiseNorHideAlarms()
    {
        QFETCH(int, jumpSeconds);
        ModelRig rig;
        rig.clock.set(kStart);
        rig.folder.writeProgramConfig("1", "1", "60");
        rig.folder.writeCalibration();
        rig.folder.write("alarms.cfg", "<Delay>10</Delay><NoData>120</NoData>");
        AlarmService alarms(rig.session, rig.clock, rig.problems, AlarmSettings::readFile(rig.folder.path()));
        QSignalSpy changes(&alarms, &AlarmService::changed);
        rig.model.startUp();
        rig.push({kLowFrame});
        rig.clock.setWallClock(kStart.addSecs(jumpSeconds));
        alarms.monitor().checkSilence();
        QCOMPARE(changes.size(), 0); // no silence of an hour made up by the jump
        rig.clock.advance(10'000);
        rig.push({kLowFrame});
        QCOMPARE(changes.size(), 1); // held for its 10 seconds, whichever way the clock went
        QCOMPARE(changes.at(0).at(0).value<AlarmChange>().text(), QString("LowVolts  raised  11.50 V"));
        const double before = rig.core.energy.total();
        rig.core.energy.tick();
        QVERIFY(rig.core.energy.total() > before); // the power is fresh: it was measured just now
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
