// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmsettings.h"
#include "app/consolestatus.h"
#include "app/loggerparts.h"
#include "app/ui/mainwindow.h"
#include "dialogs/alarms/alarmsdialog.h"
#include "dialogs/calibration/ui/calibrate.h"
#include "dialogs/publishing/mqttdialog.h"
#include "dialogs/setup/ui/programsetup.h"
#include "dialogs/web/webdialog.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "history/turbinesettings.h"
#include "history/ui/historywindow.h"
#include "history/ui/ratedcurvedialog.h"
#include "platform/programpaths.h"
#include "platform/translation.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "recordingview.h"
#include "scriptedprompts.h"
#include "sessionprobe.h"
#include "settings/settingsstore.h"
#include "viewer/graphmodel.h"
#include "viewer/ui/graph.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

using namespace Brolant;

namespace {
// The text as drawn: an & marks the shortcut's letter and takes no room.
QString drawn(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The width a button's style gives its text: within the frame of a push button, beside the box
// or circle of a check box or radio button (and any icon).
int roomForText(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return button->style()->subElementRect(contents, &option, button).width() - icon;
}

// Every text of `window` shown that its widget cannot hold, as "class 'text' needs N of M pixels".
QStringList clipped(QWidget *window)
{
    QStringList found;
    const auto report = [&found](const QWidget *widget, const QString &text, int needs, int has) {
        if (needs > has)
            found << QStringLiteral("%1 '%2' needs %3 of %4 pixels")
                         .arg(QLatin1String(widget->metaObject()->className()), text)
                         .arg(needs)
                         .arg(has);
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->wordWrap() || Qt::mightBeRichText(label->text()) || label->text().isEmpty())
                continue;
            const QString text = label->buddy() ? drawn(label->text()) : label->text();
            report(label, text, widestLine(metrics, text), label->contentsRect().width() - 2 * label->margin());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            const QString text = drawn(button->text());
            if (!text.isEmpty())
                report(button, text, widestLine(metrics, text), roomForText(button));
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            report(box, box->title(), metrics.horizontalAdvance(drawn(box->title())), box->width());
        } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            if (tabs->count() > 0)
                report(tabs, tabs->tabText(tabs->count() - 1), tabs->tabRect(tabs->count() - 1).right() + 1,
                       tabs->width());
        }
    }
    return found;
}

// What `window` shows and what a screen reader reads of it, widget by widget in the order they were
// made, for telling whether a language changed them.
struct Shown
{
    QString text;
    QString accessibleName;
};
std::vector<Shown> shownTexts(QWidget *window)
{
    std::vector<Shown> shown;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        else
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        shown.push_back({text, accessible ? accessible->text(QAccessible::Name) : QString()});
    }
    return shown;
}
} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowHoldsItsTexts_data();
    void everyWindowHoldsItsTexts();
    void refusalsAreExplainedInTheLanguage_data();
    void refusalsAreExplainedInTheLanguage();
    void loggerLinesAreInTheLanguage_data();
    void loggerLinesAreInTheLanguage();
    void filesAreTheSameInEveryLanguage();

private:
    using Opened = std::unique_ptr<QWidget>;
    // Each window as a user opens it, at its usual size.
    std::vector<std::pair<const char *, std::function<Opened()>>> windows();
    QStringList check(const QString &language);
    // Every file a logger writes from the same frames at the same times, by its path.
    static std::map<QString, QByteArray> loggedFiles();

    ProgramFolder m_folder;
    SettingsStore m_store{m_folder.path()};
    ScriptedPrompts m_messages;
    FakeClock m_clock;
    ProblemLog m_problems{m_clock};
    FakeSerialLink m_link;
    CalibrationSession m_calibration;
    ViewerSession m_viewer;
    std::map<QString, std::vector<Shown>> m_english; // each window's texts in English
};

std::vector<std::pair<const char *, std::function<LanguagesTest::Opened()>>> LanguagesTest::windows()
{
    return {
        {"main window", [] { return std::make_unique<MainWindow>(); }},
        {"Program Setup", [this] { return std::make_unique<ProgramSetup>(m_store, m_messages); }},
        {"Calibration", [this] { return std::make_unique<Calibrate>(m_store, m_link, m_calibration, m_messages); }},
        {"Alarms",
         [this] { return std::make_unique<AlarmsDialog>(m_store, AlarmSettings::defaults(12, 50), m_messages); }},
        {"MQTT", [this] { return std::make_unique<MqttDialog>(m_store, m_messages); }},
        {"Web Dashboard", [this] { return std::make_unique<WebDialog>(m_store, m_messages); }},
        {"log viewer", [this] { return std::make_unique<Graph>(m_folder.path(), m_viewer, m_messages); }},
        {"Energy History",
         [this] {
             return std::make_unique<HistoryWindow>(m_folder.path(), m_clock.now().date(), m_messages, m_problems);
         }},
        {"rated curve", [this] { return std::make_unique<RatedCurveDialog>(m_folder.path(), TurbineSettings{}); }},
    };
}

