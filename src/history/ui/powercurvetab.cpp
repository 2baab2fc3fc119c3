// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/powercurvetab.h"

#include "history/historycsv.h"
#include "history/ui/historywidgets.h"
#include "history/ui/loadstatus.h"
#include "history/ui/ratedcurvedialog.h"
#include "platform/messages.h"
#include "text/failure.h"
#include "text/windspeedunit.h"
#include "widgets/widgethelpers.h"

#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace Brolant {

namespace {
// Light enough that the mean line stands out on top of a month of points.
const QColor kRecordColour(150, 190, 230);
const QColor kMeanColour(200, 30, 30);
const QColor kFaintColour(200, 30, 30, 70);
const QColor kMethodColour(0, 110, 0);
const QColor kMethodFaintColour(0, 110, 0, 70);
const QColor kRatedColour(40, 40, 40);
const QStringList kKnownUnits{QStringLiteral("m/s"), QStringLiteral("km/h"), QStringLiteral("mph"),
                              QStringLiteral("knots"), QStringLiteral("ft/s")};
constexpr int kScatterColumns = 480;
constexpr int kScatterRows = 320;
constexpr int kRecentDays = 30;
constexpr double kHeadroom = 1.04;

// A line of bins' means, with their points shown.
QLineSeries *meanLine(const QString &name, const QColor &colour)
{
    auto *line = new QLineSeries;
    line->setName(name);
    line->setPen(QPen(colour, 2));
    line->setPointsVisible(true);
    return line;
}

QScatterSeries *dots(const QString &name, const QColor &colour, qreal size)
{
    auto *dots = new QScatterSeries;
    dots->setName(name);
    dots->setColor(colour);
    dots->setBorderColor(colour);
    dots->setMarkerSize(size);
    return dots;
}

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

HistoryLoadOf<PowerCurveTab::Curve>::Work curveWork(const std::vector<QDate> &days, std::optional<double> toMs,
                                                    const RatedCurve &rated, double logDelaySeconds)
{
    return [days, toMs, rated, logDelaySeconds](HistoryReader &reader) {
        const auto readings = reader.days(days);
        PowerCurveTab::Curve curve{PowerCurve::bins(readings),
                                   PowerCurve::scatter(readings, kScatterColumns, kScatterRows), 0,
                                   TurbinePerformance::of(readings, toMs, rated, logDelaySeconds)};
        for (const PowerBin &bin : curve.bins)
            curve.records += bin.records;
        return curve;
    };
}
} // namespace

PowerCurveTab::PowerCurveTab(std::shared_ptr<HistorySource> source, const QString &programFolder,
                             const QString &windUnits, double logDelaySeconds, const QDate &today, Messages &messages,
                             QWidget *parent)
    : QWidget(parent),
      m_programFolder(programFolder),
      m_windUnits(windUnits),
      m_logDelaySeconds(logDelaySeconds),
      m_messages(messages),
      m_load(std::move(source), this)
{
    auto *column = new QVBoxLayout(this);
    auto *controls = new QHBoxLayout;
    m_range = new DayRangeBar(today.addDays(-(kRecentDays - 1)), today, this);
    controls->addWidget(m_range, 1);
    m_export = new QPushButton(tr("Export CSV"), this);
    m_export->setAccessibleDescription(tr("write the bin tables to the excel folder"));
    m_export->setAutoDefault(false);
    m_export->setEnabled(false);
    controls->addWidget(m_export);
    column->addLayout(controls);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    column->addWidget(m_summary);
    m_chart = HistoryWidgets::chartView(
        this, tr("Power curve chart"),
        tr("watts against wind speed for every record, the mean watts per bin, the method of bins and the rated "
           "curve; the bins are in the tables below"));
    column->addWidget(m_chart, 4);

    readTurbine();
    column->addLayout(buildRatingRow(windUnits));
    column->addWidget(buildTables(), 2);
    m_status = new LoadStatus(m_load, this);
    column->addWidget(m_status);

    connect(m_range, &DayRangeBar::showClicked, this, &PowerCurveTab::showClicked);
    connect(m_export, &QPushButton::clicked, this, &PowerCurveTab::exportClicked);
    connect(m_rated, &QPushButton::clicked, this, &PowerCurveTab::ratedCurveClicked);
    connect(&m_load, &HistoryLoad::reported, this,
            [this](const LoadReport &report) { m_problems = HistoryWidgets::problemsText(report); });
    connect(&m_load, &HistoryLoad::loaded, this, &PowerCurveTab::loaded);
    showClicked();
}

