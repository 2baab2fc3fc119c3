// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/frameparser.h"
#include "acquisition/framereceiver.h"
#include "acquisition/livelist.h"
#include "acquisition/reading.h"
#include "acquisition/scaling.h"
#include "config/calibrationsettings.h"
#include "config/programconfig.h"
#include "framesource.h"
#include "modelrig.h"
#include "text/failure.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace Brolant;

namespace {
const QByteArray kExample("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]");
const QByteArray kSmall("[<V>512</V><I>300</I><R>20</R><S>5</S><M>0</M><C>837</C>]");
const QByteArray kCorrupt("possible corrupt COMMS data\r\n");

QByteArray entry(const char *context, const char *description, const QByteArray &received)
{
    return "2010_03_07  14:05  " + QByteArray(context) + "  " + description + " <RB>  <IM> " + received + "\r\n";
}

// The main window's model on a fake port, started with the worked example's calibration.
struct Receiver : ModelRig
{
    explicit Receiver(const QString &logOn = QStringLiteral("0"))
    {
        folder.writeProgramConfig("1", logOn, "60", "1", "1");
        folder.writeCalibration();
        model.startUp();
    }
};
} // namespace

class AcquisitionTest : public QObject
{
    Q_OBJECT

private slots:
    void frameRules_data();
    void frameRules();
    void trappedFailures_data();
    void trappedFailures();
    void splitFrameShowsTheGrowingText();
    void splitFrameSignalsInOrder();
    void scaling_data();
    void scaling();
    void acceptedFrameIsShown();
    void sumsGrowOnlyWhileLogging();
    void badCalibrationKeepsThePreviousDisplay();
    void overflowingBufferIsRejected();
    void overflowKeepsTheNewestFrame();
    void overflowingValuesNeverReachTheEnergy();
    void randomChunkingLosesNoFrame();
    void frameHealthIsCounted();
    void untrustedValuesNeverCrash_data();
    void untrustedValuesNeverCrash();
};