QStringList LanguagesTest::check(const QString &language)
{
    const Translation translation(language);
    QStringList problems;
    for (const auto &[name, open] : windows()) {
        const Opened window = open();
        window->show();
        QCoreApplication::processEvents();
        QStringList clippedHere;
        // Each tab as the user chooses it.
        const QList<QTabWidget *> tabWidgets = window->findChildren<QTabWidget *>();
        if (tabWidgets.isEmpty())
            clippedHere = clipped(window.get());
        for (QTabWidget *tabs : tabWidgets)
            for (int at = 0; at < tabs->count(); ++at) {
                tabs->setCurrentIndex(at);
                QCoreApplication::processEvents();
                clippedHere << clipped(window.get());
            }
        clippedHere.removeDuplicates();
        for (const QString &text : clippedHere)
            problems << QStringLiteral("%1, %2: %3").arg(language, QLatin1String(name), text);
        // A window left in English would hold its texts too: most of its words must have changed
        // (names, units and figures stay as they are), and what a screen reader reads with them.
        const std::vector<Shown> shown = shownTexts(window.get());
        if (language == u"C") {
            m_english[QLatin1String(name)] = shown;
            continue;
        }
        const std::vector<Shown> &english = m_english[QLatin1String(name)];
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{3}"));
        qsizetype words = 0;
        qsizetype kept = 0;
        for (size_t at = 0; at < shown.size() && at < english.size(); ++at) {
            const bool translated = shown[at].text != english[at].text;
            if (english[at].text.contains(word)) {
                ++words;
                kept += !translated;
            }
            if (translated && !english[at].accessibleName.isEmpty()
                && shown[at].accessibleName == english[at].accessibleName)
                problems << QStringLiteral("%1, %2: '%3' is read out in English, '%4'")
                                .arg(language, QLatin1String(name), shown[at].text, shown[at].accessibleName);
        }
        if (shown.size() != english.size() || kept * 2 > words)
            problems << QStringLiteral("%1, %2: %3 of %4 texts still in English")
                            .arg(language, QLatin1String(name))
                            .arg(kept)
                            .arg(words);
    }
    return problems;
}

void LanguagesTest::everyWindowHoldsItsTexts_data()
{
    QTest::addColumn<QString>("language");
    // English first: the others are compared with it.
    for (const char *language : {"C", "de", "fr", "nl", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void LanguagesTest::everyWindowHoldsItsTexts()
{
    QFETCH(QString, language);
    const QStringList problems = check(language);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void LanguagesTest::refusalsAreExplainedInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("explained"); // words of the reason in that language
    QTest::newRow("a decimal comma") << "de"
                                     << "Alarms"
                                     << "LowVolts"
                                     << "11,8"
                                     << "mit Dezimalpunkt";
    QTest::newRow("a high alarm that never clears") << "nl"
                                                    << "Alarms"
                                                    << "HighVoltsClear"
                                                    << "20"
                                                    << "gelijk aan of onder";
    QTest::newRow("a port out of range") << "fr"
                                         << "Web Dashboard"
                                         << "Port"
                                         << "99999x"
                                         << "nombre entier de 1 à 65535";
    QTest::newRow("no site") << "es"
                             << "MQTT"
                             << "Site"
                             << ""
                             << "debe contener al menos";
}

// A value the user typed is refused with its reason in the user's language, not only the words
// around it.
void LanguagesTest::refusalsAreExplainedInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, explained);
    const Translation translation(language);
    for (const auto &[name, open] : windows()) {
        if (QLatin1String(name) != window)
            continue;
        const Opened dialog = open();
        dialog->findChild<QLineEdit *>(box)->setText(typed);
        m_messages.messages.clear();
        dialog->findChild<QPushButton *>(QStringLiteral("Save"))->click();
        QCOMPARE(m_messages.messages.size(), 1);
        QVERIFY2(m_messages.messages.first().contains(explained), qPrintable(m_messages.messages.first()));
        return;
    }
    QFAIL("no such window");
}

void LanguagesTest::loggerLinesAreInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("status"); // words of the interval's status line
    QTest::addColumn<QString>("alarm");  // and of an alarm's
    QTest::newRow("German") << "de"
                            << "58 Datenpakete, 1 abgelehnt"
                            << "2026_12_08  06:30:00  Spannung niedrig  ausgelöst";
    QTest::newRow("French") << "fr"
                            << "58 trames, 1 rejetées"
                            << "2026_12_08  06:30:00  Tension basse  déclenchée";
}

