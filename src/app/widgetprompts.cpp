#include "app/widgetprompts.h"

#include "dialogs/setup/programsetup.h"
#include "viewer/graph.h"

#include <QMessageBox>

WidgetPrompts::WidgetPrompts(QString programFolder, QWidget &owner)
    : m_programFolder(std::move(programFolder)), m_owner(owner)
{
}

void WidgetPrompts::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brolant"), text, QMessageBox::Ok, &m_owner);
    box.exec();
}

void WidgetPrompts::runLogViewer()
{
    Graph viewer(m_programFolder, m_viewerSession, *this, &m_owner);
    viewer.exec();
}

void WidgetPrompts::runProgramSetup()
{
    ProgramSetup dialog(m_programFolder, *this, &m_owner);
    dialog.exec();
}