void AcquisitionTest::frameRules_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QByteArray>("errorLog");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("counted");
    QTest::addColumn<double>("volts");

    const QByteArray twoFrames = kSmall + kExample;
    QTest::newRow("worked example") << QList<QByteArray>{kExample} << QByteArray() << QString(kExample) << 1 << 13.0;
    QTest::newRow("split frame") << QList<QByteArray>{"[<V>51", "2</V><I>300</I>",
                                                      "<R>20</R><S>5</S><M>0</M><C>837</C>]"}
                                 << QByteArray() << "[<V>512</V><I>300</I><R>20</R><S>5</S><M>0</M><C>837</C>]" << 1
                                 << 10.24;
    QTest::newRow("noise before [") << QList<QByteArray>{"xx" + kExample} << QByteArray() << "xx" + QString(kExample)
                                    << 1 << 13.0;
    QTest::newRow("no [ at all") << QList<QByteArray>{"\r\n"} << entry(" [ missing ", "", "\\x0d\\x0a")
                                 << QString(kCorrupt + "\r\n") << 0 << 0.0;
    QTest::newRow("two frames in one read both counted")
        << QList<QByteArray>{twoFrames} << QByteArray() << QString(twoFrames) << 2 << 13.0;
    QTest::newRow("tail then new frame keeps the new frame")
        << QList<QByteArray>{"<C>837</C>]" + kExample}
        << entry(" braces in wrong positions  corrupt COMMS", "", "<C>837</C>]" + kExample)
        << QString("<C>837</C>]" + kExample) << 1 << 13.0;
    QTest::newRow("garbage behind a frame dropped silently")
        << QList<QByteArray>{kExample + "\r\nxyz"} << QByteArray() << QString(kExample + "\r\nxyz") << 1 << 13.0;
    QTest::newRow("V is 0") << QList<QByteArray>{"[<V>0</V><I>577</I><R>20</R><S>9</S><C>606</C>]"}
                            << entry("corrupt Volts COMM data", "", "[<V>0</V><I>577</I><R>20</R><S>9</S><C>606</C>]")
                            << "[<V>0</V><I>577</I><R>20</R><S>9</S><C>606</C>]" << 1 << 0.0;
    QTest::newRow("V empty") << QList<QByteArray>{"[<V></V><I>577</I><C>577</C>]"}
                             << entry("corrupt Volts COMM data", "", "[<V></V><I>577</I><C>577</C>]")
                             << "[<V></V><I>577</I><C>577</C>]" << 1 << 0.0;
    QTest::newRow("no V field") << QList<QByteArray>{"[<I>577</I>]"}
                                << entry("corrupt Volts COMM data", "", "[<I>577</I>]") << "[<I>577</I>]" << 1 << 0.0;
    QTest::newRow("I is 0") << QList<QByteArray>{"[<V>650</V><I>0</I><C>650</C>]"}
                            << entry("corrupt Amps COMM data", "", "[<V>650</V><I>0</I><C>650</C>]")
                            << "[<V>650</V><I>0</I><C>650</C>]" << 1 << 13.0;
    QTest::newRow("V blank 0 is not exactly 0")
        << QList<QByteArray>{"[<V> 0</V><I>577</I>]"} << QByteArray() << "[<V> 0</V><I>577</I>]" << 1 << 0.0;
    QTest::newRow("V abc is 0 without an entry")
        << QList<QByteArray>{"[<V>abc</V><I>577</I><R>20</R><S>9</S><C>606</C>]"} << QByteArray()
        << "[<V>abc</V><I>577</I><R>20</R><S>9</S><C>606</C>]" << 1 << 0.0;
    QTest::newRow("R x and no S") << QList<QByteArray>{"[<V>650</V><I>577</I><R>x</R><C>1227</C>]"} << QByteArray()
                                  << "[<V>650</V><I>577</I><R>x</R><C>1227</C>]" << 1 << 13.0;
    QTest::newRow("no M field") << QList<QByteArray>{"[<V>512</V><I>300</I><R>20</R><S>5</S><C>837</C>]"}
                                << QByteArray() << "[<V>512</V><I>300</I><R>20</R><S>5</S><C>837</C>]" << 1 << 10.24;
    QTest::newRow("no C field: no check")
        << QList<QByteArray>{"[<V>650</V><I>577</I>]"} << QByteArray() << "[<V>650</V><I>577</I>]" << 1 << 13.0;
    QTest::newRow("C not a number: no check") << QList<QByteArray>{"[<V>650</V><I>577</I><C>x</C>]"} << QByteArray()
                                              << "[<V>650</V><I>577</I><C>x</C>]" << 1 << 13.0;
    QTest::newRow("checksum mismatch still scaled")
        << QList<QByteArray>{"[<V>650</V><I>577</I><R>20</R><S>9</S><C>1257</C>]"}
        << entry("checksum error", "", "[<V>650</V><I>577</I><R>20</R><S>9</S><C>1257</C>]")
        << "[<V>650</V><I>577</I><R>20</R><S>9</S><C>1257</C>]" << 1 << 13.0;
    QTest::newRow("M not in the checksum") << QList<QByteArray>{"[<V>650</V><I>577</I><M>5</M><C>1227</C>]"}
                                           << QByteArray() << "[<V>650</V><I>577</I><M>5</M><C>1227</C>]" << 1 << 13.0;
    QTest::newRow("stray ] behind a frame dropped")
        << QList<QByteArray>{"[<V>6", "50</V><I>577</I>]]"} << QByteArray() << "[<V>650</V><I>577</I>]]" << 1 << 13.0;
}

void AcquisitionTest::frameRules()
{
    QFETCH(QList<QByteArray>, chunks);
    Receiver receiver;
    receiver.push(chunks);
    QTEST(receiver.errorLog(), "errorLog");
    QTEST(receiver.view.status, "status");
    QTEST(int(receiver.core.logging.sums().count), "counted");
    QTEST(receiver.core.receiver.reading().volts, "volts");
}

void AcquisitionTest::trappedFailures_data()
{
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<QByteArray>("errorLog");
    QTest::addColumn<int>("counted");

    const QByteArray closingFirst("[<V>1</V></I>12<I>]");
    QTest::newRow("closing tag before opening tag")
        << closingFirst << entry("corrupt Amps COMM data", "closing tag </I> before its opening tag", closingFirst)
        << 0;
    const QByteArray withV0("[<V>0</V><I>577</I></C>1<C>]");
    QTest::newRow("entries in order, then the trap")
        << withV0
        << entry("corrupt Volts COMM data", "", withV0)
               + entry("checksum error", "closing tag </C> before its opening tag", withV0)
        << 0;
    const QByteArray trappedThenGood = "[</V>12<V>]" + kExample;
    QTest::newRow("frames behind a trapped one are handled")
        << trappedThenGood
        << entry("corrupt Volts COMM data", "closing tag </V> before its opening tag", trappedThenGood) << 1;
}

