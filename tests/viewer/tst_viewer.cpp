// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfolder.h"
#include "screenreader.h"
#include "scriptedprompts.h"
#include "viewer/csvexport.h"
#include "viewer/dayloader.h"
#include "viewer/plotmodel.h"
#include "viewer/ui/graph.h"
#include "viewer/ui/plotwidget.h"
#include "widgets/elidedlabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextDocumentFragment>

#include <functional>

using namespace Brolant;

namespace {
QByteArray record(const char *time, const char *volts = "13.00", const char *amps = "2.00", const char *watts = "26.00",
                  const char *rpm = "245", const char *wind = "12.0")
{
    return QByteArray("<T>") + time + "</T><V>" + volts + "</V><I>" + amps + "</I><W>" + watts + "</W><R>" + rpm
           + "</R><S>" + wind + "</S><M>0</M>   1.0Wh\r\n";
}

QByteArray minutes(int count, int fromMinute = 1, const char *watts = "100.00")
{
    QByteArray day;
    for (int m = fromMinute; m < fromMinute + count; ++m)
        day += record(QTime(0, 0).addSecs(m * 60).toString("HH:mm").toLatin1(), "13.00", "2.00", watts);
    return day;
}

// A log viewer over a temporary program folder, its window real but its messages recorded.
struct Viewer
{
    ProgramFolder folder;
    ScriptedPrompts messages;
    ViewerSession session;
    std::unique_ptr<Graph> graph;

    explicit Viewer(const QByteArray &day = minutes(100))
    {
        folder.writeProgramConfig("0", "0", "60");
        QDir(folder.path()).mkpath("logs");
        QDir(folder.path()).mkpath("excel");
        folder.write("logs/P_2010_03_07.txt", day);
        open();
    }
    void open()
    {
        graph = std::make_unique<Graph>(folder.path(), session, messages);
        graph->show();
    }
    GraphModel &model() { return graph->model(); }
    QString text(const char *name) const { return graph->findChild<QWidget *>(name)->property("text").toString(); }
    QListWidget *list(const char *name) const { return graph->findChild<QListWidget *>(name); }
    // A click on a row of the file list, as the user makes it.
    void clickFile(int row) const
    {
        QListWidget *files = list("File1");
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(row)).center());
    }
};

// What a tooltip shows: rich text rendered, plain text as it is.
QString shownTooltip(const QString &tooltip)
{
    return Qt::mightBeRichText(tooltip) ? QTextDocumentFragment::fromHtml(tooltip).toPlainText() : tooltip;
}
} // namespace

class ViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void loading_data();
    void loading();
    void recordLimit();
    void viewerOnlyReads();
    void fiftyMegabyteDayFile();
    void badInputGivesAMessage_data();
    void badInputGivesAMessage();
    void plotNumbers();
    void fittedScales();
    void readoutAndZoom();
    void pressWithoutZoomChangesNothing_data();
    void pressWithoutZoomChangesNothing();
    void clickOnThePlotNeverZooms();
    void returnInTheFileListLoadsOnce_data();
    void returnInTheFileListLoadsOnce();
    void oneRecordDayShowsItsOwnTimes();
    void dayIsReadFromTheFolderShown_data();
    void dayIsReadFromTheFolderShown();
    void longAndOddNamesShownWhole();
    void everyStepOfAViewIsDrawn();
    void switchesRedrawWhateverChangesThem_data();
    void switchesRedrawWhateverChangesThem();
    void csvExport();
    void exportOfNothingKeepsAnEarlierFile();
    void clickDragExportThroughTheWidgets();
    void historyWeighsByTheLoggedInterval_data();
    void historyWeighsByTheLoggedInterval();
    void energyUsesTheDaysOwnInterval_data();
    void energyUsesTheDaysOwnInterval();
    void shortViewWeighsRecordsAsItsDay_data();
    void shortViewWeighsRecordsAsItsDay();
    void failedLoadLeavesNothingOfTheEarlierDay_data();
    void failedLoadLeavesNothingOfTheEarlierDay();
    void everySpikeIsDrawn();
    void screenReaderHearsWhatIsShown();
};

void ViewerTest::loading_data()
{
    QTest::addColumn<QByteArray>("day");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("firstVolts");
    QTest::addColumn<double>("firstRpm");

    QTest::newRow("00:00 and 23:59 left out")
        << record("00:00") + record("12:00") + record("23:59") << 1 << 13.0 << 245.0;
    QTest::newRow("empty and abc fields are 0") << record("12:00", "", "abc") << 1 << 0.0 << 245.0;
    QTest::newRow("rpm 600 loads as 0, 500 stays")
        << record("12:00", "13", "2", "26", "600") + record("12:01", "13", "2", "26", "500") << 2 << 13.0 << 0.0;
    QTest::newRow("lines without a valid time skipped")
        << QByteArray("junk\r\n\r\n<T>25:00</T><V>9</V>\r\n") + record("12:00") << 1 << 13.0 << 245.0;
    QTest::newRow("a value beyond any measurement is 0")
        << record("12:00", "1e300", "2", "-1e300") << 1 << 0.0 << 245.0;
    QTest::newRow("closing tag first is a missing field") << QByteArray("<T>12:00</T></V>14<V>\r\n") << 1 << 0.0 << 0.0;
}

