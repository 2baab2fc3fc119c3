// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/dailylogline.h"
#include "modelrig.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace Brolant;

namespace {
const QDate kDay(2010, 3, 7);
const QByteArray kEmptyRecord("<T>14:05</T><V>.00</V><I>.00</I><W>.00</W><R></R><S>.0</S><M>0</M>   .0Wh\r\n");

QByteArray frame(int v, double i, double r = 0, int s = 0)
{
    return QStringLiteral("[<V>%1</V><I>%2</I><R>%3</R><S>%4</S>]").arg(v).arg(i).arg(r).arg(s).toLatin1();
}

// The main window's model, logging, with a clock the test moves.
struct Logger : ModelRig
{
    explicit Logger(const QString &savehtml = "0", const QString &saveExcel = "0", const QString &logDelay = "60")
    {
        clock.set(QDateTime(kDay, QTime(14, 5, 10)));
        folder.writeProgramConfig("1", "1", logDelay, "1", "1");
        QByteArray config = folder.read("prog.cfg");
        config.replace("<Savehtml>0<", "<Savehtml>" + savehtml.toLatin1() + "<");
        config.replace("<SaveExcel>0<", "<SaveExcel>" + saveExcel.toLatin1() + "<");
        folder.write("prog.cfg", config);
        folder.writeCalibration();
        model.startUp();
    }
    void tick() { core.logging.tick(); }
    QByteArray day(const char *stamp = "2010_03_07") const
    {
        return folder.read(QStringLiteral("logs/P_%1.txt").arg(QLatin1String(stamp)));
    }
    QByteArray energyArchive() const { return folder.read("logs/Whours.txt"); }
};
} // namespace

class LoggingTest : public QObject
{
    Q_OBJECT

private slots:
    void dailyLogLineRead_data();
    void dailyLogLineRead();
    void records_data();
    void records();
    void intervalLoggedCarriesTheNumbers();
    void emptyIntervalRepeatsTheLastMeans();
    void firstIntervalWithoutFramesWritesZeros();
    void startStopStartClearsTheSums();
    void startButton_data();
    void startButton();
    void shortIntervalCaution_data();
    void shortIntervalCaution();
    void controlsFollowTheLoggingState();
    void messageLinesToggle();
    void energyIntegratesEveryFiveSeconds();
    void midnightWritesExactlyOneLine_data();
    void midnightWritesExactlyOneLine();
    void startJustBeforeMidnightClosesThatDay();
    void stalePowerIsNotCounted();
    void exitWritesTheExitLineOnce();
    void endJustAfterMidnightClosesTheDayFirst_data();
    void endJustAfterMidnightClosesTheDayFirst();
    void recordsAreKeptUntilTheLogsCanBeWritten();
    void historyPageAndSpreadsheet();
    void templatePlaceholders_data();
    void templatePlaceholders();
    void outputFailuresAreReportedOncePerEpisode_data();
    void outputFailuresAreReportedOncePerEpisode();
    void heldRecordsAreNotLostAtTheEnd_data();
    void heldRecordsAreNotLostAtTheEnd();
    void firstTickOfTheDayClosesYesterday_data();
    void firstTickOfTheDayClosesYesterday();
    void repeatedStartUpKeepsTheEnergy();
    void onlyDailyLogWhenOutputsAreOff();
};

