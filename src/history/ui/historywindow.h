#pragma once

#include <QDate>
#include <QDialog>

class QTabWidget;

namespace Brolant {

class EnergyTab;
class Messages;
class PowerCurveTab;
class TrendTab;

// "Energy History": energy per day, the turbine's power curve and the trend of many days, read
// from the daily logs and Whours.txt, which it never changes.
class HistoryWindow final : public QDialog
{
    Q_OBJECT

public:
    HistoryWindow(const QString &programFolder, const QDate &today, Messages &messages,
                  QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    EnergyTab *energy() const { return m_energy; }
    PowerCurveTab *powerCurve() const { return m_powerCurve; }
    TrendTab *trend() const { return m_trend; }

private:
    QTabWidget *m_tabs = nullptr;
    EnergyTab *m_energy = nullptr;
    PowerCurveTab *m_powerCurve = nullptr;
    TrendTab *m_trend = nullptr;
};

} // namespace Brolant