QLayout *PowerCurveTab::buildRatingRow(const QString &windUnits)
{
    auto *rating = new QHBoxLayout;
    m_rated = new QPushButton(tr("Rated curve..."), this);
    m_rated->setAccessibleDescription(tr("type, paste or import the turbine's rated power curve"));
    m_rated->setAutoDefault(false);
    rating->addWidget(m_rated, 0, Qt::AlignTop);
    if (!WindSpeedUnit::toMetresPerSecond(windUnits)) {
        // Asked once: the answer is kept in turbine.cfg for these units.
        auto *unitLabel = new QLabel(tr("Wind unit \"%1\" is:").arg(windUnits.trimmed()), this);
        m_unit = new QComboBox(this);
        m_unit->addItem(tr("(not known)"));
        m_unit->addItems(kKnownUnits);
        if (m_turbine.toMetresPerSecond(windUnits))
            m_unit->setCurrentText(m_turbine.unitsMean);
        WidgetHelpers::labelFor(unitLabel, {m_unit});
        rating->addWidget(unitLabel, 0, Qt::AlignTop);
        rating->addWidget(m_unit, 0, Qt::AlignTop);
        connect(m_unit, &QComboBox::activated, this, [this] { unitChosen(m_unit->currentText()); });
    }
    m_figures = new QLabel(this);
    m_figures->setWordWrap(true);
    m_figures->setTextFormat(Qt::PlainText);
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    rating->addWidget(m_figures, 1);
    return rating;
}

QWidget *PowerCurveTab::buildTables()
{
    // Three tables under the chart, a page each: the window still fits a small screen.
    auto *tables = new QTabWidget(this);
    // Made after the controls above them, so Tab reaches them in the order they are shown.
    m_table = HistoryWidgets::table(this, tr("Power curve bins"),
                                    {tr("Wind from"), tr("Records"), tr("Mean watts"), tr("Max watts")});
    m_table->setObjectName(QStringLiteral("Bins"));
    tables->addTab(m_table, tr("Bins of 1 unit"));
    m_methodBins = HistoryWidgets::table(this, tr("Method of bins"),
                                         {tr("Bin (m/s)"), tr("Minutes"), tr("Mean wind (m/s)"), tr("Mean watts"),
                                          tr("SD watts"), tr("Rated watts"), tr("% of rated")});
    tables->addTab(m_methodBins, tr("Method of bins"));
    m_annual = HistoryWidgets::table(
        this, tr("Annual energy"), {tr("Mean wind (m/s)"), tr("Measured (kWh)"), tr("Rated (kWh)"), tr("% of rated")});
    tables->addTab(m_annual, tr("Annual energy"));
    m_methodBins->setObjectName(QStringLiteral("MethodBins"));
    m_annual->setObjectName(QStringLiteral("AnnualEnergy"));
    return tables;
}

void PowerCurveTab::readTurbine()
{
    const Result<TurbineSettings> turbine = TurbineSettings::load(m_programFolder);
    m_turbine = turbine.valueOr(TurbineSettings());
    m_turbineProblem = turbine ? QString() : turbine.failure().forUser();
}