void LoggingTest::dailyLogLineRead_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("read"); // the time in seconds, then the five values
    const QString written = "50700 12.53 5.3 66 245 12";
    QTest::newRow("as written") << QByteArray(
        "<T>14:05</T><V>12.53</V><I>5.30</I><W>66.00</W><R>245</R><S>12.0</S><M>0</M>   1234.6Wh")
                                << written;
    QTest::newRow("tags in another order: the same values")
        << QByteArray("<T>14:05</T><I>5.30</I><V>12.53</V><W>66.00</W><S>12.0</S><R>245</R>") << written;
    QTest::newRow("0 rpm empty, no leading digits")
        << QByteArray("<T>00:01</T><V>.50</V><I>-2.00</I><W>-1.00</W><R></R><S>.0</S><M>0</M>   .0Wh")
        << "60 0.5 -2 -1 0 0";
    QTest::newRow("rpm over the limit") << QByteArray("<T>00:01</T><V>1</V><I>1</I><W>1</W><R>9999</R><S>1</S><M>0</M>")
                                        << "60 1 1 1 0 1";
    QTest::newRow("sixteen digits") << QByteArray(
        "<T>00:01</T><V>1234567.123456789</V><I>1</I><W>1</W><R>1</R><S>1</S><M>0</M>")
                                    << "60 1234567.123456789 1 1 1 1";
    QTest::newRow("seconds in the time") << QByteArray(
        "<T>14:05:30</T><V>1</V><I>1</I><W>1</W><R>1</R><S>1</S><M>0</M>")
                                         << "50730 1 1 1 1 1";
    QTest::newRow("no time: no record") << QByteArray("<V>1</V><I>1</I><W>1</W><R>1</R><S>1</S><M>0</M>") << "";
    // A power cut leaves a written line cut off: read, it would be a false dip to 0.
    QTest::newRow("torn in a value") << QByteArray("<T>18:14</T><V>24.00</V><I>30.00</I><W>720.00</W><R>30") << "";
    QTest::newRow("torn in a tag") << QByteArray("<T>18:14</T><V>24.00</V><I>30.00</I><W>720.00</W><R") << "";
    QTest::newRow("torn before the last value closed")
        << QByteArray("<T>18:14</T><V>24.00</V><I>30.00</I><W>720.00</W><R>30</R><S>4.0</") << "";
    QTest::newRow("torn, NUL bytes after it")
        << QByteArray("<T>18:14</T><V>24.00</V><I>30.", 30) + QByteArray(8, '\0') << "";
    QTest::newRow("cut after the last value: all of it read")
        << QByteArray("<T>18:14</T><V>24.00</V><I>30.00</I><W>720.00</W><R>300</R><S>4.0</S><M")
        << "65640 24 30 720 300 4";
    QTest::newRow("whole, NUL bytes after it")
        << QByteArray("<T>18:14</T><V>24.00</V><I>30.00</I><W>720.00</W><R>300</R><S>4.0</S><M>0</M>   1.0Wh")
               + QByteArray(2, '\0')
        << "65640 24 30 720 300 4";
    QTest::newRow("a field missing by hand is still 0") << QByteArray("<T>14:05</T><I>5.30</I>") << "50700 0 5.3 0 0 0";
}

void LoggingTest::dailyLogLineRead()
{
    QFETCH(QByteArray, line);
    const auto read = DailyLogLine::parse(line);
    QStringList values;
    if (read) {
        values << QString::number(read->time);
        for (const double value : read->values)
            values << QString::number(value, 'g', QLocale::FloatingPointShortest); // bit for bit
    }
    QTEST(values.join(' '), "read");
}

void LoggingTest::records_data()
{
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QByteArray>("record");

    QTest::newRow("volts mean 12.13")
        << QList<QByteArray>{frame(600, 612), frame(605, 612), frame(615, 612)}
        << QByteArray("<T>14:05</T><V>12.13</V><I>5.00</I><W>61.00</W><R></R><S>.0</S><M>0</M>   .0Wh\r\n");
    QTest::newRow("amps 4.96 becomes 5.0 then 5.00")
        << QList<QByteArray>{frame(650, 611.2)}
        << QByteArray("<T>14:05</T><V>13.00</V><I>5.00</I><W>64.00</W><R></R><S>.0</S><M>0</M>   .0Wh\r\n");
    QTest::newRow("amps 5.25 becomes 5.3 then 5.30")
        << QList<QByteArray>{frame(650, 617)}
        << QByteArray("<T>14:05</T><V>13.00</V><I>5.30</I><W>68.00</W><R></R><S>.0</S><M>0</M>   .0Wh\r\n");
    QTest::newRow("half a volt is .50, rpm and wind written")
        << QList<QByteArray>{frame(25, 512, 16.4, 25)}
        << QByteArray("<T>14:05</T><V>.50</V><I>.00</I><W>.00</W><R>246</R><S>13.0</S><M>0</M>   .0Wh\r\n");
    QTest::newRow("means of mixed frames")
        << QList<QByteArray>{frame(650, 577, 20, 9), frame(700, 612, 10, 3)}
        << QByteArray("<T>14:05</T><V>13.50</V><I>4.10</I><W>56.00</W><R>225</R><S>3.0</S><M>0</M>   .0Wh\r\n");
}

