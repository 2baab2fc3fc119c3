// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/setup/setupform.h"
#include "dialogs/setup/ui/programsetup.h"
#include "filesizelimit.h"
#include "programfolder.h"
#include "screenreader.h"
#include "scriptedprompts.h"
#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <optional>

using namespace Brolant;

namespace {
const QString kBadPort = QStringLiteral(
    "There is a bad number for Port Number. Must be between 1 and 8 ( 1 or 2 most common )");

const QByteArray kSaved("Program Config File\r\n\r\n<Port>1</Port>\r\n<Savehtml>0</Savehtml>\r\n"
                        "<SaveExcel>0</SaveExcel>\r\n<LogDelay>60</LogDelay>\r\n<LogOn>0</LogOn>\r\n"
                        "<DisplayRPM>0</DisplayRPM>\r\n<DisplayWS>0</DisplayWS>\r\n"
                        "<WSUnits>m/s</WSUnits>\r\n<SV>12</SV>\r\n<MA>20</MA>\r\n<BR>4800</BR>\r\n"
                        "<dispMessages>1</dispMessages>\r\n\r\n");

// The dialog shown offscreen over a temporary program folder.
struct Dialog
{
    ProgramFolder folder;
    ScriptedPrompts messages;
    std::optional<SettingsStore> store; // made at the first opening, once the test wrote its files
    std::unique_ptr<ProgramSetup> dialog;

    void open()
    {
        if (!store)
            store.emplace(folder.path());
        dialog = std::make_unique<ProgramSetup>(*store, messages);
        dialog->show();
    }
    template <typename T>
    T *find(const char *name) const
    {
        auto *widget = dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void click(const char *name) const { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    void type(const char *name, const QString &text) const
    {
        auto *edit = find<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QByteArray file() const { return folder.read("prog.cfg"); }
};
} // namespace

class ProgramSetupTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheFileValues();
    void saveWritesTheLayoutByteForByte();
    void savingTwiceWritesTheSameBytes();
    void edits_data();
    void edits();
    void badPortKeepsTheDialogOpen_data();
    void badPortKeepsTheDialogOpen();
    void abortSavesPortZeroWithEdits();
    void frameCloseWritesNothing();
    void unknownOptionsFallBackToDesign();
    void greyedBoxWrittenBackAsTwo_data();
    void greyedBoxWrittenBackAsTwo();
    void brokenFieldKeepsEveryOtherValue_data();
    void brokenFieldKeepsEveryOtherValue();
    void abortClosesEvenWhenNothingCanBeWritten();
    void controlsHeardByTheirLabels();
    void missingFileOpensWithDesignValues();
    void failedWriteKeepsTheOldFile();
    void portDeviceIsNamed();
};

void ProgramSetupTest::opensWithTheFileValues()
{
    Dialog d;
    d.folder.writeProgramConfig("2", "1", "30", "1", "0", "0", "57600");
    d.open();
    QCOMPARE(d.dialog->windowTitle(), QStringLiteral("Brolant Setup"));
    QCOMPARE(d.find<QLineEdit>("PortNumber")->text(), QStringLiteral("2"));
    QCOMPARE(d.find<QLineEdit>("LogDelay")->text(), QStringLiteral("30"));
    QCOMPARE(d.find<QLineEdit>("WSUnits")->text(), QStringLiteral("m/s"));
    QVERIFY(d.find<QCheckBox>("LogOn")->isChecked());
    QVERIFY(d.find<QCheckBox>("DisplayRPM")->isChecked());
    QVERIFY(!d.find<QCheckBox>("DisplayMessages")->isChecked());
    QVERIFY(d.find<QRadioButton>("Option1")->isChecked());
    QVERIFY(d.find<QRadioButton>("Option5")->isChecked());
    QVERIFY(d.find<QRadioButton>("Option10")->isChecked());
    QVERIFY(d.find<QLabel>("LoadProblem")->isHidden());
}

void ProgramSetupTest::saveWritesTheLayoutByteForByte()
{
    Dialog d;
    d.folder.writeProgramConfig("1");
    d.open();
    d.click("Command1");
    QCOMPARE(d.file(), kSaved);
    QCOMPARE(d.dialog->result(), int(QDialog::Accepted));
    QVERIFY(d.messages.messages.isEmpty());
}

void ProgramSetupTest::savingTwiceWritesTheSameBytes()
{
    Dialog d;
    d.folder.writeProgramConfig("1");
    d.open();
    d.click("Command1");
    d.open();
    d.click("Command1");
    QCOMPARE(d.file(), kSaved);
}

void ProgramSetupTest::edits_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text"); // typed, or empty to click the control
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");

