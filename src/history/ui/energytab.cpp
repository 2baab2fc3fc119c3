#include "history/ui/energytab.h"

#include "history/historycsv.h"
#include "history/ui/historywidgets.h"
#include "history/ui/loadstatus.h"
#include "platform/messages.h"
#include "text/datetext.h"
#include "text/failure.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace Brolant {

namespace {
const QColor kArchiveColour(33, 102, 172);
const QColor kComputedColour(244, 165, 130);

QString wattHoursText(double wattHours)
{
    return QString::number(wattHours, 'f', 1);
}

QString sourceText(DayEnergy::Source source)
{
    switch (source) {
    case DayEnergy::Source::Archive:
        return QStringLiteral("Whours.txt");
    case DayEnergy::Source::Computed:
        return QStringLiteral("computed from the daily log");
    case DayEnergy::Source::None:
        break;
    }
    return QStringLiteral("no data");
}
} // namespace

EnergyTab::EnergyTab(const QString &programFolder, double logDelaySeconds, const QDate &today,
                     Messages &messages, QWidget *parent)
    : QWidget(parent), m_programFolder(programFolder), m_logDelaySeconds(logDelaySeconds),
      m_messages(messages), m_load(programFolder)
{
    auto *column = new QVBoxLayout(this);
    auto *controls = new QHBoxLayout;
    const auto button = [&](const QString &caption, const QString &description) {
        auto *button = new QPushButton(caption, this);
        button->setAccessibleDescription(description);
        button->setAutoDefault(false);
        controls->addWidget(button);
        return button;
    };
    auto *previous = button(QStringLiteral("< Previous"), QStringLiteral("the month or year before"));
    m_period = new QLabel(this);
    m_period->setAlignment(Qt::AlignCenter);
    m_period->setMinimumWidth(140);
    controls->addWidget(m_period);
    auto *next = button(QStringLiteral("Next >"), QStringLiteral("the month or year after"));
    m_yearSwitch = button(QStringLiteral("Year"), QStringLiteral("switch between the days of a month and the months of its year"));
    m_yearSwitch->setCheckable(true);
    controls->addStretch(1);
    m_export = button(QStringLiteral("Export CSV"), QStringLiteral("write the month's days to the excel folder"));
    column->addLayout(controls);

    m_summary = new QLabel(this);
    m_note = new QLabel(this);
    // It names the folder written to: shown as it is.
    m_note->setTextFormat(Qt::PlainText);
    column->addWidget(m_summary);
    m_chart = HistoryWidgets::chartView(this, QStringLiteral("Energy chart"),
                                        QStringLiteral("watt-hours per day as bars; the same values are in the table below"));
    column->addWidget(m_chart, 3);
    m_table = HistoryWidgets::table(this, QStringLiteral("Energy per day"),
                                    {QStringLiteral("Date"), QStringLiteral("Wh"), QStringLiteral("Source")});
    column->addWidget(m_table, 2);
    column->addWidget(m_note);
    m_status = new LoadStatus(m_load, this);
    column->addWidget(m_status);

    connect(previous, &QPushButton::clicked, this, [this] { stepClicked(-1); });
    connect(next, &QPushButton::clicked, this, [this] { stepClicked(1); });
    connect(m_yearSwitch, &QPushButton::toggled, this, [this](bool year) {
        if (year)
            showYear(m_month.year());
        else
            showMonth(m_month);
    });
    connect(m_export, &QPushButton::clicked, this, &EnergyTab::exportClicked);
    connect(&m_load, &HistoryLoad::loaded, this,
            [this](const std::shared_ptr<const HistoryRecords> &records) { loaded(*records); });
    showMonth(today);
}

void EnergyTab::stepClicked(int direction)
{
    if (m_yearView)
        showYear(m_month.year() + direction);
    else
        showMonth(m_month.addMonths(direction));
}

void EnergyTab::showMonth(const QDate &month)
{
    m_yearView = false;
    m_month = QDate(month.year(), month.month(), 1);
    const QSignalBlocker quiet(m_yearSwitch);
    m_yearSwitch->setChecked(false);
    m_period->setText(QLocale().standaloneMonthName(m_month.month()) + u' ' + QString::number(m_month.year()));
    request(m_month, m_month.addMonths(1).addDays(-1));
}