void ViewerTest::loading()
{
    QFETCH(QByteArray, day);
    DayRecords records;
    const auto outcome = DayLoader::load(day, 0, 23 * 3600 + 59 * 60, records);
    QCOMPARE(outcome, DayLoader::Outcome::Loaded);
    QTEST(records.count, "count");
    QTEST(records.value(DayRecords::Volts, 1), "firstVolts");
    QTEST(records.value(DayRecords::Rpm, 1), "firstRpm");
}

void ViewerTest::recordLimit()
{
    QByteArray day;
    for (int s = 1; s <= 10000; ++s)
        day += record(QTime(0, 0).addSecs(s).toString("HH:mm:ss").toLatin1());
    DayRecords records;
    QCOMPARE(DayLoader::load(day, 0, 86399, records), DayLoader::Outcome::TooMany);
    QCOMPARE(DayLoader::load(day, 1, 86399, records), DayLoader::Outcome::Loaded);
    QCOMPARE(records.count, 9999);

    Viewer viewer(day);
    viewer.model().fileClicked("P_2010_03_07.txt");
    QCOMPARE(viewer.messages.messages, QStringList{DayLoader::tooManyMessage()});
    QVERIFY(viewer.messages.messages.first().endsWith("in the future. "));
    QCOMPARE(viewer.model().range().last, 0.0);
}

void ViewerTest::viewerOnlyReads()
{
    Viewer viewer;
    viewer.folder.write("logs/Whours.txt", "2010_03_07 17:42  845.2 Wh\r\n");
    viewer.model().fileClicked("Whours.txt");
    viewer.model().fileClicked("P_2010_03_06.txt");
    viewer.model().fileClicked("P_2010_03_07.txt");
    QCOMPARE(viewer.messages.messages, QStringList(2, "No data for that date"));
    QCOMPARE(viewer.folder.read("logs/Whours.txt"), QByteArray("2010_03_07 17:42  845.2 Wh\r\n"));
    QCOMPARE(viewer.folder.read("logs/P_2010_03_07.txt"), minutes(100));
    QVERIFY(!QFile::exists(viewer.folder.file("logs/P_2010_03_06.txt")));
}

void ViewerTest::fiftyMegabyteDayFile()
{
    QByteArray day;
    const QByteArray line = record("12:00");
    day.reserve(50 * 1024 * 1024 + line.size());
    while (day.size() < 50 * 1024 * 1024)
        day += line;
    Viewer viewer(day);
    viewer.model().fileClicked("P_2010_03_07.txt");
    QCOMPARE(viewer.messages.messages, QStringList{DayLoader::tooManyMessage()});
    viewer.model().displayClicked({"12", "30", "23", "59"}); // nothing after 12:00: a range the user can use
    QCOMPARE(viewer.messages.messages.last(), QStringLiteral("No data for that date"));
}

void ViewerTest::badInputGivesAMessage_data()
{
    QTest::addColumn<QByteArray>("config"); // empty: keep the good one
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hour ab") << QByteArray() << "ab"
                             << "is not a range of times of day";
    QTest::newRow("hour 25") << QByteArray() << "25"
                             << "is not a range of times of day";
    QTest::newRow("no prog.cfg") << QByteArray("gone") << "00"
                                 << "could not use them";
    QTest::newRow("LogDelay abc") << QByteArray("<LogDelay>abc</LogDelay><SV>12</SV><MA>20</MA><WSUnits></WSUnits>")
                                  << "00"
                                  << "not a number";
    QTest::newRow("SV abc") << QByteArray("<LogDelay>60</LogDelay><SV>abc</SV><MA>20</MA><WSUnits></WSUnits>") << "00"
                            << "SV is not a number";
}

void ViewerTest::badInputGivesAMessage()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, hour);
    Viewer viewer;
    if (config == "gone")
        QFile::remove(viewer.folder.file("prog.cfg"));
    else if (!config.isEmpty())
        viewer.folder.write("prog.cfg", config);
    viewer.open();
    viewer.model().displayClicked({hour, "00", "23", "59"});
    QFETCH(QString, expected);
    QCOMPARE(viewer.messages.messages.size(), 1);
    QVERIFY2(viewer.messages.messages.first().contains(expected), qPrintable(viewer.messages.messages.first()));
    QCOMPARE(viewer.model().range().last, 0.0);
}

