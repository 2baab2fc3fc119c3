// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/widgetprompts.h"

#include "app/loggerparts.h"
#include "dialogs/alarms/alarmsdialog.h"
#include "dialogs/calibration/ui/calibrate.h"
#include "dialogs/publishing/mqttdialog.h"
#include "dialogs/setup/ui/programsetup.h"
#include "dialogs/web/webdialog.h"
#include "history/ui/historywindow.h"
#include "platform/clock.h"
#include "platform/qserialportlink.h"
#include "viewer/ui/graph.h"

#include <QApplication>
#include <QMessageBox>

namespace Brolant {

WidgetPrompts::WidgetPrompts(QWidget &owner, LoggerParts &logger)
    : m_programFolder(logger.session.programFolder()), m_owner(owner), m_logger(logger)
{
}

void WidgetPrompts::message(const QString &text)
{
    // Centred on the window that raised it: an open dialog, else the main window.
    QWidget *raiser = QApplication::activeModalWidget();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brolant"), text, QMessageBox::Ok, raiser ? raiser : &m_owner);
    box.exec();
}

std::unique_ptr<Graph> WidgetPrompts::makeLogViewer()
{
    auto viewer = std::make_unique<Graph>(m_programFolder, m_viewerSession, *this, &m_owner);
    Graph *graph = viewer.get();
    QObject::connect(graph, &Graph::historyRequested, graph, [this, graph] {
        // One window at a time, kept open beside the viewer; it closes with the viewer.
        auto *history = graph->findChild<HistoryWindow *>();
        if (!history) {
            history = new HistoryWindow(m_programFolder, m_logger.clock.now().date(), *this, m_logger.problems, graph);
            history->setAttribute(Qt::WA_DeleteOnClose);
        }
        history->show();
        history->raise();
        history->activateWindow();
    });
    return viewer;
}

void WidgetPrompts::runLogViewer()
{
    makeLogViewer()->exec();
}

Result<> WidgetPrompts::runCalibration()
{
    // The dialog reads the board through a port of its own while the main window's is closed.
    QSerialPortLink link(m_programFolder);
    Calibrate dialog(m_logger.settings, link, m_calibrationSession, *this, &m_owner);
    if (const Result<> opened = dialog.openPort(); !opened)
        return opened;
    dialog.exec();
    return {};
}

SetupEnd WidgetPrompts::runProgramSetup()
{
    ProgramSetup dialog(m_logger.settings, *this, &m_owner);
    QObject::connect(&dialog, &ProgramSetup::publishingRequested, &dialog, [this, &dialog] {
        MqttDialog settings(m_logger.settings, *this, &dialog);
        settings.exec();
    });
    QObject::connect(&dialog, &ProgramSetup::webRequested, &dialog, [this, &dialog] {
        WebDialog settings(m_logger.settings, *this, &dialog);
        settings.exec();
    });
    QObject::connect(&dialog, &ProgramSetup::alarmsRequested, &dialog, [this, &dialog] {
        // The defaults of the system chosen on the form, which the logger watches once it is saved.
        AlarmsDialog settings(m_logger.settings, AlarmSettings::defaultsFor(dialog.chosen()), *this, &dialog);
        settings.exec();
    });
    switch (dialog.exec()) {
    case ProgramSetup::Aborted:
        return SetupEnd::Aborted;
    case QDialog::Accepted:
        return SetupEnd::Saved;
    default:
        return SetupEnd::Closed;
    }
}

} // namespace Brolant
