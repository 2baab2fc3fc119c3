#include "app/widgetprompts.h"

#include "dialogs/calibration/calibrate.h"
#include "dialogs/setup/programsetup.h"
#include "platform/qserialportlink.h"
#include "viewer/graph.h"

#include <QApplication>
#include <QMessageBox>

namespace Brolant {

WidgetPrompts::WidgetPrompts(QString programFolder, QWidget &owner)
    : m_programFolder(std::move(programFolder)), m_owner(owner)
{
}

void WidgetPrompts::message(const QString &text)
{
    // Centred on the window that raised it: an open dialog, else the main window.
    QWidget *raiser = QApplication::activeModalWidget();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brolant"), text, QMessageBox::Ok,
                    raiser ? raiser : &m_owner);
    box.exec();
}

void WidgetPrompts::runLogViewer()
{
    Graph viewer(m_programFolder, m_viewerSession, *this, &m_owner);
    viewer.exec();
}

void WidgetPrompts::runCalibration()
{
    // The dialog reads the board through a port of its own while the main window's is closed.
    QSerialPortLink link(m_programFolder);
    Calibrate dialog(m_programFolder, link, m_calibrationSession, *this, &m_owner);
    dialog.openPort();
    dialog.exec();
}

void WidgetPrompts::runProgramSetup()
{
    ProgramSetup dialog(m_programFolder, *this, &m_owner);
    dialog.exec();
}

} // namespace Brolant
