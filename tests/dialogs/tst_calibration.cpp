// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorreporter.h"
#include "app/mainwindowmodel.h"
#include "boardprocess.h"
#include "dialogs/calibration/ui/calibrate.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "filesizelimit.h"
#include "platform/qserialportlink.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "recordingview.h"
#include "screenreader.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"
#include "sessionprobe.h"
#include "settings/settingsstore.h"
#include "text/failure.h"

#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace Brolant;

namespace {
// The dialog over a temporary program folder, on a fake port the test feeds.
struct Dialog
{
    ProgramFolder folder;
    FakeSerialLink link;
    CalibrationSession session;
    ScriptedPrompts messages;
    std::optional<SettingsStore> store;
    std::unique_ptr<Calibrate> dialog;

    explicit Dialog(const QByteArray &settings = "Calibration Settings\r\n\r\n\r\n<VoltDivider>50</VoltDivider>\r\n"
                                                 "<VoltOffset>0</VoltOffset>\r\n<AmpDivider>10</AmpDivider>\r\n"
                                                 "<RPMDivider>14</RPMDivider>\r\n<WSDivider>4</WSDivider>\r\n")
    {
        folder.writeProgramConfig("1", "0", "60", "1", "1", "1", "57600");
        folder.write("settings.cfg", settings);
        store.emplace(folder.path());
        dialog = std::make_unique<Calibrate>(*store, link, session, messages);
        QVERIFY(dialog->openPort());
        dialog->show();
    }
    QString text(const char *name) const { return dialog->findChild<QWidget *>(name)->property("text").toString(); }
    void type(const char *name, const QString &text) const { dialog->findChild<QLineEdit *>(name)->setText(text); }
    void click(const char *name) const { QTest::mouseClick(dialog->findChild<QPushButton *>(name), Qt::LeftButton); }
};
} // namespace

class CalibrationTest : public QObject
{
    Q_OBJECT

private slots:
    void opensThePortAndFillsTheBoxes();
    void frames_data();
    void frames();
    void windSpeedKeptWhenItsDivisorIsUnusable();
    void zeroAndSaveByteForByte();
    void failedSaveKeepsTheDialogAndTheFile();
    void openingFailsWithoutTheFiles();
    void calibrateButton_data();
    void calibrateButton();
    void boardValuesShowInTheDialog();
    void unpluggedPinnedBoardIsNoOtherDevice();
    void screenReaderHearsWhatIsShown();
    void valuesShownWhole_data();
    void valuesShownWhole();
};

void CalibrationTest::opensThePortAndFillsTheBoxes()
{
    Dialog d("<VoltDivider>50</VoltDivider><VoltOffset>512</VoltOffset><AmpDivider>0.0500</AmpDivider>"
             "<RPMDivider>4</RPMDivider><WSDivider>2</WSDivider>");
    QCOMPARE(d.link.openings.size(), 1);
    QCOMPARE(d.link.openings[0].baud, 57600);
    QCOMPARE(d.text("BatteryCurrent"), QStringLiteral("0.05"));
    QCOMPARE(d.text("OffsetV"), QStringLiteral("512"));
    QCOMPARE(d.text("Label23"), QStringLiteral("How many pulses per m/s?"));
    d.dialog->reject();
    QVERIFY(!d.link.isOpen()); // closing by any path frees the port
}