void LoggingTest::records()
{
    QFETCH(QList<QByteArray>, frames);
    Logger logger;
    logger.push(frames);
    logger.tick();
    QTEST(logger.day(), "record");
    QCOMPARE(logger.core.logging.sums().count, 0);
    QCOMPARE(logger.view.status, QStringLiteral("COMMS data buffer cleared"));
    QCOMPARE(logger.view.logLampFlashes, 1);
    QCOMPARE(logger.errorLog(), QByteArray());
}

void LoggingTest::intervalLoggedCarriesTheNumbers()
{
    Logger logger;
    QSignalSpy logged(&logger.core.logging, &LoggingCycle::intervalLogged);
    logger.push({frame(650, 611.2), frame(650, 611.2, 20, 9)}); // amps 4.96 each, rpm 0 and 300
    logger.core.energy.tick();
    logger.tick();
    QCOMPARE(logged.size(), 1);
    const auto record = logged[0][0].value<Record>();
    QCOMPARE(record.time, QDateTime(kDay, QTime(14, 5, 10)));
    QCOMPARE(record.means.volts, 13.0);
    QCOMPARE(record.means.amps, 5.0); // 4.96 to one decimal, as every output shows it
    QCOMPARE(record.means.rpm, 150.0);
    QCOMPARE(record.means.windSpeed, 2.0); // 2.25 to a whole number
    QCOMPARE(record.energy, 64.48 / 720);  // the last frame: 13 V x 4.96 A for one tick
    QCOMPARE(record.health.thisInterval.accepted, 2);
    QVERIFY(!record.repeated);
}

void LoggingTest::emptyIntervalRepeatsTheLastMeans()
{
    Logger logger;
    logger.push({frame(650, 577, 20, 9)});
    logger.core.energy.tick();
    logger.tick();
    logger.clock.set(QDateTime(kDay, QTime(14, 6, 10)));
    logger.core.energy.tick();
    logger.tick();
    const QList<QByteArray> lines = logger.day().split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0],
             QByteArray("<T>14:05</T><V>13.00</V><I>3.30</I><W>42.00</W><R>300</R><S>5.0</S><M>0</M>   .1Wh\r"));
    QCOMPARE(lines[1],
             QByteArray("<T>14:06</T><V>13.00</V><I>3.30</I><W>42.00</W><R>300</R><S>5.0</S><M>0</M>   .1Wh\r"));
    QCOMPARE(logger.errorLog(),
             QByteArray("2010_03_07  14:06   No valid data recieved during logging interval   <RB>  <IM> "
                        "[<V>650</V><I>577</I><R>20</R><S>9</S>]\r\n"));
}

void LoggingTest::firstIntervalWithoutFramesWritesZeros()
{
    Logger logger;
    logger.tick();
    QCOMPARE(logger.day(), kEmptyRecord);
    QVERIFY(logger.errorLog().contains(" No valid data recieved during logging interval"));
}

void LoggingTest::startStopStartClearsTheSums()
{
    Logger logger;
    logger.push({frame(700, 612)});
    logger.model.stopLoggingClicked();
    logger.push({frame(700, 612)});
    logger.model.startLoggingClicked(QStringLiteral("60"));
    QCOMPARE(logger.core.logging.sums().count, 0);
    logger.push({frame(600, 612)});
    logger.tick();
    QVERIFY(logger.day().startsWith("<T>14:05</T><V>12.00</V>"));
}

void LoggingTest::startButton_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("logging");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("milliseconds");

    QTest::newRow("abc: message, nothing changes") << "abc" << false << "abc" << 0;
    QTest::newRow("700 becomes 600") << "700" << true << "600" << 600000;
    QTest::newRow("0.5 becomes 1") << "0.5" << true << "1" << 1000;
    QTest::newRow("2.5 s is 2500 ms") << "2.5" << true << "2.5" << 2500;
    QTest::newRow("blanks and exponent") << " 3e1 " << true << " 3e1 " << 30000;
}

void LoggingTest::startButton()
{
    QFETCH(QString, typed);
    QFETCH(bool, logging);
    Logger logger;
    logger.model.stopLoggingClicked();
    logger.view.intervalText = typed; // what the user typed, unless the model corrects it
    logger.model.startLoggingClicked(typed);
    QCOMPARE(logger.model.isLogging(), logging);
    QTEST(logger.view.intervalText, "shown");
    QCOMPARE(logger.prompts.messages,
             logging ? QStringList() : QStringList{"Invalid delay period, needs to be a number between 1 and 600"});
    if (logging)
        QTEST(int(logger.core.logging.interval().count()), "milliseconds");
    QCOMPARE(logger.view.intervalEditable, !logging);
}

