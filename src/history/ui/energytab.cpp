// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/energytab.h"

#include "history/historycsv.h"
#include "history/ui/historywidgets.h"
#include "history/ui/loadstatus.h"
#include "logging/energyarchive.h"
#include "platform/messages.h"
#include "platform/translation.h"
#include "text/datetext.h"
#include "text/failure.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace Brolant {

namespace {
const QColor kShownColour(33, 102, 172);
const QColor kComputedColour(244, 165, 130);
const QColor kYearBeforeColour(190, 190, 190);
constexpr double kKilo = 1000.0;
// From here on a total reads better in kWh.
constexpr double kKiloFrom = 10000.0;
constexpr int kDaysPerWeek = 7;
constexpr int kMonths = 12;

// "842.5 Wh", "12.35 kWh", or "no data".
QString energyText(std::optional<double> wattHours)
{
    if (!wattHours)
        return QCoreApplication::translate("Brolant::EnergyTab", "no data");
    if (*wattHours >= kKiloFrom)
        return QString::number(*wattHours / kKilo, 'f', 2) + QStringLiteral(" kWh");
    return QString::number(*wattHours, 'f', 1) + QStringLiteral(" Wh");
}

std::optional<double> valueOf(const DayEnergy &day)
{
    return day.hasValue() ? std::optional<double>(day.wattHours) : std::nullopt;
}

QString sourceText(DayEnergy::Source source)
{
    switch (source) {
    case DayEnergy::Source::Archive:
        return QStringLiteral("Whours.txt");
    case DayEnergy::Source::PartlyComputed:
        return QCoreApplication::translate("Brolant::EnergyTab", "Whours.txt and the daily log after its last line");
    case DayEnergy::Source::Computed:
        return QCoreApplication::translate("Brolant::EnergyTab", "computed from the daily log");
    case DayEnergy::Source::Unreadable:
        return QCoreApplication::translate("Brolant::EnergyTab", "the daily log could not be read");
    case DayEnergy::Source::None:
        break;
    }
    return QCoreApplication::translate("Brolant::EnergyTab", "no data");
}

// The days from `first` to `last` a year before, all of them: a February beside a leap one
// holds its 29th, as does a year beside a leap year.
std::vector<QDate> yearBefore(const QDate &first, const QDate &last)
{
    return HistoryFiles::daysBetween(first.addYears(-1), last.addDays(1).addYears(-1).addDays(-1));
}

// The same day a year before, where there is one (29 February has none).
DayEnergy sameDayBefore(const std::vector<DayEnergy> &yearBefore, const QDate &day)
{
    const QDate before(day.year() - 1, day.month(), day.day());
    const auto found = std::find_if(yearBefore.begin(), yearBefore.end(),
                                    [&](const DayEnergy &earlier) { return earlier.day == before; });
    return found != yearBefore.end() ? *found : DayEnergy{before};
}

// Reads the period and the year before on the source's threads.
HistoryLoadOf<EnergyTab::Period>::Work periodWork(const std::vector<QDate> &days, const std::vector<QDate> &before,
                                                  double logDelaySeconds, const QDate &today)
{
    return [days, before, logDelaySeconds, today](HistoryReader &reader) {
        const auto archive = reader.archive();
        std::vector<QDate> both = before;
        both.insert(both.end(), days.begin(), days.end());
        const auto readings = reader.days(both);
        return EnergyTab::Period{EnergyTable::days(*archive, readings, days, logDelaySeconds, today),
                                 EnergyTable::days(*archive, readings, before, logDelaySeconds, today),
                                 archive->damagedLines, EnergyTable::linesAfter(*archive, today)};
    };
}
} // namespace

