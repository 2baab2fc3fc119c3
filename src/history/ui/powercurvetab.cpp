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

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}
} // namespace

PowerCurveTab::PowerCurveTab(const QString &programFolder, const QString &windUnits,
                             const QDate &today, Messages &messages, QWidget *parent)
    : QWidget(parent), m_programFolder(programFolder), m_windUnits(windUnits),
      m_messages(messages), m_load(programFolder)
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
    m_summary->setTextFormat(Qt::PlainText); // it names the folder written to
    column->addWidget(m_summary);
    m_chart = HistoryWidgets::chartView(
        this, QStringLiteral("Power curve chart"),
        QStringLiteral("watts against wind speed for every record, and the mean watts per bin; the bins are in the table below"));
    column->addWidget(m_chart, 3);
    m_table = HistoryWidgets::table(this, QStringLiteral("Power curve bins"),
                                    {QStringLiteral("Wind from"), QStringLiteral("Records"),
                                     QStringLiteral("Mean watts"), QStringLiteral("Max watts")});
    column->addWidget(m_table, 2);
    m_status = new LoadStatus(m_load, this);
    column->addWidget(m_status);

    connect(m_range, &DayRangeBar::showClicked, this, &PowerCurveTab::showClicked);
    connect(m_export, &QPushButton::clicked, this, &PowerCurveTab::exportClicked);
    connect(&m_load, &HistoryLoad::loaded, this,
            [this](const std::shared_ptr<const HistoryRecords> &records) { loaded(*records); });
    showClicked();
}

void PowerCurveTab::showClicked()
{
    m_from = m_range->from();
    m_to = m_range->to();
    m_export->setEnabled(false);
    const auto days = HistoryFiles::daysBetween(m_from, m_to);
    m_status->started(int(days.size()));
    m_load.request(days);
}

void PowerCurveTab::loaded(const HistoryRecords &records)
{
    m_status->finished();
    m_bins = PowerCurve::bins(records);
    m_export->setEnabled(true);
    m_summary->setText(QStringLiteral("%1 records; bins with fewer than %2 are drawn faint.")
                           .arg(records.size())
                           .arg(PowerBin::kFirmRecords));

    auto *points = new QScatterSeries;
    points->setName(QStringLiteral("Records"));
    points->setColor(kRecordColour);
    points->setBorderColor(kRecordColour);
    points->setMarkerSize(4);
    for (const QPointF &point : PowerCurve::scatter(records, kScatterColumns, kScatterRows))
        points->append(point);
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
    for (const PowerBin &bin : m_bins) {
        // Drawn at the middle of its bin.
        const QPointF at(bin.lowerEdge + 0.5, bin.meanWatts);
        if (bin.faint())
            faint->append(at);
        else
            mean->append(at);
        rows << QStringList{QString::number(bin.lowerEdge), QString::number(bin.records),
                            oneDecimal(bin.meanWatts), oneDecimal(bin.maxWatts)};
    }
    HistoryWidgets::setRows(m_table, rows);

    QChart *chart = HistoryWidgets::emptied(m_chart);
    auto *wind = new QValueAxis;
    wind->setTitleText(QStringLiteral("Wind speed (%1)").arg(m_windUnits));
    auto *watts = new QValueAxis;
    watts->setTitleText(QStringLiteral("Watts (W)"));
    chart->addAxis(wind, Qt::AlignBottom);
    chart->addAxis(watts, Qt::AlignLeft);
    for (QXYSeries *series : std::initializer_list<QXYSeries *>{points, mean, faint}) {
        chart->addSeries(series);
        series->attachAxis(wind);
        series->attachAxis(watts);
    }
    wind->applyNiceNumbers();
    watts->applyNiceNumbers();
}

void PowerCurveTab::exportClicked()
{
    try {
        const QString path = HistoryCsv::write(m_programFolder, HistoryCsv::powerCurveFileName(m_from, m_to),
                                               HistoryCsv::powerCurveText(m_bins));
        m_summary->setText(QStringLiteral("Written: ") + path);
    } catch (const Failure &failure) {
        m_messages.message(QStringLiteral("The CSV file could not be written: ") + failure.description);
    }
}

} // namespace Brolant