void LoggingTest::shortIntervalCaution_data()
{
    QTest::addColumn<QString>("interval");
    QTest::addColumn<bool>("caution");
    QTest::newRow("5 seconds") << "5" << true;
    QTest::newRow("9.9 seconds") << "9.9" << true;
    QTest::newRow("10 seconds") << "10" << false;
    QTest::newRow("60 seconds") << "60" << false;
}

void LoggingTest::shortIntervalCaution()
{
    QFETCH(QString, interval);
    QFETCH(bool, caution);
    Logger logger("0", "0", interval);
    logger.push({frame(650, 577)});
    logger.view.error = QStringLiteral("earlier text");
    logger.tick();
    QCOMPARE(logger.view.error, caution ? QStringLiteral("Caution Logging interval 2 short, Data Overflow may occur")
                                        : QStringLiteral("earlier text"));
}

void LoggingTest::controlsFollowTheLoggingState()
{
    Logger logger;
    QVERIFY(logger.view.logging);
    QVERIFY(!logger.view.intervalEditable);
    logger.model.stopLoggingClicked();
    QVERIFY(!logger.view.logging);
    QVERIFY(logger.view.intervalEditable);
    QVERIFY(!logger.model.isLogging());
}

void LoggingTest::messageLinesToggle()
{
    Logger logger;
    logger.view.error = QStringLiteral("something");
    logger.model.messageLinesToggled(false);
    QVERIFY(!logger.view.messageLinesVisible);
    QCOMPARE(logger.view.error, QString());
    logger.model.messageLinesToggled(true);
    QVERIFY(logger.view.messageLinesVisible);
}

void LoggingTest::energyIntegratesEveryFiveSeconds()
{
    Logger logger;
    for (int tick = 0; tick < 720; ++tick) {
        logger.push({frame(1200, 1112)}); // 24 V, 30 A: 720 W
        logger.core.energy.tick();
        logger.clock.advance(5000);
    }
    QCOMPARE(logger.core.receiver.reading().watts, 720.0);
    QCOMPARE(logger.core.energy.total(), 720.0);
    logger.tick();
    QVERIFY(logger.day().endsWith("</M>   720.0Wh\r\n"));
    QCOMPARE(logger.energyArchive(), QByteArray()); // no midnight within the hour
}

void LoggingTest::midnightWritesExactlyOneLine_data()
{
    QTest::addColumn<QList<QTime>>("ticks"); // first on 7 March, the rest on 8 March
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<double>("total");

    QTest::newRow("ticks at 23:59:58, 00:00:03, 00:00:08, 00:00:13")
        << QList<QTime>{QTime(23, 59, 58), QTime(0, 0, 3), QTime(0, 0, 8), QTime(0, 0, 13)}
        << QByteArray("2010_03_08,00:00  .1 Wh\r\n") << 3 * 100.0 / 720.0;
    QTest::newRow("suspended over midnight") << QList<QTime>{QTime(23, 59, 50), QTime(7, 12, 0)}
                                             << QByteArray("2010_03_08,07:12  .1 Wh\r\n") << 100.0 / 720.0;
}

void LoggingTest::midnightWritesExactlyOneLine()
{
    QFETCH(QList<QTime>, ticks);
    Logger logger;
    for (int i = 0; i < ticks.size(); ++i) {
        logger.clock.set(QDateTime(i == 0 ? kDay : kDay.addDays(1), ticks[i]));
        logger.push({frame(1000, 612)}); // 20 V, 5 A: 100 W
        logger.core.energy.tick();
    }
    QTEST(logger.energyArchive(), "archive");
    QFETCH(double, total);
    QCOMPARE(logger.core.energy.total(), total);
}

// The first tick of a logger started seconds before midnight comes after it.
void LoggingTest::startJustBeforeMidnightClosesThatDay()
{
    Logger logger;
    logger.clock.set(QDateTime(kDay, QTime(23, 59, 59)));
    logger.core.energy.start();
    logger.clock.set(QDateTime(kDay.addDays(1), QTime(0, 0, 4)));
    logger.core.energy.tick();
    QCOMPARE(logger.energyArchive(), QByteArray("2010_03_08,00:00  .0 Wh\r\n"));
}

