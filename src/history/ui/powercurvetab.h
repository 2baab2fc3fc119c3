// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/historyloader.h"
#include "history/powercurve.h"
#include "history/turbineperformance.h"
#include "history/turbinesettings.h"

#include <QWidget>

class QChart;
class QChartView;
class QValueAxis;
class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;

namespace Brolant {

class DayRangeBar;
class LoadStatus;
class Messages;

// The turbine's power curve over a range of days: every record, and the mean watts per bin.
class PowerCurveTab final : public QWidget
{
    Q_OBJECT

public:
    // What a load found: the bins, the records as thinned points, and how many records.
    struct Curve
    {
        std::vector<PowerBin> bins;
        std::vector<QPointF> points;
        long long records = 0;
        TurbinePerformance::Report performance;
    };

    PowerCurveTab(std::shared_ptr<HistorySource> source, const QString &programFolder, const QString &windUnits,
                  double logDelaySeconds, const QDate &today, Messages &messages, QWidget *parent = nullptr);

    void showClicked();
    void exportClicked();
    // Opens "Rated curve"; shows the curve again when it was saved.
    void ratedCurveClicked();
    // The answer to which unit WSUnits is, kept in turbine.cfg.
    void unitChosen(const QString &unit);
    DayRangeBar *range() const { return m_range; }

    const std::vector<PowerBin> &bins() const { return m_curve.bins; }
    const TurbinePerformance::Report &performance() const { return m_curve.performance; }

private:
    // The parts under the chart, top to bottom.
    QLayout *buildRatingRow(const QString &windUnits);
    QWidget *buildTables();
    void loaded();
    void showSummary();
    void readTurbine();
    void showPerformance();
    // The bins of the method and the rated curve, drawn in the logged unit of wind.
    void drawPerformance(QChart *chart, QValueAxis *wind, QValueAxis *watts);

    QString m_programFolder;
    QString m_windUnits;
    double m_logDelaySeconds = 0.0;
    TurbineSettings m_turbine;
    QString m_turbineProblem; // why turbine.cfg could not be used
    Messages &m_messages;
    HistoryLoadOf<Curve> m_load;
    QDate m_from; // the days of the curve shown
    QDate m_to;
    Curve m_curve;
    QString m_problems;
    QString m_written;

    DayRangeBar *m_range = nullptr;
    QPushButton *m_export = nullptr;
    QLabel *m_summary = nullptr;
    QChartView *m_chart = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_rated = nullptr;
    QComboBox *m_unit = nullptr; // asked while WSUnits names no known unit
    QLabel *m_figures = nullptr;
    QTableWidget *m_methodBins = nullptr;
    QTableWidget *m_annual = nullptr;
    LoadStatus *m_status = nullptr;
};

} // namespace Brolant
