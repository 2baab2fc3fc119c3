#include "history/ui/historywindow.h"

#include "history/ui/energytab.h"
#include "history/ui/powercurvetab.h"
#include "history/ui/trendtab.h"
#include "viewer/viewersettings.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace Brolant {

HistoryWindow::HistoryWindow(const QString &programFolder, const QDate &today, Messages &messages,
                             QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("EnergyHistory"));
    setWindowTitle(QStringLiteral("Energy History"));
    const ViewerSettings settings = ViewerSettings::read(programFolder);
    m_tabs = new QTabWidget(this);
    m_energy = new EnergyTab(programFolder, settings.logDelaySeconds(), today, messages, m_tabs);
    m_powerCurve = new PowerCurveTab(programFolder, settings.wsUnits, today, messages, m_tabs);
    m_trend = new TrendTab(programFolder, settings.seriesUnits(), today, m_tabs);
    m_tabs->addTab(m_energy, QStringLiteral("&Energy"));
    m_tabs->addTab(m_powerCurve, QStringLiteral("&Power curve"));
    m_tabs->addTab(m_trend, QStringLiteral("&Trend"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    resize(960, 680);
}

} // namespace Brolant
