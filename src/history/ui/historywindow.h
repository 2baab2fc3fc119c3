// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>

#include <memory>

class QTabWidget;

namespace Brolant {

class EnergyTab;
class HistorySource;
class Messages;
class PowerCurveTab;
class ProblemLog;
class TrendTab;
struct LoadReport;

// "Energy History": energy per day, the turbine's power curve and the trend of many days, read
// from the daily logs and Whours.txt, which it never changes. The three tabs share one source,
// so a day is read once however many tabs show it. A file it cannot read goes to the problem log,
// once while it stays unreadable.
class HistoryWindow final : public QDialog
{
    Q_OBJECT

public:
    HistoryWindow(const QString &programFolder, const QDate &today, Messages &messages, ProblemLog &problems,
                  QWidget *parent = nullptr);
    ~HistoryWindow() override;

    QTabWidget *tabs() const { return m_tabs; }
    EnergyTab *energy() const { return m_energy; }
    PowerCurveTab *powerCurve() const { return m_powerCurve; }
    TrendTab *trend() const { return m_trend; }

private:
    void noteReport(const LoadReport &report);

    ProblemLog &m_problems;
    std::shared_ptr<HistorySource> m_source;
    QTabWidget *m_tabs = nullptr;
    EnergyTab *m_energy = nullptr;
    PowerCurveTab *m_powerCurve = nullptr;
    TrendTab *m_trend = nullptr;
};

} // namespace Brolant
