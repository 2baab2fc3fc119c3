// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/graphmodel.h"

#include "logging/dailylogline.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/datetext.h"
#include "text/failure.h"
#include "text/numerictext.h"
#include "text/rounding.h"
#include "viewer/csvexport.h"
#include "viewer/dayloader.h"
#include "viewer/graphview.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace Brolant {

namespace {
const char *const kNoData = QT_TRANSLATE_NOOP("Brolant::GraphModel", "No data for that date");
} // namespace

GraphModel::GraphModel(QString programFolder, ViewerSession &session, GraphView &view)
    : m_programFolder(std::move(programFolder)), m_session(session), m_view(view)
{
}

QString GraphModel::logsFolder() const
{
    return ProgramPaths(m_programFolder).logs();
}

void GraphModel::open()
{
    folderChosen(logsFolder());
    m_dragActive = false;
    m_range = ViewRange();
    m_settings = ViewerSettings::read(m_programFolder);
    m_options = PlotOptions();
    m_view.setPlotOptionsShown(m_options);
    m_view.showScaledCaption(tr("Scaled"));
    // Records kept from an earlier opening: the plot is cleared, as the range is empty.
    if (m_session.records.count > 1)
        redraw();
}

void GraphModel::folderChosen(const QString &path)
{
    const QDir folder(path);
    m_folder = folder.absolutePath();
    m_view.showFolder(folder.absolutePath(), folder.entryList(QDir::Dirs | QDir::NoDot, QDir::Name),
                      folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name));
}

void GraphModel::fileClicked(const QString &name)
{
    // The day is read from the folder it was chosen in, whichever folder the list shows later.
    m_dayFile = QDir(m_folder).filePath(name);
    m_view.showFileName(name);
    showStartTime(QStringLiteral("00"), QStringLiteral("00"));
    showFinishTime(QStringLiteral("23"), QStringLiteral("59"));
    display();
}

void GraphModel::displayClicked(const QStringList &typedTimes)
{
    m_times = typedTimes;
    display();
}

void GraphModel::exportClicked()
{
    exportCsv();
}

void GraphModel::showStartTime(const QString &hour, const QString &minute)
{
    m_times[0] = hour;
    m_times[1] = minute;
    m_view.showStartTime(hour, minute);
}

void GraphModel::showFinishTime(const QString &hour, const QString &minute)
{
    m_times[2] = hour;
    m_times[3] = minute;
    m_view.showFinishTime(hour, minute);
}

void GraphModel::display()
{
    if (!m_settings.problem.isEmpty()) {
        loadFailed(m_settings.problem);
        return;
    }
    const QStringList &boxes = m_times;
    const auto start = DateText::secondsOfDay(boxes[0] + u':' + boxes[1]);
    const auto finish = DateText::secondsOfDay(boxes[2] + u':' + boxes[3]);
    if (!start || !finish) {
        m_view.message(tr("\"%1:%2\" to \"%3:%4\" is not a range of times of day. "
                          "Use hours 00 to 23 and minutes 00 to 59.")
                           .arg(boxes[0], boxes[1], boxes[2], boxes[3]));
        return;
    }
    // The viewer only reads: a day that does not exist is no data, and no file is made for it.
    const QFileInfo file(m_dayFile);
    if (m_dayFile.isEmpty() || !file.isFile()) {
        loadFailed(tr(kNoData));
        return;
    }
    const Result<QByteArray> content = TextFile::tryReadBytes(file.filePath(), DailyLogLine::kLargestFile);
    if (!content) {
        loadFailed(tr("The day could not be read: %1").arg(content.failure().forUser()));
        return;
    }
    m_session.zoomApplying = false;
    switch (DayLoader::load(*content, *start, *finish, m_session.records)) {
    case DayLoader::Outcome::TooMany:
        loadFailed(DayLoader::tooManyMessage());
        return;
    case DayLoader::Outcome::NoData:
        loadFailed(tr(kNoData));
        return;
    case DayLoader::Outcome::Loaded:
        break;
    }
    m_range = {1.0, double(m_session.records.count)};
    redraw();
}

