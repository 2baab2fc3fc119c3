// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/ui/alarmbanner.h"
#include "app/loggerparts.h"
#include "app/mainwindowmodel.h"
#include "app/ui/mainwindow.h"
#include "app/ui/widgetprompts.h"
#include "platform/clock.h"
#include "platform/commandline.h"
#include "platform/exitguard.h"
#include "platform/qserialportlink.h"
#include "platform/terminationsignals.h"
#include "platform/translation.h"

#include <QApplication>
#include <QTimer>

using namespace Brolant;

int main(int argc, char *argv[])
{
    // Answered before the window system is reached: --help, --version and a wrong option need no
    // display. Qt's own options (-platform ...) go on to QApplication.
    const CommandLine::LoggerStart start = CommandLine::parseLogger(
        CommandLine::arguments(argc, argv),
        QStringLiteral("Brolant: the data logger for a small wind-and-battery power system, with its window."),
        CommandLine::QtOptions::Windows);
    if (start.exitCode)
        return *start.exitCode;
    QApplication application(argc, argv);
    const Translation translation(start.language);
    const std::optional<QString> folder = CommandLine::programFolder(start);
    if (!folder)
        return CommandLine::kUsageError;
    const QString &programFolder = *folder;

    MainWindow window;
    QSerialPortLink link(programFolder);
    SystemClock clock;
    LoggerParts logger(programFolder, link, clock, window, Attendance::Attended);
    WidgetPrompts prompts(window, logger);
    MainWindowModel model(logger.session, logger.problems, window, prompts);
    window.attach(model);
    QObject::connect(&logger.publishing, &MqttPublishing::stateChanged, &window, &MainWindow::showBrokerState);
    logger.start();
    AlarmBanner banner(logger.alarms.board(), logger.problems, &window);
    banner.setGeometry(window.alarmArea());
    banner.setMinimumHeight(window.alarmArea().height());

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &application, [&] {
        model.end();
        // Leaves every event loop, a modal dialog's included.
        QCoreApplication::exit(0);
    });

    // Logging off can remove the display before any window is closed: the end still comes.
    const ExitGuard lostDisplay([&] {
        model.end();
        logger.end();
    });

    window.show();
    QTimer::singleShot(0, &model, &MainWindowModel::startUp);
    const int exitCode = application.exec();
    logger.end();
    return exitCode;
}