    QTest::newRow("port 9 written without complaint") << "PortNumber"
                                                      << "9" << QByteArray("<Port>1<") << QByteArray("<Port>9<");
    QTest::newRow("port with blanks kept") << "PortNumber"
                                           << " 2 " << QByteArray("<Port>1<") << QByteArray("<Port> 2 <");
    QTest::newRow("port 1.5 passes") << "PortNumber"
                                     << "1.5" << QByteArray("<Port>1<") << QByteArray("<Port>1.5<");
    QTest::newRow("interval as typed") << "LogDelay"
                                       << "abc" << QByteArray(">60<") << QByteArray(">abc<");
    QTest::newRow("units as typed") << "WSUnits"
                                    << "km/h " << QByteArray(">m/s<") << QByteArray(">km/h <");
    QTest::newRow("tick Save HTML") << "Savehtml"
                                    << "" << QByteArray("<Savehtml>0<") << QByteArray("<Savehtml>1<");
    QTest::newRow("tick Excel") << "SaveExcel"
                                << "" << QByteArray("<SaveExcel>0<") << QByteArray("<SaveExcel>1<");
    QTest::newRow("clear messages") << "DisplayMessages"
                                    << "" << QByteArray("<dispMessages>1<") << QByteArray("<dispMessages>0<");
    QTest::newRow("48 volts") << "Option3"
                              << "" << QByteArray("<SV>12<") << QByteArray("<SV>48<");
    QTest::newRow("50 amps") << "Option6"
                             << "" << QByteArray("<MA>20<") << QByteArray("<MA>50<");
    QTest::newRow("9600 baud") << "Option9"
                               << "" << QByteArray("<BR>4800<") << QByteArray("<BR>9600<");
}

void ProgramSetupTest::edits()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    Dialog d;
    d.folder.writeProgramConfig("1");
    d.open();
    const QByteArray name = control.toLatin1();
    if (text.isEmpty())
        d.click(name.constData());
    else
        d.type(name.constData(), text);
    d.click("Command1");
    QCOMPARE(d.file(), QByteArray(kSaved).replace(from, to));
}

void ProgramSetupTest::badPortKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("empty") << "";
    QTest::newRow("COM1") << "COM1";
    QTest::newRow("two numbers") << "1 2";
}

void ProgramSetupTest::badPortKeepsTheDialogOpen()
{
    QFETCH(QString, port);
    Dialog d;
    d.folder.writeProgramConfig("1");
    d.open();
    d.find<QLineEdit>("PortNumber")->setText(port);
    d.click("Command1");
    QCOMPARE(d.messages.messages, QStringList{kBadPort});
    QVERIFY(d.dialog->isVisible());
    QCOMPARE(d.file(), kSaved);
}

void ProgramSetupTest::abortSavesPortZeroWithEdits()
{
    Dialog d;
    d.folder.writeProgramConfig("1");
    d.open();
    d.type("LogDelay", "30");
    d.click("Command2");
    QCOMPARE(d.file(), QByteArray(kSaved).replace("<Port>1<", "<Port>0<").replace(">60<", ">30<"));
    QCOMPARE(d.dialog->result(), int(ProgramSetup::Aborted));
}

void ProgramSetupTest::frameCloseWritesNothing()
{
    Dialog d;
    d.folder.writeProgramConfig("1");
    d.open();
    d.type("PortNumber", "3");
    d.dialog->close();
    QCOMPARE(d.file(), kSaved);
    QCOMPARE(d.dialog->result(), int(QDialog::Rejected));
}