void LoggingTest::stalePowerIsNotCounted()
{
    Logger logger;
    logger.push({frame(1200, 1112)}); // 720 W: 1 Wh a tick, then the board falls silent
    for (int tick = 0; tick <= 24; ++tick) {
        logger.core.energy.tick();
        logger.clock.advance(5000);
    }
    QCOMPARE(logger.core.energy.total(), 13.0); // the ticks up to a minute after the frame
    logger.push({frame(1200, 1112)});
    logger.core.energy.tick();
    QCOMPARE(logger.core.energy.total(), 14.0);
}

void LoggingTest::exitWritesTheExitLineOnce()
{
    Logger logger;
    for (int tick = 0; tick < 845; ++tick) {
        logger.push({frame(1200, 1112)}); // 720 W: 1 Wh a tick
        logger.core.energy.tick();
    }
    logger.clock.set(QDateTime(kDay, QTime(17, 42, 30)));
    logger.model.end();
    logger.model.end();
    QCOMPARE(logger.energyArchive(), QByteArray("2010_03_07 17:42  845.0 Wh\r\n"));
    QVERIFY(!logger.link.isOpen());
    QVERIFY(!logger.model.isLogging());
}

void LoggingTest::endJustAfterMidnightClosesTheDayFirst_data()
{
    QTest::addColumn<QList<QTime>>("ticks"); // the first on 7 March, the rest on 8 March
    QTest::addColumn<QTime>("end");          // on 8 March
    QTest::addColumn<QByteArray>("archive");
    const QByteArray closed("2010_03_08,00:00  .1 Wh\r\n"); // one tick of 100 W
    QTest::newRow("end at 00:00:01, before the first tick of the day")
        << QList<QTime>{QTime(23, 59, 56)} << QTime(0, 0, 1) << closed + "2010_03_08 00:00  .0 Wh\r\n";
    QTest::newRow("end at 00:00:09, one tick into the day")
        << QList<QTime>{QTime(23, 59, 59), QTime(0, 0, 4)} << QTime(0, 0, 9) << closed + "2010_03_08 00:00  .1 Wh\r\n";
    QTest::newRow("end at 00:00:11, two ticks into the day")
        << QList<QTime>{QTime(23, 59, 56), QTime(0, 0, 1), QTime(0, 0, 6)} << QTime(0, 0, 11)
        << closed + "2010_03_08 00:00  .3 Wh\r\n";
    QTest::newRow("suspended over midnight, ended on waking")
        << QList<QTime>{QTime(23, 59, 50)} << QTime(7, 12, 0)
        << QByteArray("2010_03_08,07:12  .1 Wh\r\n2010_03_08 07:12  .0 Wh\r\n");
}

void LoggingTest::endJustAfterMidnightClosesTheDayFirst()
{
    QFETCH(QList<QTime>, ticks);
    QFETCH(QTime, end);
    Logger logger;
    QSignalSpy closedDays(&logger.core.energy, &EnergyCounter::dayClosed); // what the broker is sent
    for (int i = 0; i < ticks.size(); ++i) {
        logger.clock.set(QDateTime(i == 0 ? kDay : kDay.addDays(1), ticks[i]));
        logger.push({frame(1000, 612)}); // 20 V, 5 A: 100 W
        logger.core.energy.tick();
    }
    logger.clock.set(QDateTime(kDay.addDays(1), end));
    logger.model.end();
    QTEST(logger.energyArchive(), "archive");
    QCOMPARE(closedDays.size(), 1);
    QCOMPARE(closedDays.at(0).at(0).toDate(), kDay);
}

void LoggingTest::recordsAreKeptUntilTheLogsCanBeWritten()
{
    Logger logger;
    // A file where the logs folder should be: neither the folder nor the record can be made.
    QVERIFY(QDir(logger.folder.file("logs")).removeRecursively());
    logger.folder.write("logs", "in the way");
    logger.push({frame(600, 612)});
    logger.tick();
    logger.clock.set(QDateTime(kDay, QTime(14, 6, 10)));
    logger.push({frame(650, 612)});
    logger.tick();
    const QByteArray errors = logger.errorLog();
    QCOMPARE(errors.count("daily log not written"), 1);
    QVERIFY(errors.contains("records are kept until it can be written"));

    QVERIFY(QFile::remove(logger.folder.file("logs")));
    logger.clock.set(QDateTime(kDay, QTime(14, 7, 10)));
    logger.push({frame(700, 612)});
    logger.tick();
    const QList<QByteArray> lines = logger.day().split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith("<T>14:05</T><V>12.00</V>"));
    QVERIFY(lines[1].startsWith("<T>14:06</T><V>13.00</V>"));
    QVERIFY(lines[2].startsWith("<T>14:07</T><V>14.00</V>"));
}

