// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/historyloader.h"
#include "history/powercurve.h"

#include <QWidget>

class QChartView;
class QLabel;
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
    };

    PowerCurveTab(std::shared_ptr<HistorySource> source, const QString &programFolder, const QString &windUnits,
                  const QDate &today, Messages &messages, QWidget *parent = nullptr);

    void showClicked();
    void exportClicked();
    DayRangeBar *range() const { return m_range; }

    const std::vector<PowerBin> &bins() const { return m_curve.bins; }

private:
    void loaded();
    void showSummary();

    QString m_programFolder;
    QString m_windUnits;
    Messages &m_messages;
    HistoryLoad m_load;
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
    LoadStatus *m_status = nullptr;
};

} // namespace Brolant