void EnergyTab::showYear(int year)
{
    m_yearView = true;
    m_month = QDate(year, 1, 1);
    const QSignalBlocker quiet(m_yearSwitch);
    m_yearSwitch->setChecked(true);
    m_period->setText(QString::number(year));
    request(m_month, QDate(year, 12, 31));
}

void EnergyTab::request(const QDate &from, const QDate &to)
{
    m_export->setEnabled(false);
    m_archive = EnergyArchive::read(m_programFolder);
    m_note->setText(m_archive.damagedLines == 0
                        ? QString()
                        : QStringLiteral("%1 damaged line(s) in Whours.txt passed over.").arg(m_archive.damagedLines));
    const auto missing = EnergyTable::daysToCompute(m_archive, from, to);
    m_days.clear();
    m_status->started(int(missing.size()));
    m_load.request(missing);
}

void EnergyTab::loaded(const HistoryRecords &records)
{
    m_status->finished();
    const QDate to = m_yearView ? QDate(m_month.year(), 12, 31) : m_month.addMonths(1).addDays(-1);
    m_days = EnergyTable::days(m_archive, records, m_month, to, m_logDelaySeconds);
    if (m_yearView) {
        showMonths();
    } else {
        showDays();
        m_export->setEnabled(true);
    }
}

void EnergyTab::showBars(const QList<QBarSet *> &sets, const QStringList &categories,
                         const QString &categoryTitle)
{
    auto *series = new QStackedBarSeries;
    series->append(sets);
    QChart *chart = HistoryWidgets::emptied(m_chart);
    chart->addSeries(series);
    auto *bars = new QBarCategoryAxis;
    bars->append(categories);
    bars->setTitleText(categoryTitle);
    auto *wattHours = new QValueAxis;
    wattHours->setTitleText(QStringLiteral("Wh"));
    wattHours->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(bars, Qt::AlignBottom);
    chart->addAxis(wattHours, Qt::AlignLeft);
    series->attachAxis(bars);
    series->attachAxis(wattHours);
    wattHours->applyNiceNumbers();
}

void EnergyTab::showDays()
{
    auto *archived = new QBarSet(QStringLiteral("From Whours.txt"));
    auto *computed = new QBarSet(QStringLiteral("Computed from the daily log"));
    archived->setColor(kArchiveColour);
    computed->setColor(kComputedColour);
    QStringList categories;
    QList<QStringList> rows;
    for (const DayEnergy &day : m_days) {
        categories << QString::number(day.day.day());
        *archived << (day.source == DayEnergy::Source::Archive ? day.wattHours : 0.0);
        *computed << (day.source == DayEnergy::Source::Computed ? day.wattHours : 0.0);
        rows << QStringList{DateText::dateStamp(day.day),
                            day.source == DayEnergy::Source::None ? QString() : wattHoursText(day.wattHours),
                            sourceText(day.source)};
    }
    HistoryWidgets::setRows(m_table, rows);
    m_summary->setText(QStringLiteral("Month total %1 Wh, mean %2 Wh a day")
                           .arg(wattHoursText(EnergyTable::total(m_days)), wattHoursText(EnergyTable::mean(m_days))));
    showBars({archived, computed}, categories, QStringLiteral("Day of the month"));
}

void EnergyTab::showMonths()
{
    auto *totals = new QBarSet(QStringLiteral("Month total"));
    totals->setColor(kArchiveColour);
    QStringList categories;
    QList<QStringList> rows;
    const std::array<double, 12> monthTotals = EnergyTable::monthTotals(m_days);
    for (int month = 1; month <= 12; ++month) {
        const double total = monthTotals[size_t(month - 1)];
        const QString name = QLocale().standaloneMonthName(month, QLocale::ShortFormat);
        categories << name;
        *totals << total;
        rows << QStringList{name, wattHoursText(total), QString()};
    }
    HistoryWidgets::setRows(m_table, rows);
    m_summary->setText(QStringLiteral("Year total %1 Wh").arg(wattHoursText(EnergyTable::total(m_days))));
    showBars({totals}, categories, QStringLiteral("Month"));
}

void EnergyTab::exportClicked()
{
    try {
        const QString path = HistoryCsv::write(m_programFolder, HistoryCsv::energyFileName(m_month),
                                               HistoryCsv::energyText(m_days));
        m_note->setText(QStringLiteral("Written: ") + path);
    } catch (const Failure &failure) {
        m_messages.message(QStringLiteral("The CSV file could not be written: ") + failure.description);
    }
}

} // namespace Brolant