// brolant-logger's terminal, its frame counts and alarms included, speaks the user's language.
void LanguagesTest::loggerLinesAreInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, status);
    QFETCH(QString, alarm);
    const Translation translation(language);
    Record record;
    record.health.thisInterval = FrameCounts{58, 1, 0, 0};
    QVERIFY2(ConsoleStatus::statusLine(record).contains(status), qPrintable(ConsoleStatus::statusLine(record)));
    QString printed;
    QTextStream out(&printed);
    QTextStream errors(stderr);
    ConsoleStatus console(out, errors);
    console.printAlarm(
        AlarmChange{AlarmKind::LowVolts, true, 11.7, QDateTime(QDate(2026, 12, 8), QTime(6, 30)), false});
    QVERIFY2(printed.contains(alarm), qPrintable(printed));
}

std::map<QString, QByteArray> LanguagesTest::loggedFiles()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "60");
    // The web page and the spreadsheet too.
    folder.write(FileName::kProgramConfig, folder.read(FileName::kProgramConfig)
                                               .replace("<Savehtml>0<", "<Savehtml>1<")
                                               .replace("<SaveExcel>0<", "<SaveExcel>1<"));
    folder.writeCalibration();
    folder.write("html/template.asp", "V=<VV> I=<II> W=<WW> E=<WH> R=<RR> S=<SS> T=<TT> M=<MM>.");
    folder.write("alarms.cfg", "<Delay>0</Delay><NoData>120</NoData>");
    // A settings file that cannot be used: its reason goes to the error log.
    folder.write("mqtt.cfg", "<Enabled>1</Enabled>");
    FakeSerialLink link;
    FakeClock clock(QDateTime(QDate(2026, 12, 7), QTime(23, 58, 10)));
    RecordingView view;
    {
        LoggerParts logger(folder.path(), link, clock, view, Attendance::Unattended);
        logger.start();
        logger.session.startUpAndRetry();
        LoggerCore &core = SessionProbe::core(logger.session);
        // A good frame, a low battery (an alarm), a torn frame and a bad checksum (the error
        // log), across midnight (the day closed, Whours.txt).
        const QList<QByteArray> frames = {
            "[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]",
            "[<V>500</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1106</C>]",
            "[<V>650</V><I>5[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1</C>]",
        };
        for (int minute = 0; minute < 4; ++minute) {
            for (const QByteArray &frame : frames)
                link.push(frame);
            clock.advance(60'000);
            core.logging.tick();
        }
        logger.end();
    }
    std::map<QString, QByteArray> files;
    QDirIterator each(folder.path(), QDir::Files, QDirIterator::Subdirectories);
    while (each.hasNext()) {
        const QString path = each.next();
        files[QDir(folder.path()).relativeFilePath(path)] = folder.read(QDir(folder.path()).relativeFilePath(path));
    }
    return files;
}

// The files are read by other programs and compared with other loggers': the language of the
// windows never reaches them.
void LanguagesTest::filesAreTheSameInEveryLanguage()
{
    std::map<QString, QByteArray> english;
    {
        const Translation translation(QStringLiteral("C"));
        english = loggedFiles();
    }
    for (const char *wanted : {"errorlog.txt", "logs/alarms.txt", "logs/Whours.txt", "logs/P_2026_12_08.txt",
                               "html/log.asp", "excel/2026_12_08.xls"})
        QVERIFY2(english.count(QLatin1String(wanted)) && !english[QLatin1String(wanted)].isEmpty(), wanted);
    QVERIFY(english["errorlog.txt"].contains("mqtt.cfg cannot be used: Host must name the broker"));
    for (const QString &language : Translation::languages()) {
        const Translation translation(language);
        const std::map<QString, QByteArray> files = loggedFiles();
        QCOMPARE(files.size(), english.size());
        for (const auto &[path, bytes] : english)
            QVERIFY2(files.count(path) && files.at(path) == bytes, qPrintable(language + u' ' + path));
    }
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
