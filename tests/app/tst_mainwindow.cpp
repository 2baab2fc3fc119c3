// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmservice.h"
#include "app/errorreporter.h"
#include "app/loggerparts.h"
#include "app/mainwindowmodel.h"
#include "app/ui/mainwindow.h"
#include "app/ui/widgetprompts.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "screenreader.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"
#include "sessionprobe.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace Brolant;

// The real main window, offscreen, driven by its model.
class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void screenReaderHearsWhatIsShown();
    void messageLinesFollowTheBoxWhateverChangesIt_data();
    void messageLinesFollowTheBoxWhateverChangesIt();
    void lampsStartInTheirOwnColours();
    void messageBoxBelongsToTheWindowThatRaisedIt();
    void loggingStateShowsInTheControls();
    void frameFillsTheListAndCaption();
    void setupButtonRunsTheDialog();
    void closingByTheFrameEndsInOrder();
    void logLampAndStartStopButtons();
    void longErrorShowsWholeRows();

private:
    struct Rig
    {
        ProgramFolder folder;
        MainWindow window;
        FakeSerialLink link;
        FakeClock clock;
        ScriptedPrompts prompts;
        ProblemLog problems{clock};
        LoggerSession session{folder.path(), link, clock, problems, folder.programFiles()};
        LoggerCore &core = SessionProbe::core(session);
        ErrorReporter errors{folder.path(), clock, problems, window};
        MainWindowModel model{session, problems, window, prompts};
        explicit Rig(const QString &logOn)
        {
            errors.listenTo(session);
            folder.writeProgramConfig("1", logOn, "60", "1", "0");
            folder.writeCalibration();
            window.attach(model);
            window.show();
            model.startUp();
        }
        template <typename T>
        T *find(const char *name) const
        {
            return window.findChild<T *>(QLatin1String(name));
        }
    };
};

void MainWindowTest::screenReaderHearsWhatIsShown()
{
    Rig rig("0");
    rig.link.push("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]");
    rig.link.push("[<V>650</V><I>577</I><C>1</C>]"); // an error line to read too
    QCOMPARE(controlsHeardWrong(rig.window).join("; "), QString());
    // A frame whose first tag is also a tag of rich text is shown as it came.
    const QString italicFirst = QStringLiteral("[<I>577</I><V>650</V><R>20</R><S>9</S><M>0</M><C>1256</C>]");
    rig.link.push(italicFirst.toLatin1());
    QCOMPARE(rig.find<QLabel>("Label2")->text(), italicFirst);
    QCOMPARE(controlsHeardWrong(rig.window).join("; "), QString());
    // Controls without any text in sight are named by their design name, the interval box by
    // its label, buttons by their captions.
    const QList<QPair<const char *, const char *>> named{{"ListView1", "ListView1"}, {"BlinkData", "BlinkData"},
                                                         {"BlinkLog", "BlinkLog"},   {"delay", "Interval"},
                                                         {"StartLogging", "Start"},  {"Check1", "COMMs"}};
    for (const auto &[objectName, heard] : named)
        QCOMPARE(QAccessible::queryAccessibleInterface(rig.find<QWidget>(objectName))->text(QAccessible::Name),
                 QString(heard));
}

void MainWindowTest::messageLinesFollowTheBoxWhateverChangesIt_data()
{
    QTest::addColumn<QByteArray>("way");
    QTest::newRow("mouse") << QByteArray("mouse");
    QTest::newRow("space bar") << QByteArray("space bar");
    QTest::newRow("screen reader's Toggle") << QByteArray("Toggle");
}

void MainWindowTest::messageLinesFollowTheBoxWhateverChangesIt()
{
    QFETCH(QByteArray, way);
    Rig rig("0");
    auto *box = rig.find<QCheckBox>("Check1");
    auto *error = rig.find<QLabel>("ErrorString");
    QVERIFY(changeBy(box, way));
    QVERIFY(!box->isChecked());
    QCOMPARE(error->text(), QString());
    QVERIFY(rig.window.height() < error->geometry().bottom());
    QVERIFY(changeBy(box, way));
    QVERIFY(rig.window.height() > error->geometry().bottom());
}

void MainWindowTest::lampsStartInTheirOwnColours()
{
    Rig rig("0");
    QCOMPARE(rig.find<QPushButton>("BlinkData")->palette().color(QPalette::Button), QColor(Qt::white));
    QCOMPARE(rig.find<QPushButton>("BlinkLog")->palette().color(QPalette::Button),
             rig.window.palette().color(QPalette::Button));
}

void MainWindowTest::messageBoxBelongsToTheWindowThatRaisedIt()
{
    Rig rig("0");
    LoggerParts logger(rig.folder.path(), rig.link, rig.clock, rig.window, Attendance::Attended);
    WidgetPrompts prompts(rig.window, logger);
    QDialog dialog(&rig.window);
    dialog.setModal(true);
    dialog.show();
    QWidget *owner = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        owner = box->parentWidget();
        box->accept();
    });
    prompts.message(QStringLiteral("Done"));
    QCOMPARE(owner, &dialog);
}