void CalibrationTest::frames_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QStringList>("divisors"); // volts, amps, rpm, wind
    QTest::addColumn<QStringList>("shown");    // raw V, I, R, S, then volts, amps, rpm, wind

    const QStringList usual{"50", "10", "14", "4"};
    QTest::newRow("the worked frame") << QList<QByteArray>{"[<V>650</V><I>100</I><R>28</R><S>40</S>]"} << usual
                                      << QStringList{"650",      "100",     "28",      "40",
                                                     "13 Volts", "10 Amps", "120 RPM", "10 m/s"};
    QTest::newRow("split: shown when ] arrives")
        << QList<QByteArray>{"[<V>650</V>", "<I>100</I>]"} << usual
        << QStringList{"650", "100", "", "", "13 Volts", "10 Amps", "0 RPM", "0 m/s"};
    QTest::newRow("tail and start of the next")
        << QList<QByteArray>{"<S>40</S>][<V>13"} << usual
        << QStringList{"0", "0", "", "40", "0 Volts", "0 Amps", "0 RPM", "10 m/s"};
    QTest::newRow("no ] yet: nothing changes")
        << QList<QByteArray>{"[<V>650</V><I>100</I>"} << usual << QStringList{"0", "0", "0", "0", "", "", "", ""};
    QTest::newRow("rpm divisor empty") << QList<QByteArray>{"[<R>28</R>]"} << QStringList{"50", "10", "", "4"}
                                       << QStringList{"0", "0", "28", "", "0 Volts", "0 Amps", "1 RPM", "0 m/s"};
    QTest::newRow("rpm divisor 0, volts -50, amps -10")
        << QList<QByteArray>{"[<V>650</V><I>100</I><R>28</R>]"} << QStringList{"-50", "-10", "0", "4"}
        << QStringList{"650", "100", "28", "", "", "-10 Amps", "1 RPM", "0 m/s"};
    QTest::newRow("abc divisors keep the old text")
        << QList<QByteArray>{"[<V>650</V><I>100</I>]"} << QStringList{"abc", "abc", "abc", "abc"}
        << QStringList{"650", "100", "", "", "", "", "1 RPM", "0 m/s"};
    QTest::newRow("V abc is 0") << QList<QByteArray>{"[<V>abc</V>]"} << usual
                                << QStringList{"0", "0", "", "", "0 Volts", "0 Amps", "0 RPM", "0 m/s"};
    QTest::newRow("closing tag first is missing")
        << QList<QByteArray>{"[</V>650<V><I>105.555</I>]"} << usual
        << QStringList{"0", "105.56", "", "", "0 Volts", "10.56 Amps", "0 RPM", "0 m/s"};
}

void CalibrationTest::frames()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QStringList, divisors);
    QFETCH(QStringList, shown);
    Dialog d;
    const char *boxes[] = {"BatteryVolts", "BatteryCurrent", "PulseDivider", "Pulse2Divider"};
    for (int i = 0; i < 4; ++i)
        d.type(boxes[i], divisors[i]);
    for (const QByteArray &read : reads)
        d.link.push(read);
    const char *displays[] = {"txtBattV",         "txtShuntV",        "txtPulsess",     "txtPulsess2",
                              "txtBattVadjusted", "txtBattAadjusted", "txtWindmillRPM", "txtWindSpeed"};
    QStringList actual;
    for (const char *display : displays)
        actual << d.text(display);
    QCOMPARE(actual, shown);
}

void CalibrationTest::windSpeedKeptWhenItsDivisorIsUnusable()
{
    Dialog d;
    d.link.push("[<S>40</S>]");
    d.type("Pulse2Divider", "");
    d.link.push("[<S>80</S>]");
    QCOMPARE(d.text("txtWindSpeed"), QStringLiteral("10 m/s"));
    QCOMPARE(d.session.windSpeed, 10.0); // and it outlives the dialog for the run
}

void CalibrationTest::zeroAndSaveByteForByte()
{
    Dialog d;
    d.click("Command2"); // "Zero" before any frame
    QCOMPARE(d.text("OffsetV"), QStringLiteral("0"));
    d.link.push("[<V>650</V><I>511.996</I>]");
    d.click("Command2");
    QCOMPARE(d.text("OffsetV"), QStringLiteral("512"));
    d.type("BatteryVolts", "49.5");
    d.type("BatteryCurrent", " 20 ");
    d.type("PulseDivider", "abc");
    d.click("Command1");
    QCOMPARE(
        d.folder.read("settings.cfg"),
        QByteArray("Calibration Settings\r\n\r\n\r\n<VoltDivider>49.5</VoltDivider>\r\n<VoltOffset>512</VoltOffset>\r\n"
                   "<AmpDivider> 20 </AmpDivider>\r\n<RPMDivider>abc</RPMDivider>\r\n<WSDivider>4</WSDivider>\r\n"));
    QVERIFY(!d.dialog->isVisible());
    QVERIFY(!d.link.isOpen());
}