void ViewerTest::plotNumbers()
{
    DayRecords records;
    QCOMPARE(DayLoader::load(minutes(10), 0, 86000, records), DayLoader::Outcome::Loaded);
    ViewerSettings settings;
    settings.logDelay = QStringLiteral("60");
    settings.voltScaleMax = 12 * 70.0 / 48.0;
    settings.maxAmps = 20;
    settings.wsUnits = QStringLiteral("m/s");
    PlotModel plot;
    const auto picture = plot.redraw(records, {1, 10}, PlotOptions(), settings);
    QVERIFY(picture);
    QCOMPARE(picture->width, 9.0);
    QCOMPARE(plot.energy(), 15.0); // 9 records x 100 W x 60 s: the first is left out
    const PlotTexts &texts = plot.texts();
    QCOMPARE(texts.energy, QStringLiteral("15 Wh"));
    QCOMPARE(QList<QString>(texts.tops.begin(), texts.tops.end()),
             (QList<QString>{"17.50 V", "20.0 A", "1000 W", "400 RPM", "100 m/s"}));
    QCOMPARE(QList<QString>(texts.bottoms.begin(), texts.bottoms.end()),
             (QList<QString>{"0.00 V", "0.0 A", "0 W", "0 RPM", "0 m/s"}));
    QCOMPARE(texts.start, QStringLiteral("00:01"));
    QCOMPARE(texts.finish, QStringLiteral("00:10"));
    QCOMPARE(picture->lines.size(), 4); // wind speed is off at first
    QCOMPARE(picture->lines[0].points.size(), 10);

    const SeriesScale twelveToFourteen{12.0, 14.0, 2.1};
    QCOMPARE(PlotModel::y(twelveToFourteen, 14.0), 0.05);
    QCOMPARE(PlotModel::y(twelveToFourteen, 13.0), 1.05);
    QCOMPARE(PlotModel::y(twelveToFourteen, 12.0), 2.05);

    // One record: no line, but its own times and total.
    const auto one = plot.redraw(records, {1, 1}, PlotOptions(), settings);
    QVERIFY(one);
    QCOMPARE(one->width, 0.0);
    QCOMPARE(plot.texts().finish, QStringLiteral("00:01"));
    QCOMPARE(plot.texts().energy, QStringLiteral("0 Wh"));
    QVERIFY(!plot.redraw(records, {0, 0}, PlotOptions(), settings)); // nothing loaded in this opening
}

void ViewerTest::fittedScales()
{
    const QByteArray day = record("01:00", "12.1", "-2", "-30") + record("01:01", "14.2", "3", "40")
                           + record("01:02", "40", "3", "40");
    DayRecords records;
    DayLoader::load(day, 0, 86000, records);
    ViewerSettings settings;
    settings.logDelay = QStringLiteral("60");
    settings.voltScaleMax = 35.0;
    settings.maxAmps = 20;
    PlotOptions options;
    options.scaled = false;
    PlotModel plot;
    auto picture = plot.redraw(records, {1, 2}, options, settings);
    QCOMPARE(plot.scales()[DayRecords::Volts].bottom, 12.1);
    QCOMPARE(plot.scales()[DayRecords::Volts].top, 14.2);
    QVERIFY(qAbs(plot.scales()[DayRecords::Volts].height - 2.1 * 1.05) < 1e-9);
    QVERIFY(picture->ampsZero);
    QVERIFY(picture->wattsZero);
    picture = plot.redraw(records, {2, 3}, options, settings);
    QCOMPARE(plot.scales()[DayRecords::Volts].bottom, 14.2);
    picture = plot.redraw(records, {2.6, 3.4}, options, settings);
    QCOMPARE(plot.scales()[DayRecords::Volts].bottom, 35.0); // above the ceiling, bottom stays at it
    QCOMPARE(plot.texts().tops[DayRecords::Volts], QStringLiteral("40.00 V"));
    QCOMPARE(picture->lines[0].points[0].y(), 0.125); // (40 - 40) + 5 / 40
    QCOMPARE(picture->lines[1].points[0].y(), 1.0);   // amps 3 to 3: a flat line at mid-height
}

void ViewerTest::readoutAndZoom()
{
    Viewer viewer;
    viewer.model().fileClicked("P_2010_03_07.txt");
    QCOMPARE(viewer.model().range().last, 100.0);
    viewer.model().pointerMoved(4.7);
    QCOMPARE(viewer.text("vt"), QStringLiteral("00:05"));
    QCOMPARE(viewer.text("vv"), QStringLiteral("13 V"));
    QCOMPARE(viewer.text("wv"), QStringLiteral("100 W"));

    viewer.model().pointerMoved(10.3 - 1.0);
    viewer.model().pressed(10.3);
    QVERIFY(viewer.model().dragActive());
    viewer.model().pointerMoved(20.6 - 10.3);
    viewer.model().released(20.6);
    // Strictly between the times of records 10 and 21: records 11 to 20.
    QCOMPARE(viewer.model().range().last, 10.0);
    QCOMPARE(viewer.text("stime"), QStringLiteral("00:11"));
    QCOMPARE(viewer.text("ftime"), QStringLiteral("00:20"));
    QVERIFY(!viewer.model().dragActive());
}

void ViewerTest::pressWithoutZoomChangesNothing_data()
{
    QTest::addColumn<int>("moved");                      // pixels to the right of the press, at the plot's middle
    QTest::addColumn<QList<Qt::MouseButton>>("buttons"); // pressed in this order, then released so
    const QList<Qt::MouseButton> left{Qt::LeftButton};
    QTest::newRow("plain click") << 0 << left;
    QTest::newRow("release left of the press") << -185 << left;
    QTest::newRow("hand moved a pixel") << 1 << left;
    QTest::newRow("hand moved just under a drag") << QApplication::startDragDistance() - 1 << left;
    QTest::newRow("left and right buttons") << 0 << QList<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton};
}

