// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/calibrationsettings.h"
#include "config/configreading.h"
#include "config/programconfig.h"
#include "config/tagvalue.h"
#include "dialogs/setup/setupform.h"
#include "filesizelimit.h"
#include "platform/textfile.h"
#include "programfolder.h"
#include "text/failure.h"

#include <QFile>
#include <QTest>

using namespace Brolant;

class ConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void programConfigLayout();
    void calibrationLayout();
    void setupFormReadsEveryValueItCan_data();
    void setupFormReadsEveryValueItCan();
    void readRefusesMissingAndHugeFiles();
    void failedWriteKeepsOldFile();
    void failedAppendLeavesNoHalfLine();
    void appendEndsATornLineFirst_data();
    void appendEndsATornLineFirst();
};

void ConfigTest::lookup_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << "<Port>1</Port>"
                           << "Port" << true << "1";
    QTest::newRow("empty value") << "<WSUnits></WSUnits>"
                                 << "WSUnits" << true << "";
    QTest::newRow("trailing blank kept") << "<WSUnits>m/s </WSUnits>"
                                         << "WSUnits" << true << "m/s ";
    QTest::newRow("first of two wins") << "<LogDelay>30</LogDelay>\r\n<LogDelay>60</LogDelay>"
                                       << "LogDelay" << true << "30";
    QTest::newRow("other order, LF only, no header") << "<BR>9600</BR>\n<Port>2</Port>\n"
                                                     << "Port" << true << "2";
    QTest::newRow("case-sensitive") << "<port>1</port>"
                                    << "Port" << false << "";
    QTest::newRow("closing tag missing") << "<Port>1"
                                         << "Port" << false << "";
    QTest::newRow("both missing") << "garbage"
                                  << "Port" << false << "";
    QTest::newRow("opening tag missing") << "1</Port>"
                                         << "Port" << false << "";
    QTest::newRow("closing before opening") << "</Port>1<Port>"
                                            << "Port" << false << "";
    QTest::newRow("value with a line end") << "<WSUnits>a\r\nb</WSUnits>"
                                           << "WSUnits" << true << "a\r\nb";
    QTest::newRow("binary bytes around") << QString::fromLatin1("\x01\xff<SV>12</SV>\x00", 14) << "SV" << true << "12";
    QTest::newRow("prefix of another key") << "<PortX>5</PortX><Port>1</Port>"
                                           << "Port" << true << "1";
}

void ConfigTest::lookup()
{
    QFETCH(QString, content);
    QFETCH(QString, key);
    QFETCH(bool, found);
    QFETCH(QString, value);
    const auto result = tagValue(content, key);
    QCOMPARE(result.has_value(), found);
    if (found)
        QCOMPARE(*result, value);
}

void ConfigTest::programConfigLayout()
{
    ProgramConfig config;
    config.port = QStringLiteral(" 2 ");
    config.savehtml = QStringLiteral("1");
    config.saveExcel = QStringLiteral("2");
    config.logDelay = QStringLiteral("30");
    config.logOn = QStringLiteral("0");
    config.displayRpm = QStringLiteral("1");
    config.displayWs = QStringLiteral("0");
    config.wsUnits = QStringLiteral("km/h");
    config.sv = QStringLiteral("24");
    config.ma = QStringLiteral("20");
    config.br = QStringLiteral("4800");
    config.dispMessages = QStringLiteral("1");
    QCOMPARE(config.toFileText().toLatin1(),
             QByteArray("Program Config File\r\n\r\n<Port> 2 </Port>\r\n<Savehtml>1</Savehtml>\r\n"
                        "<SaveExcel>2</SaveExcel>\r\n<LogDelay>30</LogDelay>\r\n<LogOn>0</LogOn>\r\n"
                        "<DisplayRPM>1</DisplayRPM>\r\n<DisplayWS>0</DisplayWS>\r\n"
                        "<WSUnits>km/h</WSUnits>\r\n<SV>24</SV>\r\n<MA>20</MA>\r\n<BR>4800</BR>\r\n"
                        "<dispMessages>1</dispMessages>\r\n\r\n"));
}

void ConfigTest::calibrationLayout()
{
    const CalibrationSettings settings{QStringLiteral("50"), QStringLiteral("512"), QStringLiteral("0.05"),
                                       QStringLiteral("4"), QStringLiteral("")};
    QCOMPARE(settings.toFileText().toLatin1(),
             QByteArray("Calibration Settings\r\n\r\n\r\n<VoltDivider>50</VoltDivider>\r\n"
                        "<VoltOffset>512</VoltOffset>\r\n<AmpDivider>0.05</AmpDivider>\r\n"
                        "<RPMDivider>4</RPMDivider>\r\n<WSDivider></WSDivider>\r\n"));
}