void ProgramSetupTest::unknownOptionsFallBackToDesign()
{
    Dialog d;
    d.folder.write("prog.cfg", QByteArray(kSaved)
                                   .replace("<SV>12<", "<SV>36<")
                                   .replace("<BR>4800<", "<BR>19200<")
                                   .replace("<MA>20<", "<MA>010<"));
    d.open();
    QVERIFY(d.find<QRadioButton>("Option2")->isChecked());
    QVERIFY(d.find<QRadioButton>("Option4")->isChecked());
    QVERIFY(d.find<QRadioButton>("Option8")->isChecked());
    d.click("Command1");
    QCOMPARE(d.file(), QByteArray(kSaved).replace("<SV>12<", "<SV>24<").replace("<MA>20<", "<MA>10<"));
}

void ProgramSetupTest::greyedBoxWrittenBackAsTwo_data()
{
    QTest::addColumn<QByteArray>("way");
    for (const char *way : {"mouse", "space bar", "Toggle"})
        QTest::newRow(way) << QByteArray(way);
}

void ProgramSetupTest::greyedBoxWrittenBackAsTwo()
{
    QFETCH(QByteArray, way);
    Dialog d;
    d.folder.write("prog.cfg",
                   QByteArray(kSaved).replace("<LogOn>0<", "<LogOn>2<").replace("<SaveExcel>0<", "<SaveExcel>2<"));
    d.open();
    QCOMPARE(d.find<QCheckBox>("LogOn")->checkState(), Qt::PartiallyChecked);
    // The user touches one of the two, whichever way: a greyed box is then ticked.
    QVERIFY(changeBy(d.find<QCheckBox>("SaveExcel"), way));
    d.click("Command1");
    QCOMPARE(d.file(), QByteArray(kSaved).replace("<LogOn>0<", "<LogOn>2<").replace("<SaveExcel>0<", "<SaveExcel>1<"));
}

void ProgramSetupTest::brokenFieldKeepsEveryOtherValue_data()
{
    QTest::addColumn<QString>("brokenTag"); // the field whose value is no number
    for (const char *tag :
         {"Savehtml", "SaveExcel", "LogOn", "DisplayRPM", "DisplayWS", "SV", "MA", "BR", "dispMessages"})
        QTest::newRow(tag) << QString(tag);
}

void ProgramSetupTest::brokenFieldKeepsEveryOtherValue()
{
    QFETCH(QString, brokenTag);
    // No value equals the dialog's design value, so each line tells whether it was read.
    struct Field
    {
        QString tag, inFile, design;
    };
    const QList<Field> fields{{"Port", "3", ""},        {"Savehtml", "1", "0"},  {"SaveExcel", "1", "0"},
                              {"LogDelay", "30", "60"}, {"LogOn", "1", "0"},     {"DisplayRPM", "1", "0"},
                              {"DisplayWS", "1", "0"},  {"WSUnits", "km/h", ""}, {"SV", "12", "24"},
                              {"MA", "50", "20"},       {"BR", "9600", "4800"},  {"dispMessages", "1", "0"}};
    QString file = "Program Config File\r\n\r\n", expected = file;
    for (const Field &field : fields) {
        const bool broken = field.tag == brokenTag;
        file += QStringLiteral("<%1>%2</%1>\r\n").arg(field.tag, broken ? "x" : field.inFile);
        expected += QStringLiteral("<%1>%2</%1>\r\n").arg(field.tag, broken ? field.design : field.inFile);
    }
    Dialog d;
    d.folder.write("prog.cfg", file.toLatin1());
    d.open();
    QVERIFY(d.find<QLabel>("LoadProblem")->text().contains(brokenTag));
    d.click("Command1");
    QCOMPARE(d.file(), (expected + "\r\n").toLatin1());
}

void ProgramSetupTest::abortClosesEvenWhenNothingCanBeWritten()
{
    Dialog d;
    d.folder.writeProgramConfig("7");
    d.open();
    {
        const FileSizeLimit diskFull(16);
        d.click("Command2");
    }
    QCOMPARE(d.messages.messages.size(), 1);
    QVERIFY(d.messages.messages.first().startsWith("The settings could not be saved, and prog.cfg is unchanged."));
    QVERIFY(!d.dialog->isVisible());
    QCOMPARE(d.dialog->result(), int(ProgramSetup::Aborted));
    QVERIFY(d.file().contains("<Port>7</Port>"));
}