void CalibrationTest::failedSaveKeepsTheDialogAndTheFile()
{
    Dialog d;
    const QByteArray before = d.folder.read("settings.cfg");
    d.type("BatteryVolts", "51");
    {
        const FileSizeLimit diskFull(20);
        d.click("Command1");
    }
    QCOMPARE(d.folder.read("settings.cfg"), before);
    QCOMPARE(d.messages.messages.size(), 1);
    QVERIFY(d.dialog->isVisible());
}

void CalibrationTest::openingFailsWithoutTheFiles()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1");
    FakeSerialLink link;
    CalibrationSession session;
    ScriptedPrompts messages;
    SettingsStore store(folder.path());
    Calibrate dialog(store, link, session, messages);
    QVERIFY(!dialog.openPort()); // no settings.cfg
    QVERIFY(link.openings.isEmpty());
}

void CalibrationTest::calibrateButton_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("dialogFails");
    QTest::addColumn<bool>("reopened");
    QTest::addColumn<int>("setupRuns");
    QTest::newRow("reopens the port it had") << "1" << false << true << 0;
    QTest::newRow("port 0 stays closed") << "0" << false << false << 0;
    QTest::newRow("dialog cannot open: port problem") << "1" << true << true << 1;
}

void CalibrationTest::calibrateButton()
{
    QFETCH(QString, port);
    QFETCH(bool, dialogFails);
    ProgramFolder folder;
    folder.writeProgramConfig(port, "0", "60", "0", "0", "1", "9600");
    folder.writeCalibration();
    RecordingView view;
    FakeSerialLink link;
    FakeClock clock;
    ScriptedPrompts prompts;
    ProblemLog problems(clock);
    LoggerSession session(folder.path(), link, clock, problems, folder.programFiles());
    const LoggerCore &core = SessionProbe::core(session);
    ErrorReporter errors(folder.path(), clock, problems, view);
    errors.listenTo(session);
    MainWindowModel model(session, problems, view, prompts);
    model.startUp();
    prompts.onCalibration = [&](int) {
        QVERIFY(!link.isOpen());
        folder.write("settings.cfg", "<VoltDivider>25</VoltDivider><VoltOffset>0</VoltOffset>"
                                     "<AmpDivider>1</AmpDivider><RPMDivider>1</RPMDivider><WSDivider>1</WSDivider>");
    };
    prompts.calibrationOpens = [&](int run) -> Result<> {
        if (dialogFails && run == 1)
            return Failure{QStringLiteral("settings.cfg: no value for VoltDivider")};
        return {};
    };
    model.calibrateClicked();
    QCOMPARE(prompts.calibrationRuns, 1);
    QTEST(link.isOpen(), "reopened");
    QTEST(prompts.setupRuns, "setupRuns");
    QCOMPARE(folder.read("errorlog.txt").contains("port not available  settings.cfg: no value"), dialogFails);
    if (!dialogFails) {
        QCOMPARE(core.receiver.calibration().voltDivider, QStringLiteral("25"));
        QCOMPARE(view.error, QString());
        QCOMPARE(view.errorTone, ErrorTone::Cleared);
        QCOMPARE(view.status, QString());
    }
    if (QTest::currentDataTag() == QByteArray("reopens the port it had"))
        QCOMPARE(link.openings.last().baud, 9600);
}

