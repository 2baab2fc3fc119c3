// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/historywindow.h"

#include "history/historyloader.h"
#include "history/ui/energytab.h"
#include "history/ui/powercurvetab.h"
#include "history/ui/trendtab.h"
#include "problems/problemlog.h"
#include "viewer/viewersettings.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace Brolant {

namespace {
const QSize kOpeningSize(960, 680);
} // namespace

HistoryWindow::HistoryWindow(const QString &programFolder, const QDate &today, Messages &messages, ProblemLog &problems,
                             QWidget *parent)
    : QDialog(parent), m_problems(problems), m_source(std::make_shared<HistorySource>(programFolder))
{
    setObjectName(QStringLiteral("EnergyHistory"));
    setWindowTitle(tr("Energy History"));
    const ViewerSettings settings = ViewerSettings::read(programFolder);
    m_tabs = new QTabWidget(this);
    m_energy = new EnergyTab(m_source, programFolder, settings.logDelaySeconds(), today, messages, m_tabs);
    m_powerCurve = new PowerCurveTab(m_source, programFolder, settings.wsUnits, settings.logDelaySeconds(), today,
                                     messages, m_tabs);
    m_trend = new TrendTab(m_source, settings.seriesUnits(), today, m_tabs);
    m_tabs->addTab(m_energy, tr("&Energy"));
    m_tabs->addTab(m_powerCurve, tr("&Power curve"));
    m_tabs->addTab(m_trend, tr("&Trend"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    for (HistoryLoad *load : findChildren<HistoryLoad *>())
        connect(load, &HistoryLoad::reported, this, &HistoryWindow::noteReport);
    resize(kOpeningSize);
}

HistoryWindow::~HistoryWindow()
{
    // The next window reads the files afresh: what it cannot read is worth reporting again.
    m_problems.forget(Problem::HistoryFileNotRead);
}

void HistoryWindow::noteReport(const LoadReport &report)
{
    for (const FileProblem &problem : report.problems)
        m_problems.reportAbout(Problem::HistoryFileNotRead, ProblemLog::Subject{problem.file},
                               problem.file + QStringLiteral(" could not be read: ") + problem.reason);
    for (const QString &file : report.filesRead)
        m_problems.resolvedAbout(Problem::HistoryFileNotRead, ProblemLog::Subject{file});
}

} // namespace Brolant