EnergyTab::EnergyTab(std::shared_ptr<HistorySource> source, const QString &programFolder, double logDelaySeconds,
                     const QDate &today, Messages &messages, QWidget *parent)
    : QWidget(parent),
      m_programFolder(programFolder),
      m_logDelaySeconds(logDelaySeconds),
      m_today(today),
      m_messages(messages),
      m_load(std::move(source), this)
{
    auto *column = new QVBoxLayout(this);
    column->addLayout(buildControls());
    column->addLayout(buildSummaryRow());
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_chart = HistoryWidgets::chartView(
        this, tr("Energy chart"),
        tr("energy per day or month as bars, each beside the same period a year before; the same values are in the table below"));
    column->addWidget(m_chart, 4);
    m_table = HistoryWidgets::table(this, tr("Energy per day"),
                                    {tr("Date"), tr("Energy"), tr("A year before"), tr("Source")});
    column->addWidget(m_table, 1);
    column->addWidget(m_note);
    m_status = new LoadStatus(m_load, this);
    column->addWidget(m_status);

    connect(m_export, &QPushButton::clicked, this, &EnergyTab::exportClicked);
    connect(&m_load, &HistoryLoad::reported, this,
            [this](const LoadReport &report) { m_problems = HistoryWidgets::problemsText(report); });
    connect(&m_load, &HistoryLoad::loaded, this, &EnergyTab::loaded);
    connect(&m_load, &HistoryLoad::cancelled, this, &EnergyTab::cancelled);
    show(Span::Month, today);
}

QLayout *EnergyTab::buildControls()
{
    auto *controls = new QHBoxLayout;
    const auto button = [&](const QString &caption, const QString &description) {
        auto *button = new QPushButton(caption, this);
        button->setAccessibleDescription(description);
        button->setAutoDefault(false);
        controls->addWidget(button);
        return button;
    };
    auto *previous = button(tr("< Previous"), tr("the week, month or year before"));
    m_periodName = new QLabel(this);
    m_periodName->setAlignment(Qt::AlignCenter);
    m_periodName->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("2026_12_28 to 2027_01_03")));
    controls->addWidget(m_periodName);
    m_next = button(tr("Next >"), tr("the week, month or year after"));
    const std::array<std::pair<QString, QString>, 3> spanButtons = {
        std::pair{tr("Week"), tr("the days of a week, Monday to Sunday")},
        std::pair{tr("Month"), tr("the days of a month")}, std::pair{tr("Year"), tr("the months of a year")}};
    for (size_t at = 0; at < m_spans.size(); ++at) {
        // Tool buttons: three push buttons' widths would not leave the row room in a small window.
        m_spans[at] = new QToolButton(this);
        m_spans[at]->setText(spanButtons[at].first);
        m_spans[at]->setAccessibleDescription(spanButtons[at].second);
        m_spans[at]->setCheckable(true);
        controls->addWidget(m_spans[at]);
        connect(m_spans[at], &QToolButton::toggled, this, [this, at](bool on) { spanToggled(Span(at), on); });
    }
    controls->addStretch(1);
    connect(previous, &QPushButton::clicked, this, [this] { show(m_span, m_first.addDays(-1)); });
    connect(m_next, &QPushButton::clicked, this, [this] { show(m_span, last().addDays(1)); });
    return controls;
}

QLayout *EnergyTab::buildSummaryRow()
{
    auto *summaryRow = new QHBoxLayout;
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    summaryRow->addWidget(m_summary, 1);
    m_export = new QPushButton(tr("Export CSV"), this);
    m_export->setAccessibleDescription(tr("write the month's days to the excel folder"));
    m_export->setAutoDefault(false);
    summaryRow->addWidget(m_export);
    return summaryRow;
}

QDate EnergyTab::last() const
{
    switch (m_span) {
    case Span::Week:
        return m_first.addDays(kDaysPerWeek - 1);
    case Span::Month:
        return m_first.addMonths(1).addDays(-1);
    case Span::Year:
        break;
    }
    return m_first.addYears(1).addDays(-1);
}

void EnergyTab::show(Span span, const QDate &day)
{
    m_span = span;
    switch (span) {
    case Span::Week:
        m_first = day.addDays(1 - day.dayOfWeek());
        break;
    case Span::Month:
        m_first = QDate(day.year(), day.month(), 1);
        break;
    case Span::Year:
        m_first = QDate(day.year(), 1, 1);
        break;
    }
    showPeriodName();
    request();
}