void AcquisitionTest::trappedFailures()
{
    QFETCH(QByteArray, read);
    Receiver receiver;
    receiver.push({read});
    QTEST(receiver.errorLog(), "errorLog");
    QTEST(int(receiver.core.logging.sums().count), "counted");
    if (receiver.core.logging.sums().count == 0) {
        QCOMPARE(receiver.view.status, QString(kCorrupt));
        QCOMPARE(receiver.view.caption, QStringLiteral("Brolant - Waiting for Signal"));
    }
}

void AcquisitionTest::splitFrameShowsTheGrowingText()
{
    Receiver receiver;
    receiver.push({"[<V>51"});
    QCOMPARE(receiver.view.status, QStringLiteral("[<V>51"));
    receiver.push({"2</V>"});
    QCOMPARE(receiver.view.status, QStringLiteral("[<V>512</V>"));
    QCOMPARE(receiver.view.dataLampFlashes, 0);
    receiver.push({"<I>300</I>]"});
    QCOMPARE(receiver.view.dataLampFlashes, 1);
}

void AcquisitionTest::splitFrameSignalsInOrder()
{
    FakeSerialLink link;
    FakeClock clock;
    ProblemLog problems(clock);
    FrameReceiver receiver(link, problems);
    receiver.setCalibration({QString("50"), QString("512"), QString("20"), QString("4"), QString("2")});
    QStringList heard;
    connect(&receiver, &FrameReceiver::textReceived, this, [&](const QString &text) { heard << "text " + text; });
    connect(&receiver, &FrameReceiver::frameArrived, this, [&] { heard << "arrived"; });
    connect(&problems, &ProblemLog::reported, this,
            [&](const QString &stage, const QString &) { heard << "problem" + stage; });
    connect(&receiver, &FrameReceiver::frameCounted, this, [&] { heard << "counted"; });
    connect(&receiver, &FrameReceiver::frameAccepted, this, [&](const Reading &reading) {
        heard << QStringLiteral("accepted %1 V %2 A").arg(reading.volts).arg(reading.amps);
    });
    link.push("[<V>650</V><I>5");
    link.push("77</I><C>1</C>]");
    QCOMPARE(heard, (QStringList{"text [<V>650</V><I>5", "text [<V>650</V><I>577</I><C>1</C>]", "arrived",
                                 "problemchecksum error", "counted", "accepted 13 V 3.25 A"}));
}

void AcquisitionTest::scaling_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("rpmDivider");
    QTest::addColumn<QStringList>("shown"); // volts, amps, watts, energy, rpm, wind speed
    QTest::addColumn<double>("watts");

    QTest::newRow("worked example") << "[<V>650</V><I>577</I><R>20</R><S>9</S>]"
                                    << "4" << QStringList{"13.00", "3.3", "42.3", "0.0", "300", "5"} << 42.25;
    QTest::newRow("500 rpm stays") << "[<V>650</V><I>577</I><R>50</R>]"
                                   << "6" << QStringList{"13.00", "3.3", "42.3", "0.0", "500", "0"} << 42.25;
    QTest::newRow("500.1 rpm is 0") << "[<V>650</V><I>577</I><R>50.01</R>]"
                                    << "6" << QStringList{"13.00", "3.3", "42.3", "0.0", "0", "0"} << 42.25;
    QTest::newRow("V 649") << "[<V>649</V><I>512</I>]"
                           << "4" << QStringList{"12.98", "0.0", "0.0", "0.0", "0", "0"} << 0.0;
    QTest::newRow("V 20 below one volt") << "[<V>20</V><I>512</I>]"
                                         << "4" << QStringList{".40", "0.0", "0.0", "0.0", "0", "0"} << 0.0;
    QTest::newRow("I below the offset") << "[<V>650</V><I>500</I>]"
                                        << "4" << QStringList{"13.00", "0.0", "0.0", "0.0", "0", "0"} << 0.0;
    QTest::newRow("amps half to even") << "[<V>650</V><I>554.5</I>]"
                                       << "4" << QStringList{"13.00", "2.1", "27.6", "0.0", "0", "0"} << 27.56;
}