void ViewerTest::pressWithoutZoomChangesNothing()
{
    QFETCH(int, moved);
    QFETCH(QList<Qt::MouseButton>, buttons);
    Viewer viewer;
    viewer.clickFile(0);
    const QStringList boxes = viewer.graph->times();
    QCOMPARE(boxes, (QStringList{"00", "01", "01", "40"}));
    QWidget *plot = viewer.graph->findChild<QWidget *>("Plot");
    const QPoint pressAt(plot->width() / 2, 50);
    const QPoint releaseAt = pressAt + QPoint(moved, 0);
    QTest::mouseMove(plot, pressAt);
    for (Qt::MouseButton button : buttons)
        QTest::mousePress(plot, button, {}, pressAt);
    QTest::mouseMove(plot, releaseAt);
    for (Qt::MouseButton button : buttons)
        QTest::mouseRelease(plot, button, {}, releaseAt);
    QCOMPARE(viewer.graph->times(), boxes);
    QCOMPARE(viewer.model().range().first, 1.0);
    QCOMPARE(viewer.model().range().last, 100.0);

    // The plot, its total and the export still agree on the whole day.
    auto *windSpeed = viewer.graph->findChild<QCheckBox *>("Check5");
    windSpeed->setFocus();
    QTest::keyClick(windSpeed, Qt::Key_Space);
    QVERIFY(windSpeed->isChecked());
    QCOMPARE(viewer.text("stime"), QStringLiteral("00:01"));
    QCOMPARE(viewer.text("watts"), QStringLiteral("165 Wh"));
    // Typed into the boxes but not displayed: the export is still named for the view shown.
    viewer.graph->findChild<QLineEdit *>("Time1h")->setText("12");
    QTest::mouseClick(viewer.graph->findChild<QPushButton *>("CSV"), Qt::LeftButton);
    QCOMPARE(viewer.messages.messages, QStringList{"Done"});
    QCOMPARE(viewer.folder.read("excel/P_2010_03_07_0001_0140.csv").count("\r\n"), 101);
}

void ViewerTest::clickOnThePlotNeverZooms()
{
    Viewer viewer;
    viewer.model().fileClicked("P_2010_03_07.txt");
    QWidget *plot = viewer.graph->findChild<QWidget *>("Plot");
    const QStringList boxes = viewer.graph->times();
    QStringList zoomedAt;
    for (int x = 0; x < plot->width(); ++x) {
        const QPoint at(x, plot->height() / 2);
        QTest::mouseMove(plot, at);
        QTest::mousePress(plot, Qt::LeftButton, {}, at);
        QTest::mouseRelease(plot, Qt::LeftButton, {}, at);
        if (viewer.model().range().first != 1.0 || viewer.model().range().last != 100.0
            || viewer.graph->times() != boxes || !viewer.messages.messages.isEmpty()) {
            zoomedAt << QString::number(x);
            viewer.messages.messages.clear();
            viewer.model().fileClicked("P_2010_03_07.txt");
        }
    }
    QVERIFY2(zoomedAt.isEmpty(), qPrintable("a click changed the view at pixels " + zoomedAt.join(", ")));
}

void ViewerTest::returnInTheFileListLoadsOnce_data()
{
    QTest::addColumn<QByteArray>("day");
    QTest::addColumn<QString>("finish");
    QTest::addColumn<QString>("energy");
    QTest::newRow("100 records") << minutes(100) << "01:40"
                                 << "165 Wh";
    QTest::newRow("two records") << minutes(2) << "00:02"
                                 << "2 Wh";
}

void ViewerTest::returnInTheFileListLoadsOnce()
{
    QFETCH(QByteArray, day);
    Viewer viewer(day);
    QListWidget *files = viewer.list("File1");
    files->setFocus();
    files->setCurrentRow(0);
    QTest::keyClick(files, Qt::Key_Return);
    QCOMPARE(viewer.messages.messages, QStringList());
    QCOMPARE(viewer.text("stime"), QStringLiteral("00:01"));
    QTEST(viewer.text("ftime"), "finish");
    QTEST(viewer.text("watts"), "energy");
}

void ViewerTest::oneRecordDayShowsItsOwnTimes()
{
    Viewer viewer;
    viewer.folder.write("logs/P_2010_03_08.txt", record("00:50"));
    viewer.open();
    viewer.clickFile(0);
    QCOMPARE(viewer.text("watts"), QStringLiteral("165 Wh"));
    viewer.clickFile(1);
    QCOMPARE(viewer.text("text1"), QStringLiteral("P_2010_03_08.txt"));
    QCOMPARE(viewer.text("stime"), QStringLiteral("00:50"));
    QCOMPARE(viewer.text("ftime"), QStringLiteral("00:50"));
    QCOMPARE(viewer.text("watts"), QStringLiteral("0 Wh"));
    QCOMPARE(viewer.graph->times(), (QStringList{"00", "50", "00", "50"}));
    QTest::mouseClick(viewer.graph->findChild<QPushButton *>("CSV"), Qt::LeftButton);
    QCOMPARE(viewer.folder.read("excel/P_2010_03_08_0050_0050.csv"),
             QByteArray("TIME,VOLTS,AMPS,WATTS,RPM,SPEED\r\n00:50,13.00,2.00,26.00,245,12.0\r\n"));
}