void GraphModel::loadFailed(const QString &message)
{
    // Nothing of an earlier day may stay beside the file name now shown, or be exported as it.
    m_session.records.count = 0;
    m_range = ViewRange();
    m_view.clearDay();
    m_view.message(message);
}

void GraphModel::redraw()
{
    const auto picture = m_session.plot.redraw(m_session.records, m_range, m_options, m_settings);
    if (!picture) {
        m_view.clearPlot();
        return;
    }
    const PlotTexts &texts = m_session.plot.texts();
    m_view.showPlot(*picture, texts);
    showStartTime(texts.start.left(2), texts.start.right(2));
    showFinishTime(texts.finish.left(2), texts.finish.right(2));
}

void GraphModel::switchToggled(Switch which, bool ticked)
{
    bool *flags[] = {&m_options.volts, &m_options.amps,      &m_options.watts,
                     &m_options.rpm,   &m_options.windSpeed, &m_options.scaled};
    *flags[which] = ticked;
    if (which == ScaledBox)
        m_view.showScaledCaption(ticked ? tr("Scaled") : tr("Unscaled"));
    if (m_session.records.count > 1)
        redraw();
}

void GraphModel::pointerMoved(double x)
{
    const DayRecords &records = m_session.records;
    if (records.count <= 1)
        return;
    const double under = std::floor(x + m_range.first);
    if (under < 0 || under > DayRecords::kCapacity)
        return; // beyond every record there is nothing to read off
    m_timeUnderPointer = records.timeText(long(under));
    m_view.showReadout(TimeReadout, m_timeUnderPointer);
    const long m = long(Rounding::halfEven(std::floor(x) + m_range.first, 0));
    const auto units = m_settings.seriesUnits();
    for (int series = 0; series < DayRecords::SeriesCount; ++series)
        m_view.showReadout(VoltsReadout + series, DayRecords::readoutText(records.value(DayRecords::Series(series), m))
                                                      + units[size_t(series)]);
    if (!m_session.zoomApplying && m_dragActive)
        m_view.markDrag(m_range.first, x);
}

void GraphModel::pressed(double x)
{
    m_dragActive = true;
    if (!m_session.zoomApplying && m_session.records.count > 1) {
        m_beforePress = BeforePress{m_range.first, m_times[0], m_times[1]};
        m_range.first = x;
        showStartTime(m_timeUnderPointer.left(2), m_timeUnderPointer.right(2));
    }
}

void GraphModel::released(double x)
{
    m_dragActive = false;
    // Both ends as single-precision positions: a double release against a rounded press would
    // count the very pixel pressed as to the right of it whenever the rounding went down.
    if (m_session.records.count > 1 && float(m_range.first) < float(x) && !m_session.zoomApplying) {
        m_range.last = x;
        showFinishTime(m_timeUnderPointer.left(2), m_timeUnderPointer.right(2));
        m_session.zoomApplying = true;
        redraw();
        display();
    } else if (m_beforePress) {
        // A press that zooms nothing leaves the view as it was, so the plot, its total, the
        // readouts and the export go on agreeing on what is shown.
        m_range.first = m_beforePress->first;
        showStartTime(m_beforePress->hour, m_beforePress->minute);
        m_view.clearDragMarks();
    }
    m_beforePress.reset();
    m_session.zoomApplying = false;
}

void GraphModel::exportCsv()
{
    const auto name = CsvExport::fileName(QFileInfo(m_dayFile).fileName(), m_session.records, m_range);
    if (!name) {
        m_view.message(tr("Choose a day's log file before exporting."));
        return;
    }
    // Exporting nothing leaves an earlier export of the same name as it was.
    if (m_session.records.count == 0) {
        m_view.message(tr(kNoData));
        return;
    }
    if (const Result<> written = TextFile::tryReplace(ProgramPaths(m_programFolder).inExcel(*name),
                                                      CsvExport::text(m_session.records, m_range));
        !written) {
        m_view.message(tr("The export could not be written: %1").arg(written.failure().forUser()));
        return;
    }
    m_view.message(tr("Done"));
}

} // namespace Brolant