void CalibrationTest::boardValuesShowInTheDialog()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "0", "60", "1", "1", "1", "9600");
    folder.writeCalibration();
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"),
                        {"--frame", "[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]", "--rate", "20"}));
    QSerialPortLink link(folder.path());
    CalibrationSession session;
    ScriptedPrompts messages;
    SettingsStore store(folder.path());
    Calibrate dialog(store, link, session, messages);
    QVERIFY(dialog.openPort());
    dialog.show();
    auto *volts = dialog.findChild<QLabel *>("txtBattVadjusted");
    QTRY_COMPARE_WITH_TIMEOUT(volts->text(), QStringLiteral("13 Volts"), 10000);
    QCOMPARE(dialog.findChild<QLabel *>("txtShuntV")->text(), QStringLiteral("577"));
    QCOMPARE(dialog.findChild<QLabel *>("txtBattAadjusted")->text(), QStringLiteral("3.25 Amps"));
    QCOMPARE(dialog.findChild<QLabel *>("txtWindmillRPM")->text(), QStringLiteral("300 RPM"));
    QCOMPARE(dialog.findChild<QLabel *>("txtWindSpeed")->text(), QStringLiteral("4.5 m/s"));
}

void CalibrationTest::unpluggedPinnedBoardIsNoOtherDevice()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1");
    folder.writeCalibration();
    QVERIFY(QFile::link(folder.file("board"), folder.file("COM1"))); // the board is not plugged in
    QSerialPortLink link(folder.path());
    CalibrationSession session;
    ScriptedPrompts messages;
    SettingsStore store(folder.path());
    Calibrate dialog(store, link, session, messages);
    const Result<> opened = dialog.openPort();
    QVERIFY2(!opened, "the dialog opened another device");
    QVERIFY2(opened.failure().description.startsWith(folder.file("COM1") + " links to " + folder.file("board")),
             qPrintable(opened.failure().description));
    QVERIFY(!link.isOpen());
}

void CalibrationTest::screenReaderHearsWhatIsShown()
{
    // An offset in settings.cfg that reads as rich text is shown as it is in the file.
    Dialog d("<VoltDivider>50</VoltDivider><VoltOffset><i>0</VoltOffset><AmpDivider>10</AmpDivider>"
             "<RPMDivider>14</RPMDivider><WSDivider>4</WSDivider>");
    d.link.push("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]");
    QCOMPARE(d.text("txtBattVadjusted"), QStringLiteral("13 Volts"));
    QCOMPARE(d.text("OffsetV"), QStringLiteral("<i>0"));
    QCOMPARE(d.text("Label15"), QStringLiteral("ie, for a 14 pulse generator, type in 14."));
    QCOMPARE(controlsHeardWrong(*d.dialog).join("; "), QString());
    // Each divisor box is heard by the heading of its step.
    const QList<QPair<const char *, const char *>> heard{{"BatteryVolts", "Step 1. Set Voltage"},
                                                         {"BatteryCurrent", "Step 2. Set Current"},
                                                         {"PulseDivider", "Step 3. Set RPM"},
                                                         {"Pulse2Divider", "Step 4. Set Wind Speed"}};
    for (const auto &[objectName, name] : heard)
        QCOMPARE(
            QAccessible::queryAccessibleInterface(d.dialog->findChild<QWidget *>(objectName))->text(QAccessible::Name),
            QString(name));
}

void CalibrationTest::valuesShownWhole_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("large readings") << QByteArray(
        "[<V>123456789</V><I>987654321.5</I><R>123456789</R><S>987654321</S>]");
    QTest::newRow("negative fractions") << QByteArray(
        "[<V>-1234567.891</V><I>-7654321.987</I><R>-12345.678</R><S>-98765.4321</S>]");
}

void CalibrationTest::valuesShownWhole()
{
    QFETCH(QByteArray, frame);
    Dialog d;
    d.link.push(frame);
    QCOMPARE(d.text("txtBattVadjusted").right(6), QStringLiteral(" Volts"));
    d.dialog->layout()->activate();
    QStringList cut;
    for (QLabel *label : d.dialog->findChildren<QLabel *>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (label->contentsRect().width() < needed)
            cut << QStringLiteral("%1 \"%2\" (%3 of %4 pixels)")
                       .arg(label->objectName(), label->text())
                       .arg(label->contentsRect().width())
                       .arg(needed);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
}

QTEST_MAIN(CalibrationTest)
#include "tst_calibration.moc"
