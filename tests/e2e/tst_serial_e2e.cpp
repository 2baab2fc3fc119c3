#include "boardprocess.h"
#include "platform/qserialportlink.h"
#include "programfolder.h"

#include <QSignalSpy>
#include <QTest>

// The real serial port, opened by port number through a COM link to brolant-board's
// pseudo-terminal.
class SerialEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void opensTheBoardByPortNumber();
    void missingPortIsExplained();
};

void SerialEndToEndTest::opensTheBoardByPortNumber()
{
    ProgramFolder folder;
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"),
                        {"--frame", "[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]",
                         "--rate", "20"}));
    QSerialPortLink link(folder.path());
    QString error;
    QVERIFY2(link.open(1, 4800, &error), qPrintable(error));
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

void SerialEndToEndTest::missingPortIsExplained()
{
    ProgramFolder folder;
    QSerialPortLink link(folder.path());
    QString error;
    QVERIFY(!link.open(2, 4800, &error));
    QVERIFY2(error.startsWith("No serial device for port 2 (looked for " + folder.file("COM2")),
             qPrintable(error));
    QVERIFY(!link.isOpen());
}

QTEST_GUILESS_MAIN(SerialEndToEndTest)
#include "tst_serial_e2e.moc"