void LoggingTest::historyPageAndSpreadsheet()
{
    Logger logger("1", "1");
    logger.folder.write("html/template.asp", "V=<VV> I=<II> W=<WW> E=<WH> R=<RR> S=<SS> T=<TT> M=<MM>.");
    logger.push({frame(25, 617, 20, 9)}); // 0.5 V keeps its leading zero here
    logger.core.energy.tick();
    logger.tick();
    logger.clock.set(QDateTime(kDay, QTime(14, 6, 10)));
    logger.tick();

    QCOMPARE(logger.folder.read("html/history7_03_2010.txt"),
             QByteArray("0.50V\t\t5.3A\t\t3W\t\t300RPM\t\t5m/s\t\t\t\t14:05:10\r\n"
                        "0.50V\t\t5.3A\t\t3W\t\t300RPM\t\t5m/s\t\t\t\t14:06:10\r\n"));
    QCOMPARE(logger.folder.read("html/log.asp"),
             QByteArray("V=0.50 I=5.3 W=3 E=0.00363888888888889 R=300 S=5 T=14:06:10 M=.\r\n"));
    QCOMPARE(
        logger.folder.read("excel/2010_03_07.xls"),
        QByteArray(
            "<html><body><table><tr><td><b>Volts</b></td><td><b>Amps</b></td><td><b>Watts</b></td>"
            "<td><b>RPM</b></td><td><b>m/s</b></td><td><b>Mode</b></td><td><b>Time</b></td></tr>\r\n\r\n"
            "<tr><td>0.50</td><td>5.3</td><td>3</td><td>300</td><td>5</td><td></td><td>14:05:10</td></tr>\r\n\r\n"
            "<tr><td>0.50</td><td>5.3</td><td>3</td><td>300</td><td>5</td><td></td><td>14:06:10</td></tr>\r\n\r\n"));
}

void LoggingTest::templatePlaceholders_data()
{
    QTest::addColumn<QByteArray>("templateText"); // empty: no template file
    QTest::addColumn<QByteArray>("page");
    QTest::newRow("repeated and lower case") << QByteArray("<VV>|<VV>|<vv>") << QByteArray("13.00|13.00|<vv>\r\n");
    QTest::newRow("no placeholders copied") << QByteArray("<html>plain</html>") << QByteArray("<html>plain</html>\r\n");
    QTest::newRow("missing template") << QByteArray() << QByteArray("\r\n");
}

void LoggingTest::templatePlaceholders()
{
    QFETCH(QByteArray, templateText);
    Logger logger("1");
    if (!templateText.isEmpty())
        logger.folder.write("html/template.asp", templateText);
    logger.push({frame(650, 577)});
    logger.tick();
    QTEST(logger.folder.read("html/log.asp"), "page");
}

void LoggingTest::outputFailuresAreReportedOncePerEpisode_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QString>("otherOutput"); // still written while this one fails
    QTest::newRow("web page") << "html" << QByteArray("web page not written") << "excel/2010_03_07.xls";
    QTest::newRow("spreadsheet") << "excel" << QByteArray("spreadsheet not written") << "html/history7_03_2010.txt";
}

void LoggingTest::outputFailuresAreReportedOncePerEpisode()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, context);
    QFETCH(QString, otherOutput);
    Logger logger("1", "1");
    const auto breakFolder = [&] {
        QVERIFY(QDir(logger.folder.file(folder)).removeRecursively());
        logger.folder.write(folder, "in the way"); // a file where the folder should be
    };
    breakFolder();
    for (int interval = 0; interval < 3; ++interval) {
        logger.push({frame(650, 577)});
        logger.tick();
    }
    QCOMPARE(logger.errorLog().count(context), 1);
    QVERIFY(logger.folder.read(otherOutput).contains("13.00"));
    QCOMPARE(logger.day().count("\n"), 3); // the daily log never waits for the outputs

    QVERIFY(QFile::remove(logger.folder.file(folder)));
    QVERIFY(QDir(logger.folder.path()).mkdir(folder));
    logger.tick(); // written again: the episode is over
    breakFolder();
    logger.tick();
    QCOMPARE(logger.errorLog().count(context), 2);
}