void MainWindowTest::loggingStateShowsInTheControls()
{
    Rig logging("1");
    QVERIFY(!logging.find<QPushButton>("StartLogging")->isEnabled());
    QVERIFY(logging.find<QPushButton>("StopLogging")->isEnabled());
    QVERIFY(!logging.find<QPushButton>("Setup")->isEnabled());
    QVERIFY(!logging.find<QPushButton>("CalibrateButton")->isEnabled());
    QVERIFY(!logging.find<QLineEdit>("delay")->isEnabled());
    QVERIFY(logging.find<QPushButton>("ShowLogs")->isEnabled());
    QVERIFY(logging.find<QCheckBox>("Check1")->isChecked());

    Rig idle("0");
    QVERIFY(idle.find<QPushButton>("StartLogging")->isEnabled());
    QVERIFY(!idle.find<QPushButton>("StopLogging")->isEnabled());
    QVERIFY(idle.find<QPushButton>("Setup")->isEnabled());
    QCOMPARE(idle.window.windowTitle(), QStringLiteral("Brolant - Waiting for Signal"));
    QCOMPARE(idle.find<QLabel>("Label2")->text(), QStringLiteral(" Waiting for COMM data"));
    QCOMPARE(idle.find<QLabel>("ErrorString")->text(), QStringLiteral(" Error trap message  -     "));
}

void MainWindowTest::frameFillsTheListAndCaption()
{
    Rig rig("0");
    auto *list = rig.find<QTreeWidget>("ListView1");
    QCOMPARE(list->topLevelItemCount(), 5);
    QCOMPARE(list->topLevelItem(4)->text(1), QStringLiteral("0.0"));
    rig.link.push("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]");
    QCOMPARE(rig.window.windowTitle(), QStringLiteral("Brolant  13.00V 3.3A 42W"));
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        rows << list->topLevelItem(row)->text(1) + u' ' + list->topLevelItem(row)->text(2);
    QCOMPARE(rows, (QStringList{"13.00 Volts", "3.3 Amps", "42.3 Watts", "0.0 WattHours", "300 RPM"}));
    QCOMPARE(list->font().pointSize(), 20);
    auto *lamp = rig.find<QPushButton>("BlinkData");
    QCOMPARE(lamp->palette().color(QPalette::Button), QColor(255, 0, 0));
    QTRY_VERIFY_WITH_TIMEOUT(lamp->palette().color(QPalette::Button) != QColor(255, 0, 0), 2000);
}

void MainWindowTest::setupButtonRunsTheDialog()
{
    Rig rig("0");
    QTest::mouseClick(rig.find<QPushButton>("Setup"), Qt::LeftButton);
    QCOMPARE(rig.prompts.setupRuns, 1);
    QVERIFY(rig.link.isOpen());
    QTest::mouseClick(rig.find<QPushButton>("ShowLogs"), Qt::LeftButton);
    QCOMPARE(rig.prompts.viewerRuns, 1);
}

void MainWindowTest::closingByTheFrameEndsInOrder()
{
    Rig rig("1");
    rig.window.close();
    QVERIFY(!rig.link.isOpen());
    QCOMPARE(rig.folder.read("logs/Whours.txt"), QByteArray("2010_03_07 14:05  .0 Wh\r\n"));
}

void MainWindowTest::logLampAndStartStopButtons()
{
    Rig rig("1");
    QTest::mouseClick(rig.find<QPushButton>("StopLogging"), Qt::LeftButton);
    QVERIFY(!rig.model.isLogging());
    QVERIFY(rig.find<QLineEdit>("delay")->isEnabled());
    rig.find<QLineEdit>("delay")->setText("5");
    QTest::mouseClick(rig.find<QPushButton>("StartLogging"), Qt::LeftButton);
    QVERIFY(rig.model.isLogging());
    QCOMPARE(int(rig.core.logging.interval().count()), 5000);
    rig.core.logging.tick();
    QCOMPARE(rig.find<QPushButton>("BlinkLog")->palette().color(QPalette::Button), QColor(255, 0, 0));
    QCOMPARE(rig.find<QLabel>("ErrorString")->text(),
             QStringLiteral("Caution Logging interval 2 short, Data Overflow may occur"));
    QCOMPARE(rig.find<QLabel>("ErrorString")->toolTip(),
             rig.find<QLabel>("ErrorString")->text()); // read whole when cut
    QTest::mouseClick(rig.find<QCheckBox>("Check1"), Qt::LeftButton);
    QCOMPARE(rig.find<QLabel>("ErrorString")->text(), QString());
    QVERIFY(rig.window.height() < rig.find<QLabel>("ErrorString")->geometry().bottom());
}

void MainWindowTest::longErrorShowsWholeRows()
{
    Rig rig("0");
    const QString error = QStringLiteral("Serial Port Error - could not open /dev/serial/by-id/"
                                         "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0: Permission denied, add "
                                         "yourself to the group dialout and log in again");
    rig.window.showError(error);
    auto *line = rig.find<QLabel>("ErrorString");
    const QRect area = line->contentsRect();
    QVERIFY(line->fontMetrics().boundingRect(area, Qt::TextWordWrap, line->text()).height() <= area.height());
    QVERIFY2(line->text().endsWith(QChar(0x2026)), qPrintable(line->text()));
    QCOMPARE(line->toolTip(), error);
    QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), error);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