void EnergyTab::showPeriodName()
{
    switch (m_span) {
    case Span::Week:
        m_periodName->setText(DateText::dateStamp(m_first) + tr(" to ") + DateText::dateStamp(last()));
        break;
    case Span::Month:
        m_periodName->setText(Translation::names().standaloneMonthName(m_first.month()) + u' '
                              + QString::number(m_first.year()));
        break;
    case Span::Year:
        m_periodName->setText(QString::number(m_first.year()));
        break;
    }
    m_next->setEnabled(last() < m_today);
    checkSpanShown();
}

void EnergyTab::spanToggled(Span span, bool on)
{
    // The new span holds today when the old one did, else the old one's start. The span shown
    // cannot be switched off, only replaced.
    if (on && span != m_span)
        show(span, m_today >= m_first && m_today <= last() ? m_today : m_first);
    else if (!on && span == m_span)
        checkSpanShown();
}

void EnergyTab::checkSpanShown()
{
    // Not a button group: Qt's Tab reaches only one button of a group, the others by arrow keys alone.
    for (size_t at = 0; at < m_spans.size(); ++at) {
        const QSignalBlocker quiet(m_spans[at]);
        m_spans[at]->setChecked(at == size_t(m_span));
    }
}

void EnergyTab::request()
{
    m_export->setEnabled(false);
    m_written.clear();
    const auto days = HistoryFiles::daysBetween(m_first, last());
    const auto before = yearBefore(m_first, last());
    m_status->started(int(days.size() + before.size()));
    m_load.request(int(days.size() + before.size()), periodWork(days, before, m_logDelaySeconds, m_today));
}

void EnergyTab::loaded()
{
    m_status->finished();
    m_period = m_load.result();
    m_shownSpan = m_span;
    m_shownFirst = m_first;
    if (m_span == Span::Year) {
        showMonths();
    } else {
        showDays();
        m_export->setEnabled(m_span == Span::Month);
    }
    showNote();
}

void EnergyTab::cancelled()
{
    // Nothing shown yet: the name of the period asked for stays over the empty table.
    if (!m_shownFirst.isValid())
        return;
    m_span = m_shownSpan;
    m_first = m_shownFirst;
    showPeriodName();
    m_export->setEnabled(m_span == Span::Month);
}

void EnergyTab::showNote()
{
    QStringList lines;
    if (!m_problems.isEmpty())
        lines << m_problems;
    if (m_period.damagedLines > 0)
        lines << tr("%1 damaged line(s) in Whours.txt passed over.").arg(m_period.damagedLines);
    if (m_period.linesAfterToday > 0)
        lines
            << tr("%1 line(s) in Whours.txt dated after today left out of every total.").arg(m_period.linesAfterToday);
    if (!m_written.isEmpty())
        lines << m_written;
    m_note->setText(lines.join(u'\n'));
}

