// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/powercurvetab.h"

#include "history/historycsv.h"
#include "history/ui/historywidgets.h"
#include "history/ui/loadstatus.h"
#include "platform/messages.h"
#include "text/failure.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace Brolant {

namespace {
// Light enough that the mean line stands out on top of a month of points.
const QColor kRecordColour(150, 190, 230);
const QColor kMeanColour(200, 30, 30);
const QColor kFaintColour(200, 30, 30, 70);
constexpr int kScatterColumns = 480;
constexpr int kScatterRows = 320;
constexpr int kRecentDays = 30;
constexpr double kHeadroom = 1.04;

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

HistoryLoad::Work curveWork(const std::vector<QDate> &days)
{
    return [days](HistoryReader &reader) -> std::any {
        const auto readings = reader.days(days);
        PowerCurveTab::Curve curve{PowerCurve::bins(readings),
                                   PowerCurve::scatter(readings, kScatterColumns, kScatterRows), 0};
        for (const PowerBin &bin : curve.bins)
            curve.records += bin.records;
        return curve;
    };
}
} // namespace

PowerCurveTab::PowerCurveTab(std::shared_ptr<HistorySource> source, const QString &programFolder,
                             const QString &windUnits, const QDate &today, Messages &messages, QWidget *parent)
    : QWidget(parent),
      m_programFolder(programFolder),
      m_windUnits(windUnits),
      m_messages(messages),
      m_load(std::move(source), this)
{
    auto *column = new QVBoxLayout(this);
    auto *controls = new QHBoxLayout;
    m_range = new DayRangeBar(today.addDays(-(kRecentDays - 1)), today, this);
    controls->addWidget(m_range, 1);
    m_export = new QPushButton(QStringLiteral("Export CSV"), this);
    m_export->setAccessibleDescription(QStringLiteral("write the bin table to the excel folder"));
    m_export->setAutoDefault(false);
    m_export->setEnabled(false);
    controls->addWidget(m_export);
    column->addLayout(controls);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    column->addWidget(m_summary);
    m_chart = HistoryWidgets::chartView(
        this, QStringLiteral("Power curve chart"),
        QStringLiteral(
            "watts against wind speed for every record, and the mean watts per bin; the bins are in the table below"));
    column->addWidget(m_chart, 4);
    m_table = HistoryWidgets::table(this, QStringLiteral("Power curve bins"),
                                    {QStringLiteral("Wind from"), QStringLiteral("Records"),
                                     QStringLiteral("Mean watts"), QStringLiteral("Max watts")});
    column->addWidget(m_table, 1);
    m_status = new LoadStatus(m_load, this);
    column->addWidget(m_status);

    connect(m_range, &DayRangeBar::showClicked, this, &PowerCurveTab::showClicked);
    connect(m_export, &QPushButton::clicked, this, &PowerCurveTab::exportClicked);
    connect(&m_load, &HistoryLoad::reported, this,
            [this](const LoadReport &report) { m_problems = HistoryWidgets::problemsText(report); });
    connect(&m_load, &HistoryLoad::loaded, this, &PowerCurveTab::loaded);
    showClicked();
}

void PowerCurveTab::showClicked()
{
    m_from = m_range->from();
    m_to = m_range->to();
    m_export->setEnabled(false);
    m_written.clear();
    const auto days = HistoryFiles::daysBetween(m_from, m_to);
    m_status->started(int(days.size()));
    m_load.request(int(days.size()), curveWork(days));
}

void PowerCurveTab::showSummary()
{
    QStringList lines{QStringLiteral("%1 records; bins with fewer than %2 are drawn faint.")
                          .arg(QLocale().toString(m_curve.records))
                          .arg(PowerBin::kFirmRecords)};
    if (!m_problems.isEmpty())
        lines << m_problems;
    if (!m_written.isEmpty())
        lines << m_written;
    m_summary->setText(lines.join(u'\n'));
}

void PowerCurveTab::loaded()
{
    m_status->finished();
    m_curve = m_load.result<Curve>();
    m_export->setEnabled(true);
    showSummary();

    auto *points = new QScatterSeries;
    points->setName(QStringLiteral("Records"));
    points->setColor(kRecordColour);
    points->setBorderColor(kRecordColour);
    points->setMarkerSize(4);
    points->replace(QList<QPointF>(m_curve.points.begin(), m_curve.points.end()));
    auto *mean = new QLineSeries;
    mean->setName(QStringLiteral("Mean watts per bin"));
    mean->setPen(QPen(kMeanColour, 2));
    mean->setPointsVisible(true);
    auto *faint = new QScatterSeries;
    faint->setName(QStringLiteral("Mean of fewer than %1 records").arg(PowerBin::kFirmRecords));
    faint->setColor(kFaintColour);
    faint->setBorderColor(kFaintColour);
    faint->setMarkerSize(8);
    QList<QStringList> rows;
    for (const PowerBin &bin : m_curve.bins) {
        // At the bin's mean wind speed, among its own records.
        const QPointF at(bin.meanWind, bin.meanWatts);
        if (bin.faint())
            faint->append(at);
        else
            mean->append(at);
        rows << QStringList{QString::number(bin.lowerEdge), QString::number(bin.records), oneDecimal(bin.meanWatts),
                            oneDecimal(bin.maxWatts)};
    }
    HistoryWidgets::setRows(m_table, rows);

    QChart *chart = HistoryWidgets::emptied(m_chart);
    auto *wind = new QValueAxis;
    wind->setTitleText(m_windUnits.trimmed().isEmpty() ? QStringLiteral("Wind speed")
                                                       : QStringLiteral("Wind speed (%1)").arg(m_windUnits.trimmed()));
    auto *watts = new QValueAxis;
    watts->setTitleText(QStringLiteral("Watts (W)"));
    chart->addAxis(wind, Qt::AlignBottom);
    chart->addAxis(watts, Qt::AlignLeft);
    for (QXYSeries *series : std::initializer_list<QXYSeries *>{points, mean, faint}) {
        chart->addSeries(series);
        series->attachAxis(wind);
        series->attachAxis(watts);
    }
    // Room beyond the highest point, so a point there is drawn whole rather than cut by the frame.
    for (QValueAxis *axis : {wind, watts}) {
        axis->setMax(axis->max() * kHeadroom);
        axis->applyNiceNumbers();
    }
}

void PowerCurveTab::exportClicked()
{
    try {
        m_written = QStringLiteral("Written: ")
                    + HistoryCsv::write(m_programFolder, HistoryCsv::powerCurveFileName(m_from, m_to),
                                        HistoryCsv::powerCurveText(m_curve.bins));
        showSummary();
    } catch (const Failure &failure) {
        m_written.clear();
        showSummary();
        m_messages.message(QStringLiteral("The CSV file could not be written: ") + failure.description);
    }
}

} // namespace Brolant
