// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>

class QDateEdit;
class QTableWidget;
class QChart;
class QChartView;
class QValueAxis;

namespace Brolant {

struct LoadReport;

// The pieces the Energy History's tabs share.
namespace HistoryWidgets {

// A read-only table a screen reader can walk cell by cell, named for what it lists; one Tab
// stop (the arrow keys move between cells).
QTableWidget *table(QWidget *parent, const QString &name, const QStringList &headers);
void setRows(QTableWidget *table, const QList<QStringList> &rows);

// A chart view with its legend at the bottom and antialiasing, named and described.
QChartView *chartView(QWidget *parent, const QString &name, const QString &description);

// The view's chart without its series and axes, ready to be drawn anew.
QChart *emptied(QChartView *view);

// Round figures at both ends of the axis. An axis over nothing (no records, or all of them 0)
// spans 0 to 1 instead, which Qt would otherwise round to an invalid range and warn about.
void roundRange(QValueAxis *axis);

// One line per file a load could not read, with the reason and what it means for what is shown.
QString problemsText(const LoadReport &report);

} // namespace HistoryWidgets

// "From" and "To" date boxes with a "Show" button: the days a tab reads.
class DayRangeBar final : public QWidget
{
    Q_OBJECT

public:
    DayRangeBar(const QDate &from, const QDate &to, QWidget *parent = nullptr);

    QDate from() const;
    QDate to() const;
    void setDates(const QDate &from, const QDate &to);

signals:
    void showClicked();

private:
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
};

} // namespace Brolant
