// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/historywidgets.h"

#include "history/historyloader.h"
#include "platform/programpaths.h"

#include <QChartView>
#include <QCoreApplication>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>

namespace Brolant {

namespace HistoryWidgets {

QTableWidget *table(QWidget *parent, const QString &name, const QStringList &headers)
{
    auto *table = new QTableWidget(0, int(headers.size()), parent);
    table->setAccessibleName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

void setRows(QTableWidget *table, const QList<QStringList> &rows)
{
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            auto *item = new QTableWidgetItem(rows[row][column]);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
}

QChartView *chartView(QWidget *parent, const QString &name, const QString &description)
{
    auto *view = new QChartView(parent);
    view->setAccessibleName(name);
    view->setAccessibleDescription(description);
    view->setRenderHint(QPainter::Antialiasing);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    view->setMinimumSize(320, 180);
    return view;
}

QChart *emptied(QChartView *view)
{
    QChart *chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    return chart;
}

void roundRange(QValueAxis *axis)
{
    if (!(axis->max() > axis->min()))
        axis->setRange(axis->min(), axis->min() + 1.0);
    axis->applyNiceNumbers();
}

QString problemsText(const LoadReport &report)
{
    QStringList lines;
    for (const FileProblem &problem : report.problems) {
        const bool archive = problem.file == FileName::kEnergyArchive;
        lines << QCoreApplication::translate("Brolant::HistoryWidgets", "%1 could not be read (%2): %3.")
                     .arg(problem.file, problem.reason,
                          archive
                              ? QCoreApplication::translate(
                                  "Brolant::HistoryWidgets",
                                  "every day is computed from its daily log, and days known only from it are missing")
                              : QCoreApplication::translate("Brolant::HistoryWidgets", "its day has no records here"));
    }
    return lines.join(u'\n');
}

} // namespace HistoryWidgets

DayRangeBar::DayRangeBar(const QDate &from, const QDate &to, QWidget *parent)
    : QWidget(parent), m_from(new QDateEdit(from, this)), m_to(new QDateEdit(to, this))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    const auto dateBox = [&](QDateEdit *box, const QString &caption) {
        box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        box->setCalendarPopup(true);
        box->setAccessibleName(caption);
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        row->addWidget(label);
        row->addWidget(box);
    };
    dateBox(m_from, tr("From"));
    dateBox(m_to, tr("To"));
    auto *show = new QPushButton(tr("Show"), this);
    show->setAccessibleDescription(tr("read the daily logs from the first date to the second"));
    show->setAutoDefault(false);
    row->addWidget(show);
    row->addStretch(1);
    connect(show, &QPushButton::clicked, this, &DayRangeBar::showClicked);
}

QDate DayRangeBar::from() const
{
    return m_from->date();
}

QDate DayRangeBar::to() const
{
    return m_to->date();
}

void DayRangeBar::setDates(const QDate &from, const QDate &to)
{
    m_from->setDate(from);
    m_to->setDate(to);
}

} // namespace Brolant
