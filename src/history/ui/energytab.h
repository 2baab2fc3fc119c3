// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/dayenergy.h"
#include "history/historyloader.h"

#include <QDate>
#include <QWidget>

class QBarSet;
class QChartView;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace Brolant {

class LoadStatus;
class Messages;

// Energy per day of a week or a month as bars, or per month of a year, each beside the same
// period a year before; the total and the mean.
class EnergyTab final : public QWidget
{
    Q_OBJECT

public:
    enum class Span
    {
        Week,
        Month,
        Year
    };

    // What a load found for the period shown and the same period a year before.
    struct Period
    {
        std::vector<DayEnergy> days;
        std::vector<DayEnergy> yearBefore;
        int damagedLines = 0;
        int linesAfterToday = 0;
    };

    EnergyTab(std::shared_ptr<HistorySource> source, const QString &programFolder, double logDelaySeconds,
              const QDate &today, Messages &messages, QWidget *parent = nullptr);

    // The week, month or year that holds `day`.
    void show(Span span, const QDate &day);
    void exportClicked();

    const std::vector<DayEnergy> &days() const { return m_period.days; }
    Span span() const { return m_span; }

private:
    // The row of period buttons, and the summary with the export button under it.
    QLayout *buildControls();
    QLayout *buildSummaryRow();
    void showPeriodName();
    void spanToggled(Span span, bool on);
    // Checks the span shown, and only it.
    void checkSpanShown();
    void request();
    void loaded();
    void cancelled();
    void showDays();
    void showMonths();
    void showBars(QBarSet *shown, QBarSet *before, const QStringList &categories, const QString &categoryTitle);
    void showNote();
    QDate last() const;

    QString m_programFolder;
    double m_logDelaySeconds;
    QDate m_today;
    Messages &m_messages;
    HistoryLoadOf<Period> m_load;
    Span m_span = Span::Month;
    QDate m_first; // the first day of the period asked for
    // The period whose load ended last: what the table and the chart show.
    Span m_shownSpan = Span::Month;
    QDate m_shownFirst;
    Period m_period;
    QString m_problems;
    QString m_written;

    QLabel *m_periodName = nullptr;
    std::array<QToolButton *, 3> m_spans{};
    QPushButton *m_next = nullptr; // never past today: nothing is logged there yet
    QPushButton *m_export = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_note = nullptr;
    QChartView *m_chart = nullptr;
    QTableWidget *m_table = nullptr;
    LoadStatus *m_status = nullptr;
};

} // namespace Brolant