void LoggingTest::heldRecordsAreNotLostAtTheEnd_data()
{
    QTest::addColumn<bool>("writableAtTheEnd");
    QTest::newRow("written at the end") << true;
    QTest::newRow("still blocked: one error entry a record") << false;
}

void LoggingTest::heldRecordsAreNotLostAtTheEnd()
{
    QFETCH(bool, writableAtTheEnd);
    Logger logger;
    QVERIFY(QDir(logger.folder.file("logs")).removeRecursively());
    logger.folder.write("logs", "in the way");
    logger.push({frame(600, 612)});
    logger.tick();
    logger.clock.set(QDateTime(kDay, QTime(14, 6, 10)));
    logger.push({frame(650, 612)});
    logger.tick();
    if (writableAtTheEnd)
        QVERIFY(QFile::remove(logger.folder.file("logs")));
    logger.model.end();

    const QByteArray first("<T>14:05</T><V>12.00</V><I>5.00</I><W>60.00</W><R></R><S>.0</S><M>0</M>   .0Wh");
    const QByteArray second("<T>14:06</T><V>13.00</V><I>5.00</I><W>65.00</W><R></R><S>.0</S><M>0</M>   .0Wh");
    const QByteArray errors = logger.errorLog();
    if (writableAtTheEnd) {
        QCOMPARE(logger.day(), first + "\r\n" + second + "\r\n");
        QCOMPARE(errors.count("daily log not written"), 1);
        return;
    }
    const QList<QByteArray> entries = errors.split('\n');
    QCOMPARE(entries.size(), 5); // the episode's entry, one for each record, the exit line, the end
    QVERIFY(entries[1].startsWith("2010_03_07  14:06  daily log not written  "));
    QVERIFY(entries[1].contains("; the record for P_2010_03_07.txt was: " + first + " <RB> "));
    QVERIFY(entries[2].contains("; the record for P_2010_03_07.txt was: " + second + " <RB> "));
}

void LoggingTest::firstTickOfTheDayClosesYesterday_data()
{
    QTest::addColumn<bool>("energyTickFirst");
    QTest::newRow("logging tick first") << false;
    QTest::newRow("energy tick first") << true;
}

void LoggingTest::firstTickOfTheDayClosesYesterday()
{
    QFETCH(bool, energyTickFirst);
    Logger logger;
    logger.clock.set(QDateTime(kDay, QTime(23, 59, 58)));
    logger.push({frame(1000, 612)}); // 100 W
    logger.core.energy.tick();
    logger.clock.set(QDateTime(kDay.addDays(1), QTime(0, 0, 2)));
    logger.push({frame(1000, 612)});
    if (energyTickFirst)
        logger.core.energy.tick();
    logger.tick();
    if (!energyTickFirst)
        logger.core.energy.tick();
    QCOMPARE(logger.energyArchive(), QByteArray("2010_03_08,00:00  .1 Wh\r\n"));
    QVERIFY2(logger.day("2010_03_08").endsWith(energyTickFirst ? "   .1Wh\r\n" : "   .0Wh\r\n"),
             logger.day("2010_03_08").constData());
}

void LoggingTest::repeatedStartUpKeepsTheEnergy()
{
    Logger logger;
    logger.push({frame(1200, 1112)}); // 720 W: 1 Wh a tick
    logger.core.energy.tick();
    logger.model.startUp(); // what the port-problem loop runs again
    QCOMPARE(logger.core.energy.total(), 1.0);
}

void LoggingTest::onlyDailyLogWhenOutputsAreOff()
{
    Logger logger("0", "0");
    logger.push({frame(650, 577)});
    logger.tick();
    QCOMPARE(QDir(logger.folder.file("html")).entryList(QDir::Files), QStringList());
    QCOMPARE(QDir(logger.folder.file("excel")).entryList(QDir::Files), QStringList());
    QCOMPARE(QDir(logger.folder.file("logs")).entryList(QDir::Files), QStringList{"P_2010_03_07.txt"});
}

QTEST_GUILESS_MAIN(LoggingTest)
#include "tst_logging.moc"
