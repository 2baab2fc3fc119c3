#pragma once

#include "logging/failureepisode.h"

#include <QDate>
#include <QDialog>

#include <map>
#include <memory>

class QTabWidget;

namespace Brolant {

class EnergyTab;
class HistorySource;
class Messages;
class PowerCurveTab;
class TrendTab;
struct LoadReport;

// "Energy History": energy per day, the turbine's power curve and the trend of many days, read
// from the daily logs and Whours.txt, which it never changes. The three tabs share one source,
// so a day is read once however many tabs show it.
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

signals:
    // A file that could not be read: once when it starts failing, again only after it was read.
    void problemFound(const QString &stage, const QString &description);

private:
    void noteReport(const LoadReport &report);

    std::shared_ptr<HistorySource> m_source;
    std::map<QString, FailureEpisode> m_troubles; // by file name
    QTabWidget *m_tabs = nullptr;
    EnergyTab *m_energy = nullptr;
    PowerCurveTab *m_powerCurve = nullptr;
    TrendTab *m_trend = nullptr;
};

} // namespace Brolant
