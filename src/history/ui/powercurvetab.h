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
    PowerCurveTab(const QString &programFolder, const QString &windUnits, const QDate &today,
                  Messages &messages, QWidget *parent = nullptr);

    void showClicked();
    void exportClicked();

    const std::vector<PowerBin> &bins() const { return m_bins; }

private:
    void loaded(const HistoryRecords &records);

    QString m_programFolder;
    QString m_windUnits;
    Messages &m_messages;
    HistoryLoad m_load;
    QDate m_from; // the days of the curve shown
    QDate m_to;
    std::vector<PowerBin> m_bins;

    DayRangeBar *m_range = nullptr;
    QPushButton *m_export = nullptr;
    QLabel *m_summary = nullptr;
    QChartView *m_chart = nullptr;
    QTableWidget *m_table = nullptr;
    LoadStatus *m_status = nullptr;
};

} // namespace Brolant