void ProgramSetupTest::controlsHeardByTheirLabels()
{
    Dialog d;
    d.folder.writeProgramConfig("1");
    d.open();
    const QList<QPair<const char *, const char *>> heard{{"PortNumber", "Com port"},
                                                         {"Savehtml", "Save HTML page?"},
                                                         {"SaveExcel", "Save Excel File?"},
                                                         {"LogDelay", "Default Logging Interval"},
                                                         {"LogOn", "Start Logger Automatically?"},
                                                         {"DisplayRPM", "Display RPM?"},
                                                         {"DisplayMessages", "Display messages"},
                                                         {"DisplayWS", "Display Wind Speed?"},
                                                         {"WSUnits", "Wind Speed Units"}};
    for (const auto &[objectName, name] : heard)
        QCOMPARE(QAccessible::queryAccessibleInterface(d.find<QWidget>(objectName))->text(QAccessible::Name),
                 QString(name));
}

void ProgramSetupTest::missingFileOpensWithDesignValues()
{
    Dialog d;
    d.open();
    QVERIFY(!d.find<QLabel>("LoadProblem")->isHidden());
    QCOMPARE(d.find<QLineEdit>("PortNumber")->text(), QString());
    QCOMPARE(d.find<QLineEdit>("LogDelay")->text(), QStringLiteral("60"));
    QVERIFY(d.find<QRadioButton>("Option2")->isChecked());
    QVERIFY(d.find<QRadioButton>("Option5")->isChecked());
    QVERIFY(d.find<QRadioButton>("Option8")->isChecked());
    d.type("PortNumber", "1");
    d.click("Command1");
    QCOMPARE(d.file(), QByteArray("Program Config File\r\n\r\n<Port>1</Port>\r\n<Savehtml>0</Savehtml>\r\n"
                                  "<SaveExcel>0</SaveExcel>\r\n<LogDelay>60</LogDelay>\r\n<LogOn>0</LogOn>\r\n"
                                  "<DisplayRPM>0</DisplayRPM>\r\n<DisplayWS>0</DisplayWS>\r\n"
                                  "<WSUnits></WSUnits>\r\n<SV>24</SV>\r\n<MA>20</MA>\r\n<BR>4800</BR>\r\n"
                                  "<dispMessages>0</dispMessages>\r\n\r\n"));
}

void ProgramSetupTest::failedWriteKeepsTheOldFile()
{
    Dialog d;
    d.folder.writeProgramConfig("1");
    d.open();
    d.type("PortNumber", "2");
    {
        const FileSizeLimit diskFull(16);
        d.click("Command1");
    }
    QCOMPARE(d.file(), kSaved);
    QCOMPARE(d.messages.messages.size(), 1);
    QVERIFY(d.messages.messages.first().startsWith("The settings could not be saved, and prog.cfg is unchanged."));
    QVERIFY(d.dialog->isVisible());
    d.click("Command1");
    QCOMPARE(d.file(), QByteArray(kSaved).replace("<Port>1<", "<Port>2<"));
}

void ProgramSetupTest::portDeviceIsNamed()
{
    Dialog d;
    d.folder.writeProgramConfig("1");
    // A device whose name reads as rich text is named, and read out, as it is.
    d.folder.write("<i>device", "");
    QVERIFY(QFile::link(d.folder.file("<i>device"), d.folder.file("COM3")));
    d.open();
    auto *device = d.find<QLabel>("PortDevice");
    d.type("PortNumber", "99");
    QCOMPARE(device->text(), QStringLiteral("port 99: no such device"));
    d.type("PortNumber", "3");
    QCOMPARE(device->text(),
             QStringLiteral("port 3 opens %1").arg(QFileInfo(d.folder.file("<i>device")).canonicalFilePath()));
    QCOMPARE(controlsHeardWrong(*d.dialog).join("; "), QString());
    d.type("PortNumber", "0");
    QCOMPARE(device->text(), QStringLiteral("0: no serial port"));
    d.type("PortNumber", "x");
    QCOMPARE(device->text(), QStringLiteral("not a port number"));
}

QTEST_MAIN(ProgramSetupTest)
#include "tst_programsetup.moc"