void PowerCurveTab::showClicked()
{
    // As the file is now: an edit by hand applies on Show, as on the page.
    readTurbine();
    m_from = m_range->from();
    m_to = m_range->to();
    m_export->setEnabled(false);
    m_written.clear();
    const auto days = HistoryFiles::daysBetween(m_from, m_to);
    m_status->started(int(days.size()));
    m_load.request(int(days.size()),
                   curveWork(days, m_turbine.toMetresPerSecond(m_windUnits), m_turbine.rated, m_logDelaySeconds));
}

void PowerCurveTab::ratedCurveClicked()
{
    RatedCurveDialog dialog(m_programFolder, m_turbine, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_turbine = dialog.settings();
    m_turbineProblem.clear();
    showClicked();
}

void PowerCurveTab::unitChosen(const QString &unit)
{
    TurbineSettings changed = m_turbine;
    changed.unitsAsked = kKnownUnits.contains(unit) ? m_windUnits.simplified() : QString();
    changed.unitsMean = kKnownUnits.contains(unit) ? unit : QString();
    if (const Result<> saved = changed.save(m_programFolder); !saved) {
        m_messages.message(tr("The wind unit could not be kept: ") + saved.failure().forUser());
        return;
    }
    m_turbine = changed;
    showClicked();
}

void PowerCurveTab::showPerformance()
{
    using TurbinePerformance::figure;
    namespace Decimals = TurbinePerformance::Decimals;
    const TurbinePerformance::Report &report = m_curve.performance;
    QStringList lines;
    if (!m_turbineProblem.isEmpty())
        lines << tr("turbine.cfg could not be used (%1).").arg(m_turbineProblem);
    if (!report.toMetresPerSecond) {
        lines << tr("Choose which unit the wind speed is logged in to see the method of bins.");
    } else {
        lines << tr("Method of bins (IEC 61400-12-1): 1-minute means in bins 0.5 m/s wide; bins of "
                    "fewer than %1 minutes are drawn faint.")
                     .arg(TurbinePerformance::kFirmMinutes);
        if (report.slowerThanAMinute)
            lines << tr("Logged less often than once a minute: each record is used as it is.");
    }
    if (report.weibull) {
        QString site = tr("Site's wind: Weibull k %1, c %2 m/s; a year of it gives %3 kWh measured")
                           .arg(figure(report.weibull->k, Decimals::kShape), figure(report.weibull->c, Decimals::kMs),
                                figure(report.siteMeasuredKWh, Decimals::kKWh));
        if (report.siteRatedKWh)
            site += tr(", %1 kWh rated").arg(figure(report.siteRatedKWh, Decimals::kKWh));
        lines << site + u'.';
    }
    QString energy = tr("%1 kWh in %2 hours logged")
                         .arg(figure(report.energyKWh, Decimals::kEnergyKWh), figure(report.hours, Decimals::kHours));
    if (report.capacityFactor)
        energy += tr("; capacity factor %1 at %2 W rated")
                      .arg(figure(report.capacityFactor, Decimals::kCapacityFactor),
                           figure(report.ratedPower, Decimals::kWatts));
    else if (m_turbine.rated.isEmpty())
        energy += tr("; enter the rated curve to hold them against it");
    lines << energy + u'.';
    m_figures->setText(lines.join(u'\n'));

    QList<QStringList> rows;
    for (const TurbinePerformance::Bin &bin : report.bins)
        rows << QStringList{figure(bin.centre, 1),
                            QString::number(bin.minutes),
                            figure(bin.meanMs, Decimals::kMs),
                            figure(bin.meanWatts, Decimals::kWatts),
                            figure(bin.sdWatts, Decimals::kWatts),
                            figure(bin.ratedWatts, Decimals::kWatts),
                            figure(bin.ratedPercent, Decimals::kPercent)};
    HistoryWidgets::setRows(m_methodBins, rows);
    rows.clear();
    for (const TurbinePerformance::AnnualEnergy &year : report.annual)
        rows << QStringList{figure(year.meanMs, 0), figure(year.measuredKWh, Decimals::kKWh),
                            figure(year.ratedKWh, Decimals::kKWh), figure(year.percentOfRated(), Decimals::kPercent)};
    HistoryWidgets::setRows(m_annual, rows);
}

void PowerCurveTab::drawPerformance(QChart *chart, QValueAxis *wind, QValueAxis *watts)
{
    const TurbinePerformance::Report &report = m_curve.performance;
    if (!report.toMetresPerSecond || *report.toMetresPerSecond <= 0)
        return;
    const double perUnit = *report.toMetresPerSecond;
    QLineSeries *method = meanLine(tr("Method of bins (0.5 m/s)"), kMethodColour);
    QScatterSeries *faint = dots(tr("Bin of fewer than %1 minutes").arg(TurbinePerformance::kFirmMinutes),
                                 kMethodFaintColour, 7);
    for (const TurbinePerformance::Bin &bin : report.bins)
        (bin.faint() ? static_cast<QXYSeries *>(faint) : method)->append(bin.meanMs / perUnit, bin.meanWatts);
    std::vector<QXYSeries *> series{method, faint};
    if (!m_turbine.rated.isEmpty()) {
        auto *rated = new QLineSeries;
        rated->setName(tr("Rated curve"));
        rated->setPen(QPen(kRatedColour, 2, Qt::DashLine));
        for (const auto &[speed, power] : m_turbine.rated.points)
            rated->append(speed / perUnit, power);
        series.push_back(rated);
    }
    for (QXYSeries *each : series) {
        chart->addSeries(each);
        each->attachAxis(wind);
        each->attachAxis(watts);
    }
}

void PowerCurveTab::showSummary()
{
    QStringList lines{tr("%1 records; bins with fewer than %2 are drawn faint.")
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
    m_curve = m_load.result();
    m_export->setEnabled(true);
    showSummary();
    showPerformance();

    QScatterSeries *points = dots(tr("Records"), kRecordColour, 4);
    points->replace(QList<QPointF>(m_curve.points.begin(), m_curve.points.end()));
    QLineSeries *mean = meanLine(tr("Mean watts per bin"), kMeanColour);
    QScatterSeries *faint = dots(tr("Mean of fewer than %1 records").arg(PowerBin::kFirmRecords), kFaintColour, 8);
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
    wind->setTitleText(m_windUnits.trimmed().isEmpty() ? tr("Wind speed")
                                                       : tr("Wind speed (%1)").arg(m_windUnits.trimmed()));
    auto *watts = new QValueAxis;
    watts->setTitleText(tr("Watts (W)"));
    chart->addAxis(wind, Qt::AlignBottom);
    chart->addAxis(watts, Qt::AlignLeft);
    for (QXYSeries *series : std::initializer_list<QXYSeries *>{points, mean, faint}) {
        chart->addSeries(series);
        series->attachAxis(wind);
        series->attachAxis(watts);
    }
    drawPerformance(chart, wind, watts);
    // Room beyond the highest point, so a point there is drawn whole rather than cut by the frame.
    for (QValueAxis *axis : {wind, watts}) {
        axis->setMax(axis->max() * kHeadroom);
        HistoryWidgets::roundRange(axis);
    }
}

void PowerCurveTab::exportClicked()
{
    const Result<QString> bins = HistoryCsv::write(m_programFolder, HistoryCsv::powerCurveFileName(m_from, m_to),
                                                   HistoryCsv::powerCurveText(m_curve.bins));
    const Result<QString> performance = bins.andThen([this](const QString &) {
        return HistoryCsv::write(m_programFolder, HistoryCsv::performanceFileName(m_from, m_to),
                                 HistoryCsv::performanceText(m_curve.performance, m_turbine.rated));
    });
    if (!performance) {
        m_written.clear();
        showSummary();
        m_messages.message(tr("The CSV file could not be written: %1").arg(performance.failure().forUser()));
        return;
    }
    m_written = tr("Written: %1 and %2").arg(*bins, *performance);
    showSummary();
}

} // namespace Brolant