void ViewerTest::dayIsReadFromTheFolderShown_data()
{
    QTest::addColumn<QByteArray>("way"); // how the folder is opened
    QTest::newRow("Return") << QByteArray("Return");
    QTest::newRow("a click") << QByteArray("click");
    QTest::newRow("a double click opens it once") << QByteArray("double click");
}

void ViewerTest::dayIsReadFromTheFolderShown()
{
    QFETCH(QByteArray, way);
    Viewer viewer;
    viewer.folder.write("logs/archive/P_2010_03_07.txt", minutes(3, 600));
    // Where a double click's second click lands once the archive is listed.
    QDir(viewer.folder.path()).mkpath("logs/archive/older");
    viewer.open();
    QListWidget *folders = viewer.list("Dir1");
    const QList<QListWidgetItem *> archive = folders->findItems("archive", Qt::MatchExactly);
    QCOMPARE(archive.size(), 1);
    const QPoint at = folders->visualItemRect(archive.first()).center();
    folders->setFocus();
    if (way == "Return") {
        folders->setCurrentItem(archive.first());
        QTest::keyClick(folders, Qt::Key_Return);
    } else {
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, at);
        if (way == "double click") {
            QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(folders->viewport(), Qt::LeftButton, {}, at);
        }
    }
    // The folder shown chosen is the one whose files are listed.
    QCOMPARE(folders->currentItem()->text(), QDir::toNativeSeparators(viewer.folder.file("logs/archive")));
    QCOMPARE(viewer.list("File1")->count(), 1);
    viewer.clickFile(0);
    QCOMPARE(viewer.text("text1"), QStringLiteral("P_2010_03_07.txt"));
    QCOMPARE(viewer.session.records.count, 3);
    QCOMPARE(viewer.text("stime"), QStringLiteral("10:00"));
    // The day stays the one shown, wherever the folder list goes next.
    QTest::keyClick(folders, Qt::Key_Up);
    QTest::keyClick(folders, Qt::Key_Return);
    QTest::mouseClick(viewer.graph->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QCOMPARE(viewer.session.records.count, 1); // 10:00 and 10:02 are now the limits
    QCOMPARE(viewer.messages.messages, QStringList());
}

void ViewerTest::longAndOddNamesShownWhole()
{
    // A program folder whose path is far wider than the list, with a name that reads as markup.
    ProgramFolder folder;
    const QString program = folder.file("<b>" + QString(60, u'x') + "</b>/brolant");
    QDir().mkpath(program + "/logs");
    const QString day = "P_2010_03_07_from_the_old_laptop_before_the_move.txt";
    QFile file(program + "/logs/" + day);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(minutes(10));
    file.close();
    ScriptedPrompts messages;
    ViewerSession session;
    Graph graph(program, session, messages);
    graph.show();

    auto *folders = graph.findChild<QListWidget *>("Dir1");
    const QString logs = QDir::toNativeSeparators(program + "/logs");
    QListWidgetItem *path = folders->currentItem();
    QCOMPARE(path->text(), logs);
    QVERIFY(folders->fontMetrics().horizontalAdvance(logs) > folders->viewport()->width());
    // Drawn within the list, so its middle is what gives way, never the folder's own name.
    QVERIFY(!folders->horizontalScrollBar()->isVisible());
    QVERIFY(folders->visualItemRect(path).width() <= folders->viewport()->width());
    QCOMPARE(shownTooltip(path->toolTip()), logs);

    auto *files = graph.findChild<QListWidget *>("File1");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    auto *name = graph.findChild<ElidedLabel *>("text1");
    QVERIFY(name);
    QCOMPARE(name->text(), day);
    QVERIFY(name->shownText().startsWith("P_2010_"));
    QVERIFY(name->shownText().endsWith(".txt"));
    QVERIFY(name->shownText().contains(QChar(0x2026)));
    QCOMPARE(shownTooltip(name->toolTip()), day);
}

void ViewerTest::everyStepOfAViewIsDrawn()
{
    // A view starting where a press on pixel 3 of 741 put it, ten records wide: adding 1 ten
    // times to its start falls short of its end.
    DayRecords records;
    DayLoader::load(minutes(100), 0, 86000, records);
    ViewerSettings settings;
    settings.logDelay = QStringLiteral("60");
    const double first = 3.0 / 741.0 * 99.0;
    PlotModel plot;
    const auto picture = plot.redraw(records, {first, first + 10.0}, PlotOptions(), settings);
    QVERIFY(picture);
    QCOMPARE(picture->lines[0].points.size(), 11);
    QCOMPARE(picture->lines[0].points.last().x(), 10.0);
    QCOMPARE(plot.texts().energy, QStringLiteral("17 Wh")); // 10 records x 100 W x 60 s
}