void AcquisitionTest::scaling()
{
    QFETCH(QString, frame);
    QFETCH(QString, rpmDivider);
    QFETCH(QStringList, shown);
    const CalibrationSettings settings{QString("50"), QString("512"), QString("20"), rpmDivider, QString("2")};
    Reading reading;
    QVERIFY(Scaling::apply(FrameParser::parse(frame).values, settings, reading));
    QTEST(reading.watts, "watts");
    ProgramConfig program;
    program.displayRpm = QString("1");
    program.displayWs = QString("1");
    program.wsUnits = QString("m/s");
    const LiveListLayout layout = LiveListLayout::forSettings(program);
    QCOMPARE(layout.values(reading, 0.0), shown);
}

void AcquisitionTest::acceptedFrameIsShown()
{
    Receiver receiver;
    receiver.push({kExample});
    QCOMPARE(receiver.view.caption, QStringLiteral("Brolant  13.00V 3.3A 42W"));
    QCOMPARE(receiver.view.liveValues, (QStringList{"13.00", "3.3", "42.3", "0.0", "300", "5"}));
    QCOMPARE(receiver.view.liveLabels, (QStringList{"Volts", "Amps", "Watts", "WattHours", "RPM", "m/s"}));
    QCOMPARE(receiver.view.mode, QString());
    QVERIFY(receiver.view.dataLampLit);
    QTRY_VERIFY_WITH_TIMEOUT(!receiver.view.dataLampLit, 2000); // the lamp only flashes
    const Reading &reading = receiver.core.receiver.reading();
    QCOMPARE(reading.amps, 3.25);
    QCOMPARE(reading.rpm, 300.0);
    QCOMPARE(reading.windSpeed, 4.5);
}

void AcquisitionTest::sumsGrowOnlyWhileLogging()
{
    Receiver idle;
    idle.push({kExample, kExample});
    QCOMPARE(idle.core.logging.sums().count, 2);
    QCOMPARE(idle.core.logging.sums().volts, 0.0);

    Receiver logging(QStringLiteral("1"));
    QVERIFY(logging.model.isLogging());
    logging.push({kExample, "[<V>650</V><I>577</I><R>20</R><S>9</S><M>25</M><C>1256</C>]"});
    const IntervalSums &sums = logging.core.logging.sums();
    QCOMPARE(sums.count, 2);
    QCOMPARE(sums.volts, 26.0);
    QCOMPARE(sums.amps, 6.5);
    QCOMPARE(sums.watts, 84.5);
    QCOMPARE(sums.rpm, 600.0);
    QCOMPARE(sums.windSpeed, 9.0);
    QCOMPARE(sums.modeVolts, 0.5);
}

void AcquisitionTest::badCalibrationKeepsThePreviousDisplay()
{
    Receiver receiver(QStringLiteral("1"));
    receiver.push({kExample});
    receiver.folder.write("settings.cfg",
                          "<VoltDivider>50</VoltDivider><VoltOffset>512</VoltOffset>"
                          "<AmpDivider>0</AmpDivider><RPMDivider>4</RPMDivider><WSDivider>2</WSDivider>");
    receiver.model.setupClicked(); // reloads both files
    const QByteArray frame("[<V>700</V><I>577</I>]");
    receiver.push({frame});
    QCOMPARE(receiver.errorLog(), entry("calculations error", "Division by zero", frame));
    QCOMPARE(receiver.view.caption, QStringLiteral("Brolant  13.00V 3.3A 42W"));
    QCOMPARE(receiver.core.logging.sums().count, 2);
    QCOMPARE(receiver.core.receiver.reading().volts, 14.0); // computed before the failing division
    QCOMPARE(receiver.view.status, QString(kCorrupt));
}

void AcquisitionTest::overflowingBufferIsRejected()
{
    Receiver receiver;
    const QByteArray noise = "[" + QByteArray(999, 'x'); // a broken board: "[" and never "]"
    for (int i = 0; i < 11; ++i)
        receiver.push({noise});
    const QByteArray log = receiver.errorLog();
    QCOMPARE(log.count("\r\n"), 2); // past 4,096 characters at 5,000 and again at 10,000
    QVERIFY(log.contains("   receive buffer overflow, no ] within 4096 characters   <RB>"));
    receiver.push({kExample});
    QCOMPARE(receiver.core.logging.sums().count, 1);
}

