#pragma once

#include "history/dayenergy.h"
#include "history/historyloader.h"
#include "logging/energyarchive.h"

#include <QDate>
#include <QWidget>

class QBarSet;
class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

namespace Brolant {

class LoadStatus;
class Messages;

// Energy per day of a month as bars, or per month of a year; the total and the mean.
class EnergyTab final : public QWidget
{
    Q_OBJECT

public:
    EnergyTab(const QString &programFolder, double logDelaySeconds, const QDate &today,
              Messages &messages, QWidget *parent = nullptr);

    void showMonth(const QDate &month);
    void showYear(int year);
    void exportClicked();

    const std::vector<DayEnergy> &days() const { return m_days; }

private:
    void request(const QDate &from, const QDate &to);
    void loaded(const HistoryRecords &records);
    void showDays();
    void showMonths();
    void showBars(const QList<QBarSet *> &sets, const QStringList &categories, const QString &categoryTitle);
    void stepClicked(int direction);

    QString m_programFolder;
    double m_logDelaySeconds;
    Messages &m_messages;
    HistoryLoad m_load;
    EnergyArchive m_archive;
    QDate m_month; // the first of the month shown, or of the year in the year view
    bool m_yearView = false;
    std::vector<DayEnergy> m_days;

    QLabel *m_period = nullptr;
    QPushButton *m_yearSwitch = nullptr;
    QPushButton *m_export = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_note = nullptr;
    QChartView *m_chart = nullptr;
    QTableWidget *m_table = nullptr;
    LoadStatus *m_status = nullptr;
};

} // namespace Brolant