void ViewerTest::switchesRedrawWhateverChangesThem_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("way");
    for (const char *box : {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6"})
        QTest::addRow("%s by a screen reader's Toggle", box) << QString(box) << QByteArray("Toggle");
    QTest::newRow("Check3 by the space bar") << "Check3" << QByteArray("space bar");
    QTest::newRow("Check6 by the mouse") << "Check6" << QByteArray("mouse");
}

void ViewerTest::switchesRedrawWhateverChangesThem()
{
    QFETCH(QString, box);
    QFETCH(QByteArray, way);
    Viewer viewer;
    viewer.model().fileClicked("P_2010_03_07.txt");
    QWidget *plot = viewer.graph->findChild<QWidget *>("Plot");
    auto *check = viewer.graph->findChild<QCheckBox *>(box);
    const QImage before = plot->grab().toImage();
    const bool ticked = check->isChecked();
    QVERIFY(changeBy(check, way));
    QCOMPARE(check->isChecked(), !ticked);
    QVERIFY(plot->grab().toImage() != before);
    QVERIFY(changeBy(check, way));
    QCOMPARE(plot->grab().toImage(), before);
}

void ViewerTest::csvExport()
{
    DayRecords records;
    DayLoader::load(record("06:15", "13.456", "2.1", "28.25", "0", "12.34")
                        + record("06:16", "0.5", "0", "0", "0", "0"),
                    0, 86000, records);
    QCOMPARE(
        CsvExport::text(records, {1, 2}),
        QStringLiteral("TIME,VOLTS,AMPS,WATTS,RPM,SPEED\r\n06:15,13.46,2.10,28.25,,12.3\r\n06:16,.50,.00,.00,,.0\r\n"));
    QCOMPARE(CsvExport::fileName("P_2010_03_07.txt", records, {1, 2}), QStringLiteral("P_2010_03_07_0615_0616.csv"));
    QCOMPARE(CsvExport::fileName("P_2010_03_07.txt", records, {1.4, 1.6}),
             QStringLiteral("P_2010_03_07_0615_0616.csv"));
    QVERIFY(!CsvExport::fileName("", records, {1, 2}));
    QVERIFY(!CsvExport::fileName("noname", records, {1, 2}));
}

void ViewerTest::exportOfNothingKeepsAnEarlierFile()
{
    Viewer viewer(QByteArray("nothing here\r\n"));
    viewer.folder.write("excel/P_2010_03_07_0000_2359.csv", "earlier export");
    viewer.model().fileClicked("P_2010_03_07.txt");
    viewer.model().exportClicked();
    QCOMPARE(viewer.messages.messages, (QStringList{"No data for that date", "No data for that date"}));
    QCOMPARE(viewer.folder.read("excel/P_2010_03_07_0000_2359.csv"), QByteArray("earlier export"));
}

void ViewerTest::clickDragExportThroughTheWidgets()
{
    Viewer viewer;
    auto *files = viewer.graph->findChild<QListWidget *>("File1");
    QCOMPARE(files->count(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    QCOMPARE(viewer.text("text1"), QStringLiteral("P_2010_03_07.txt"));
    QCOMPARE(viewer.text("stime"), QStringLiteral("00:01"));
    QCOMPARE(viewer.text("watts"), QStringLiteral("165 Wh"));

    QWidget *plot = viewer.graph->findChild<QWidget *>("Plot");
    const int w = plot->width();
    QTest::mouseMove(plot, QPoint(w / 4, 50));
    QTest::mousePress(plot, Qt::LeftButton, {}, QPoint(w / 4, 50));
    QTest::mouseMove(plot, QPoint(w / 2, 50));
    QTest::mouseRelease(plot, Qt::LeftButton, {}, QPoint(w / 2, 50));
    const double shown = viewer.model().range().last;
    QVERIFY2(shown > 20 && shown < 30, qPrintable(QString::number(shown)));

    auto *scaled = viewer.graph->findChild<QCheckBox *>("Check6");
    QTest::mouseClick(scaled, Qt::LeftButton);
    QCOMPARE(scaled->text(), QStringLiteral("Unscaled"));
    QCOMPARE(viewer.text("VMax1"), QStringLiteral("13.00 V"));

    QTest::mouseClick(viewer.graph->findChild<QPushButton *>("CSV"), Qt::LeftButton);
    QCOMPARE(viewer.messages.messages, QStringList{"Done"});
    const QStringList boxes = viewer.graph->times();
    const QByteArray csv = viewer.folder.read("excel/P_2010_03_07_" + boxes[0] + boxes[1] + "_" + boxes[2] + boxes[3]
                                              + ".csv");
    QCOMPARE(csv.count("\r\n"), int(shown) + 1);

    // Closing and opening again keeps the day loaded.
    viewer.open();
    QCOMPARE(viewer.session.records.count, int(shown));
}

void ViewerTest::historyWeighsByTheLoggedInterval_data()
{
    QTest::addColumn<QString>("logDelay");
    QTest::addColumn<double>("seconds");
    QTest::newRow("as written") << "60" << 60.0;
    QTest::newRow("longer than the logger logs") << "9999" << 600.0;
    QTest::newRow("shorter than the logger logs") << "0.2" << 1.0;
    QTest::newRow("no number") << "abc" << 0.0;
}

// A record whose step the log does not show (a lone one) stands for the interval the logger
// logged at, not for a LogDelay it never used.
void ViewerTest::historyWeighsByTheLoggedInterval()
{
    QFETCH(QString, logDelay);
    QFETCH(double, seconds);
    ViewerSettings settings;
    settings.logDelay = logDelay;
    QCOMPARE(settings.logDelaySeconds(), seconds);
}

void ViewerTest::energyUsesTheDaysOwnInterval_data()
{
    QTest::addColumn<int>("seconds");    // the interval the day was logged at
    QTest::addColumn<int>("pauseAfter"); // records before a three-hour pause; 0 for none
    QTest::addColumn<QString>("energy"); // 100 W throughout; prog.cfg says 60 s today
    // 1,439 steps of 5 s from 08:00:05 to 10:00:00: 199.9 Wh, the minutes of the times give 200.
    QTest::newRow("logged every 5 s") << 5 << 0 << "200 Wh";
    QTest::newRow("logged every 600 s") << 600 << 0 << "983 Wh"; // 59 steps of 10 minutes
    QTest::newRow("600 s with a pause") << 600 << 30 << "983 Wh";
}

void ViewerTest::energyUsesTheDaysOwnInterval()
{
    QFETCH(int, seconds);
    QFETCH(int, pauseAfter);
    const int records = seconds == 5 ? 1440 : 60;
    QByteArray day;
    QTime at(8, 0);
    for (int n = 1; n <= records; ++n) {
        at = at.addSecs(pauseAfter > 0 && n == pauseAfter + 1 ? 3 * 3600 : seconds);
        day += record(at.toString("HH:mm").toLatin1(), "20.00", "5.00", "100.00");
    }
    Viewer viewer(day);
    viewer.model().fileClicked("P_2010_03_07.txt");
    QTEST(viewer.text("watts"), "energy");
}

void ViewerTest::shortViewWeighsRecordsAsItsDay_data()
{
    QTest::addColumn<QString>("logDelay"); // prog.cfg today
    QTest::addColumn<QStringList>("view");
    QTest::addColumn<QString>("energy");
    // A day logged every 5 s at 1000 W: every record but the view's first stands for 5 s.
    QTest::newRow("24 records") << "60" << QStringList{"10", "10", "10", "13"} << "32 Wh";
    QTest::newRow("36 records") << "60" << QStringList{"10", "10", "10", "14"} << "49 Wh";
    QTest::newRow("24 records, LogDelay 5") << "5" << QStringList{"10", "10", "10", "13"} << "32 Wh";
}

void ViewerTest::shortViewWeighsRecordsAsItsDay()
{
    QFETCH(QString, logDelay);
    QFETCH(QStringList, view);
    QByteArray day;
    for (int second = 8 * 3600; second < 12 * 3600; second += 5)
        day += record(QTime(0, 0).addSecs(second).toString("HH:mm").toLatin1(), "20.00", "50.00", "1000.00");
    Viewer viewer(day);
    viewer.folder.writeProgramConfig("0", "0", logDelay);
    viewer.open();
    viewer.model().fileClicked("P_2010_03_07.txt");
    viewer.model().displayClicked(view);
    QTEST(viewer.text("watts"), "energy");
}

void ViewerTest::failedLoadLeavesNothingOfTheEarlierDay_data()
{
    QTest::addColumn<QByteArray>("refusedDay"); // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing day") << QByteArray() << "No data for that date";
    QByteArray tooMany;
    for (int s = 1; s <= 10000; ++s)
        tooMany += record(QTime(0, 0).addSecs(s).toString("HH:mm:ss").toLatin1());
    QTest::newRow("too many records") << tooMany << DayLoader::tooManyMessage();
}

void ViewerTest::failedLoadLeavesNothingOfTheEarlierDay()
{
    QFETCH(QByteArray, refusedDay);
    Viewer viewer;
    viewer.model().fileClicked("P_2010_03_07.txt");
    viewer.model().pointerMoved(4.7);
    QCOMPARE(viewer.text("vv"), QStringLiteral("13 V"));
    if (!refusedDay.isEmpty())
        viewer.folder.write("logs/P_2010_03_08.txt", refusedDay);
    viewer.model().fileClicked("P_2010_03_08.txt");
    QTEST(viewer.messages.messages.value(0), "message");
    for (const char *name : {"VMax1", "WMin1", "vv", "sv"})
        QCOMPARE(viewer.text(name), QStringLiteral("0"));
    QCOMPARE(viewer.text("vt"), QString());
    QCOMPARE(viewer.text("stime"), QStringLiteral("Start"));
    QCOMPARE(viewer.text("watts"), QStringLiteral("Wh"));
    viewer.model().pointerMoved(4.7);
    QCOMPARE(viewer.text("vv"), QStringLiteral("0"));

    viewer.model().exportClicked();
    QCOMPARE(viewer.messages.messages.last(), QStringLiteral("No data for that date"));
    QCOMPARE(QDir(viewer.folder.file("excel")).entryList(QDir::Files), QStringList());
}

void ViewerTest::everySpikeIsDrawn()
{
    // 9,999 records on a 741-pixel plot: 13 or 14 records a pixel column, with single-record
    // spikes up and down at random places.
    constexpr int kRecords = 9999;
    constexpr double kHeight = 100.0;
    QList<QPointF> points;
    QList<int> spikes;
    QRandomGenerator random(11);
    for (int x = 0; x < kRecords; ++x) {
        const bool spike = x % 97 == 0 && x > 0;
        points.append(QPointF(x, spike ? (spikes.size() % 2 ? 90.0 : 10.0) + random.bounded(5.0) : 50.0));
        if (spike)
            spikes.append(x);
    }
    PlotPicture picture;
    picture.width = kRecords - 1;
    picture.lines.append({DayRecords::Volts, kHeight, points});
    PlotWidget plot;
    plot.resize(741, 389);
    plot.showPicture(picture);
    const QImage image = plot.grab().toImage();
    const double xScale = plot.width() / picture.width;
    const double yScale = plot.height() / kHeight;
    QStringList missed;
    for (int x : spikes) {
        const int column = int(x * xScale);
        const int row = int(points[x].y() * yScale);
        bool reached = false;
        for (int dx = -1; dx <= 1 && !reached; ++dx)
            for (int dy = -1; dy <= 1 && !reached; ++dy)
                reached = qRed(image.pixel(qBound(0, column + dx, image.width() - 1),
                                           qBound(0, row + dy, image.height() - 1)))
                          > 128;
        if (!reached)
            missed << QString::number(x);
    }
    QVERIFY2(missed.isEmpty(), qPrintable("spikes not drawn at records " + missed.join(", ")));
}

void ViewerTest::screenReaderHearsWhatIsShown()
{
    Viewer viewer;
    // A file name that reads as rich text is shown as it is.
    viewer.folder.write("logs/<b>day.txt", minutes(10));
    viewer.model().fileClicked("<b>day.txt");
    QCOMPARE(viewer.text("text1"), QStringLiteral("<b>day.txt"));
    viewer.model().pointerMoved(4.7);
    QCOMPARE(controlsHeardWrong(*viewer.graph).join("; "), QString());
    auto *scaled = viewer.graph->findChild<QCheckBox *>("Check6");
    QVERIFY(changeBy(scaled, "Toggle"));
    QCOMPARE(scaled->text(), QStringLiteral("Unscaled"));
    QCOMPARE(controlsHeardWrong(*viewer.graph).join("; "), QString());
    for (const char *separator : {"Label4", "Label5", "Label6", "Label8"})
        QCOMPARE(viewer.text(separator), QStringLiteral(":"));
    // Two separators share each place between hour and minute: a screen reader hears one a place.
    int separatorsHeard = 0;
    const std::function<void(QAccessibleInterface *)> listen = [&](QAccessibleInterface *at) {
        if (at->state().invisible)
            return;
        separatorsHeard += at->role() == QAccessible::StaticText && at->text(QAccessible::Name) == ":";
        for (int child = 0; child < at->childCount(); ++child)
            listen(at->child(child));
    };
    listen(QAccessible::queryAccessibleInterface(viewer.graph.get()));
    QCOMPARE(separatorsHeard, 2);
    // The time boxes are heard by the label of their row, the lists by the label above them; the
    // plot has none.
    const QList<QPair<const char *, const char *>> heard{{"Time1h", "From"}, {"Time1m", "From"},      {"Time2h", "To"},
                                                         {"Time2m", "To"},   {"Dir1", "Log History"}, {"File1", "File"},
                                                         {"Plot", "Plot"}};
    for (const auto &[objectName, name] : heard)
        QCOMPARE(QAccessible::queryAccessibleInterface(viewer.graph->findChild<QWidget *>(objectName))
                     ->text(QAccessible::Name),
                 QString(name));
    auto *folders = viewer.graph->findChild<QListWidget *>("Dir1");
    const QString logs = QDir::toNativeSeparators(viewer.folder.file("logs"));
    QCOMPARE(folders->currentItem()->text(), logs);
    // Drawn narrower than it is, the path keeps the folder's own name; the whole is a hover or a
    // screen reader's description away.
    QCOMPARE(folders->textElideMode(), Qt::ElideMiddle);
    QCOMPARE(shownTooltip(folders->currentItem()->toolTip()), logs);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(folders);
    QAccessibleInterface *path = nullptr;
    for (int child = 0; child < list->childCount() && !path; ++child) {
        if (list->child(child)->text(QAccessible::Name) == logs)
            path = list->child(child);
    }
    QVERIFY(path);
    QCOMPARE(path->text(QAccessible::Description), logs);
}

QTEST_MAIN(ViewerTest)
#include "tst_viewer.moc"
