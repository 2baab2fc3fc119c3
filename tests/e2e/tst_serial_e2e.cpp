// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorreporter.h"
#include "app/mainwindowmodel.h"
#include "boardprocess.h"
#include "fakeclock.h"
#include "platform/qserialportlink.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "recordingview.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"
#include "sessionprobe.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Brolant;

namespace {
// Counts the ticks of the timers of the serial link's retry period, seen on their way to the
// timer: a failed retry shows nowhere else.
class RetryTicks final : public QObject
{
public:
    RetryTicks() { QCoreApplication::instance()->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *timer = qobject_cast<QTimer *>(watched);
        count += event->type() == QEvent::Timer && timer && timer->intervalAsDuration() == SerialLink::kRetryEvery;
        return false;
    }
};

// The main window's model reading the real serial port of a temporary program folder.
struct RealPortModel
{
    ProgramFolder folder;
    RecordingView view;
    QSerialPortLink link{folder.path()};
    FakeClock clock;
    ScriptedPrompts prompts;
    ProblemLog problems{clock};
    LoggerSession session{folder.path(), link, clock, problems, folder.programFiles()};
    LoggerCore &core = SessionProbe::core(session);
    ErrorReporter errors{folder.path(), clock, problems, view};
    MainWindowModel model{session, problems, view, prompts};

    RealPortModel() { errors.listenTo(session); }
};
} // namespace

// The real serial port, opened by port number through a COM link to brolant-board's
// pseudo-terminal.
class SerialEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void opensTheBoardByPortNumber();
    void missingPortIsExplained_data();
    void missingPortIsExplained();
    void everyBoardFrameIsCounted();
    void vanishedPortIsReopened();
};

void SerialEndToEndTest::opensTheBoardByPortNumber()
{
    ProgramFolder folder;
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"),
                        {"--frame", "[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]", "--rate", "20"}));
    QSerialPortLink link(folder.path());
    const Result<> opened = link.open(1, 4800);
    QVERIFY2(opened, opened ? "" : qPrintable(opened.failure().description));
    QVERIFY(link.isOpen());

    QByteArray received;
    QSignalSpy arrivals(&link, &SerialLink::dataArrived);
    while (received.count(']') < 3 && arrivals.wait(5000))
        received += link.readAll();
    QVERIFY2(received.count(']') >= 3, received.constData());
    QVERIFY(received.contains("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]"));
    link.close();
    QVERIFY(!link.isOpen());
}

void SerialEndToEndTest::missingPortIsExplained_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("description"); // FOLDER: the program folder
    QTest::newRow("port 2") << 2
                            << "No serial device for port 2: looked for FOLDER/COM2, /dev/ttyUSB1, "
                               "/dev/ttyACM1 and /dev/ttyS1, and none is there";
    QTest::newRow("port 0") << 0 << "Port 0 means no serial port, so there is no device to open";
    QTest::newRow("port -1") << -1 << "Port -1 is not a port number: they start at 1";
}

void SerialEndToEndTest::missingPortIsExplained()
{
    QFETCH(int, port);
    QFETCH(QString, description);
    ProgramFolder folder;
    QSerialPortLink link(folder.path());
    const Result<> opened = link.open(port, 4800);
    QVERIFY(!opened);
    QCOMPARE(opened.failure().description, description.replace("FOLDER", folder.path()));
    QVERIFY(!link.isOpen());
}

void SerialEndToEndTest::everyBoardFrameIsCounted()
{
    RealPortModel rig;
    auto &[folder, view, link, clock, prompts, problems, session, core, errors, model] = rig;
    folder.writeProgramConfig("1", "1", "600", "1", "1", "1", "57600");
    folder.writeCalibration();
    BoardProcess board;
    constexpr int kFrames = 300;
    QVERIFY(board.start(folder.file("COM1"), {"--delay", "1000", "--count", QString::number(kFrames), "--rate", "300",
                                              "--baud", "57600", "--pairs", "0.2", "--splits", "0.2"}));
    model.startUp();
    QVERIFY(link.isOpen());
    QVERIFY(model.isLogging());
    QTRY_COMPARE_WITH_TIMEOUT(core.logging.sums().count, kFrames, 20000);
    QVERIFY(board.stop().contains(QStringLiteral("sent %1 frames").arg(kFrames)));
    QCOMPARE(folder.read("errorlog.txt"), QByteArray());
    QVERIFY(view.caption.startsWith("Brolant  1"));
    QVERIFY(core.logging.sums().volts > 12.0 * kFrames);
}

void SerialEndToEndTest::vanishedPortIsReopened()
{
    RealPortModel rig;
    auto &[folder, view, link, clock, prompts, problems, session, core, errors, model] = rig;
    folder.writeProgramConfig("1", "1", "600");
    folder.writeCalibration();
    auto board = std::make_unique<BoardProcess>();
    QVERIFY(board->start(folder.file("COM1"), {"--rate", "20"}));
    model.startUp();
    QTRY_VERIFY_WITH_TIMEOUT(core.logging.sums().count > 0, 5000);
    const QString device = QFileInfo(folder.file("COM1")).canonicalFilePath();

    board.reset(); // the adapter is pulled out
    QTRY_COMPARE_WITH_TIMEOUT(view.status, QStringLiteral("     possible COMMS problem"), 5000);
    QVERIFY(!link.isOpen());
    // Away past the link's first retry, which must fail without an entry or a dialog.
    const RetryTicks retries;
    QTRY_VERIFY_WITH_TIMEOUT(retries.count > 0, 3 * int(std::chrono::milliseconds(SerialLink::kRetryEvery).count()));
    QCoreApplication::sendPostedEvents(); // anything the failed retry set off
    QVERIFY(!link.isOpen());
    const QByteArray entries = folder.read("errorlog.txt");
    QCOMPARE(entries.count("\r\n"), 1);
    const QString lost = QStringLiteral("  port not available  Serial device %1 (linked as %2) stopped working: ")
                             .arg(device, folder.file("COM1"));
    QVERIFY2(entries.contains(lost.toLatin1()), entries.constData());
    QVERIFY2(entries.contains("stopped working: the device is no longer there"), entries.constData());
    QCOMPARE(prompts.setupRuns, 0);

    board = std::make_unique<BoardProcess>(); // and plugged in again
    QVERIFY(board->start(folder.file("COM1"), {"--rate", "20"}));
    QTRY_VERIFY_WITH_TIMEOUT(link.isOpen(), 8000);
    QVERIFY(view.journal.contains(QStringLiteral("status: COMMS port back after a break: reading again")));
    const long long before = core.logging.sums().count;
    QTRY_VERIFY_WITH_TIMEOUT(core.logging.sums().count > before + 5, 5000);
    QVERIFY(model.isLogging());
    QCOMPARE(folder.read("errorlog.txt").count("\r\n"), 1);
}

QTEST_GUILESS_MAIN(SerialEndToEndTest)
#include "tst_serial_e2e.moc"