void EnergyTab::showBars(QBarSet *shown, QBarSet *before, const QStringList &categories, const QString &categoryTitle)
{
    double highest = 0.0;
    for (const QBarSet *set : {shown, before})
        for (int at = 0; at < set->count(); ++at)
            highest = std::max(highest, set->at(at));
    const bool kilo = highest >= kKiloFrom;
    if (kilo)
        for (QBarSet *set : {shown, before})
            for (int at = 0; at < set->count(); ++at)
                set->replace(at, set->at(at) / kKilo);
    auto *series = new QBarSeries;
    series->append(before);
    series->append(shown);
    QChart *chart = HistoryWidgets::emptied(m_chart);
    chart->addSeries(series);
    auto *bars = new QBarCategoryAxis;
    bars->append(categories);
    bars->setTitleText(categoryTitle);
    auto *energy = new QValueAxis;
    energy->setTitleText(kilo ? QStringLiteral("kWh") : QStringLiteral("Wh"));
    energy->setLabelFormat(kilo ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
    chart->addAxis(bars, Qt::AlignBottom);
    chart->addAxis(energy, Qt::AlignLeft);
    series->attachAxis(bars);
    series->attachAxis(energy);
    energy->setMin(0.0);
    HistoryWidgets::roundRange(energy);
}

void EnergyTab::showDays()
{
    auto *shown = new QBarSet(m_periodName->text());
    auto *before = new QBarSet(tr("A year before"));
    shown->setColor(kShownColour);
    // A day computed from its log, wholly or in part, stands out in a second colour.
    shown->setSelectedColor(kComputedColour);
    before->setColor(kYearBeforeColour);
    QStringList categories;
    QList<QStringList> rows;
    for (size_t at = 0; at < m_period.days.size(); ++at) {
        const DayEnergy &day = m_period.days[at];
        const DayEnergy earlier = sameDayBefore(m_period.yearBefore, day.day);
        categories << (m_span == Span::Week ? Translation::names().dayName(day.day.dayOfWeek(), QLocale::ShortFormat)
                                            : QString::number(day.day.day()));
        *shown << valueOf(day).value_or(0.0);
        *before << valueOf(earlier).value_or(0.0);
        if (day.source == DayEnergy::Source::Computed || day.source == DayEnergy::Source::PartlyComputed)
            shown->selectBar(int(at));
        rows << QStringList{DateText::dateStamp(day.day), energyText(valueOf(day)), energyText(valueOf(earlier)),
                            sourceText(day.source)};
    }
    HistoryWidgets::setRows(m_table, rows);
    const QString name = m_span == Span::Week ? tr("Week") : tr("Month");
    const auto total = EnergyTable::total(m_period.days);
    m_summary->setText(
        total ? tr("%1 total %2, mean %3 a day; a year before %4. Light bars are computed from the daily logs.")
                    .arg(name, energyText(total), energyText(EnergyTable::mean(m_period.days)),
                         energyText(EnergyTable::total(m_period.yearBefore)))
              : tr("%1: no data.").arg(name));
    showBars(shown, before, categories, m_span == Span::Week ? tr("Day") : tr("Day of the month"));
}

void EnergyTab::showMonths()
{
    auto *shown = new QBarSet(m_periodName->text());
    auto *before = new QBarSet(QString::number(m_first.year() - 1));
    shown->setColor(kShownColour);
    before->setColor(kYearBeforeColour);
    QStringList categories;
    QList<QStringList> rows;
    const auto totals = EnergyTable::monthTotals(m_period.days);
    const auto earlier = EnergyTable::monthTotals(m_period.yearBefore);
    for (int month = 1; month <= kMonths; ++month) {
        const QString name = Translation::names().standaloneMonthName(month, QLocale::ShortFormat);
        categories << name;
        *shown << totals[size_t(month - 1)].value_or(0.0);
        *before << earlier[size_t(month - 1)].value_or(0.0);
        rows << QStringList{name, energyText(totals[size_t(month - 1)]), energyText(earlier[size_t(month - 1)]),
                            QString()};
    }
    HistoryWidgets::setRows(m_table, rows);
    const auto total = EnergyTable::total(m_period.days);
    m_summary->setText(total ? tr("Year total %1; the year before %2.")
                                   .arg(energyText(total), energyText(EnergyTable::total(m_period.yearBefore)))
                             : tr("Year: no data."));
    showBars(shown, before, categories, tr("Month"));
}

void EnergyTab::exportClicked()
{
    const Result<QString> path = HistoryCsv::write(m_programFolder, HistoryCsv::energyFileName(m_first),
                                                   HistoryCsv::energyText(m_period.days));
    m_written = path ? tr("Written: %1").arg(*path) : QString();
    showNote();
    if (!path)
        m_messages.message(tr("The CSV file could not be written: %1").arg(path.failure().forUser()));
}

} // namespace Brolant