void AcquisitionTest::overflowKeepsTheNewestFrame()
{
    Receiver receiver;
    const QByteArray broken = "[" + QByteArray(4080, 'x');
    receiver.push({broken, kExample.left(40)}); // together past the cap, the good frame unfinished
    receiver.push({kExample.mid(40)});
    QCOMPARE(receiver.errorLog().count("receive buffer overflow"), 1);
    QCOMPARE(receiver.core.receiver.health().sinceStart.accepted, 1);
}

void AcquisitionTest::overflowingValuesNeverReachTheEnergy()
{
    Receiver receiver;
    receiver.push({kExample}); // 42.25 W
    const QByteArray overflowing("[<V>1e200</V><I>1e200</I><R>1e306</R><S>9</S><M>0</M><C>0</C>]");
    for (const char *rpmDivider : {"4", "0.01"}) {
        receiver.folder.write("settings.cfg",
                              "<VoltDivider>50</VoltDivider><VoltOffset>512</VoltOffset><AmpDivider>20</AmpDivider>"
                              "<RPMDivider>"
                                  + QByteArray(rpmDivider) + "</RPMDivider><WSDivider>2</WSDivider>");
        receiver.model.setupClicked(); // reloads both files
        receiver.push({overflowing});
        QVERIFY(receiver.errorLog().contains("calculations error  Overflow <RB>"));
        receiver.core.energy.tick();
        const Reading &reading = receiver.core.receiver.reading();
        for (double value : {reading.volts, reading.amps, reading.watts, reading.rpm, reading.windSpeed})
            QVERIFY(std::isfinite(value));
    }
    QCOMPARE(receiver.core.receiver.reading().watts, 42.25);
    QCOMPARE(receiver.core.energy.total(), 2 * 42.25 / 720);
}

void AcquisitionTest::randomChunkingLosesNoFrame()
{
    FrameSource board(7);
    QByteArray stream;
    for (int i = 0; i < 1000; ++i)
        stream += FrameSource::frame(board.next());
    Receiver receiver;
    QRandomGenerator random(7);
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype length = 1 + random.bounded(150);
        receiver.link.push(stream.mid(at, length));
        at += length;
    }
    QCOMPARE(receiver.core.logging.sums().count, 1000);
    QCOMPARE(receiver.errorLog(), QByteArray());
}

void AcquisitionTest::frameHealthIsCounted()
{
    Receiver receiver;
    receiver.push({"\r\n", "</C>]xx" + kExample, "[<V>650</V><I>577</I><C>1</C>]"});
    const FrameCounts &counts = receiver.core.receiver.health().sinceStart;
    QCOMPARE(counts.accepted, 2);
    QCOMPARE(counts.rejected, 2);
    QCOMPARE(counts.checksumErrors, 1);
    QCOMPARE(counts.droppedCharacters, 2 + 5 + 2);
    QCOMPARE(receiver.view.frameHealth,
             QStringLiteral("This interval: 2 frames, 2 rejected, 1 checksum errors, 9 characters dropped\n"
                            "Since start-up: 2 frames, 2 rejected, 1 checksum errors, 9 characters dropped"));
}

void AcquisitionTest::untrustedValuesNeverCrash_data()
{
    QTest::addColumn<QByteArray>("read");
    QTest::newRow("1e999") << QByteArray("[<V>1e999</V><I>577</I>]");
    QTest::newRow("nan") << QByteArray("[<V>nan</V><I>NaN</I>]");
    QTest::newRow("10,000 digits") << "[<V>" + QByteArray(10000, '9') + "</V><I>1</I>]";
    QTest::newRow("huge but finite") << QByteArray("[<V>1e300</V><I>1e300</I>]");
    QTest::newRow("NUL bytes") << QByteArray("[<V>6\0"
                                             "50</V><I>\0</I>]",
                                             24);
    QTest::newRow("non-ASCII bytes") << QByteArray("[<V>\xb5\xff</V><I>\x80</I>]");
}

void AcquisitionTest::untrustedValuesNeverCrash()
{
    QFETCH(QByteArray, read);
    Receiver receiver;
    receiver.push({read, kExample});
    QCOMPARE(receiver.core.logging.sums().count, 2);
    QCOMPARE(receiver.view.caption, QStringLiteral("Brolant  13.00V 3.3A 42W"));
    for (const QString &value : receiver.view.liveValues)
        QVERIFY2(value.size() < 12, qPrintable(value));
}

QTEST_GUILESS_MAIN(AcquisitionTest)
#include "tst_acquisition.moc"