void ConfigTest::setupFormReadsEveryValueItCan_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("logDelay");
    QTest::addColumn<int>("logOn");
    QTest::addColumn<int>("sv");
    QTest::addColumn<int>("br");

    const QString all = QStringLiteral(
        "<Port>3</Port><Savehtml>1</Savehtml><SaveExcel>0</SaveExcel><LogDelay>30</LogDelay>"
        "<LogOn>1</LogOn><DisplayRPM>0</DisplayRPM><DisplayWS>0</DisplayWS><WSUnits>x</WSUnits>"
        "<SV>12</SV><MA>50</MA><BR>57600</BR><dispMessages>1</dispMessages>");
    QTest::newRow("everything read") << all << true << "3"
                                     << "30" << 1 << 12 << 57600;
    QTest::newRow("unknown voltage keeps 24") << QString(all).replace("<SV>12</SV>", "<SV>36</SV>") << true << "3"
                                              << "30" << 1 << 24 << 57600;
    QTest::newRow("unknown baud keeps 4800") << QString(all).replace("<BR>57600</BR>", "<BR>19200</BR>") << true << "3"
                                             << "30" << 1 << 12 << 4800;
    QTest::newRow("numeric comparison: 012 is 12") << QString(all).replace("<SV>12</SV>", "<SV>012</SV>") << true << "3"
                                                   << "30" << 1 << 12 << 57600;
    QTest::newRow("a broken LogOn keeps the rest")
        << QString(all).replace("<LogOn>1</LogOn>", "<LogOn>7</LogOn>") << false << "3"
        << "30" << 0 << 12 << 57600;
    QTest::newRow("a missing closing tag keeps the rest") << QString(all).replace("</LogDelay>", "") << false << "3"
                                                          << "60" << 1 << 12 << 57600;
    QTest::newRow("greyed box kept as 2") << QString(all).replace("<LogOn>1</LogOn>", "<LogOn>2</LogOn>") << true << "3"
                                          << "30" << 2 << 12 << 57600;
    QTest::newRow("SV not a number keeps the rest")
        << QString(all).replace("<SV>12</SV>", "<SV>abc</SV>") << false << "3"
        << "30" << 1 << 24 << 57600;
}

void ConfigTest::setupFormReadsEveryValueItCan()
{
    QFETCH(QString, content);
    QFETCH(bool, complete);
    SetupForm form;
    QCOMPARE(bool(form.readFrom(ProgramConfig::fromText(content))), complete);
    QTEST(form.port, "port");
    QTEST(form.logDelay, "logDelay");
    QTEST(form.logOn, "logOn");
    QTEST(form.sv, "sv");
    QTEST(form.br, "br");
}

void ConfigTest::readRefusesMissingAndHugeFiles()
{
    ProgramFolder folder;
    QVERIFY(!readConfigFile(folder.file("prog.cfg")));
    folder.write("prog.cfg", QByteArray(2 * 1024 * 1024, 'x'));
    QVERIFY(!readConfigFile(folder.file("prog.cfg")));
    folder.write("prog.cfg", QByteArray("\xff\x00<Port>1</Port>", 16));
    QCOMPARE(tagValue(readConfigFile(folder.file("prog.cfg")).value(), QStringLiteral("Port")), QStringLiteral("1"));
}

void ConfigTest::failedWriteKeepsOldFile()
{
    ProgramFolder folder;
    folder.write("prog.cfg", "old");
    {
        const FileSizeLimit diskFull(4);
        QVERIFY(!TextFile::tryReplace(folder.file("prog.cfg"), "new and longer"));
    }
    QCOMPARE(folder.read("prog.cfg"), QByteArray("old"));
    QVERIFY(TextFile::tryReplace(folder.file("prog.cfg"), "new and longer"));
    QCOMPARE(folder.read("prog.cfg"), QByteArray("new and longer"));
}

void ConfigTest::failedAppendLeavesNoHalfLine()
{
    ProgramFolder folder;
    folder.write("errorlog.txt", "line one\r\n");
    {
        const FileSizeLimit diskFull(14);
        QVERIFY_THROWS_EXCEPTION(Failure, (void)TextFile::append(folder.file("errorlog.txt"), "line two\r\n"));
    }
    QCOMPARE(folder.read("errorlog.txt"), QByteArray("line one\r\n"));
}

void ConfigTest::appendEndsATornLineFirst_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("tornLine"); // what the report quotes; "-" for no report
    QTest::addColumn<qint64>("nulBytes");
    const QByteArray nuls(40, '\0');
    QTest::newRow("whole lines: as before")
        << QByteArray("one\r\n") << QByteArray("one\r\nnew\r\n") << QByteArray("-") << qint64(0);
    QTest::newRow("empty file") << QByteArray() << QByteArray("new\r\n") << QByteArray("-") << qint64(0);
    QTest::newRow("cut in a line") << QByteArray("one\r\ntw") << QByteArray("one\r\ntw\r\nnew\r\n") << QByteArray("tw")
                                   << qint64(0);
    QTest::newRow("cut between CR and LF")
        << QByteArray("one\r\ntwo\r") << QByteArray("one\r\ntwo\r\nnew\r\n") << QByteArray("two\r") << qint64(0);
    QTest::newRow("NUL bytes after a whole line")
        << QByteArray("one\r\n") + nuls << QByteArray("one\r\nnew\r\n") << QByteArray() << qint64(40);
    QTest::newRow("NUL bytes after a torn line")
        << QByteArray("one\r\ntw") + nuls << QByteArray("one\r\ntw\r\nnew\r\n") << QByteArray("tw") << qint64(40);
    QTest::newRow("nothing but NUL bytes, more than one piece")
        << QByteArray(200000, '\0') << QByteArray("new\r\n") << QByteArray() << qint64(200000);
}

// A power cut leaves a file in half a line or in NUL bytes: the next line must not be glued on.
void ConfigTest::appendEndsATornLineFirst()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, tornLine);
    ProgramFolder folder;
    folder.write("file.txt", before);
    const auto torn = TextFile::append(folder.file("file.txt"), "new\r\n", TextFile::Sync::ToDisk);
    QTEST(folder.read("file.txt"), "after");
    QCOMPARE(torn.has_value(), tornLine != "-");
    if (!torn)
        return;
    QCOMPARE(torn->line, tornLine);
    QTEST(torn->nulBytes, "nulBytes");
    QVERIFY(torn->description().contains(folder.file("file.txt")));
}

QTEST_APPLESS_MAIN(ConfigTest)
#include "tst_config.moc"
