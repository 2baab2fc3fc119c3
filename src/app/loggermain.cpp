// SPDX-License-Identifier: GPL-3.0-or-later
// brolant-logger: the same logger as brolant, without a window, for an always-on machine.

#include "app/consolestatus.h"
#include "app/loggerparts.h"
#include "platform/clock.h"
#include "platform/commandline.h"
#include "platform/qserialportlink.h"
#include "platform/servicenotifier.h"
#include "platform/terminationsignals.h"
#include "platform/translation.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

using namespace Brolant;

int main(int argc, char *argv[])
{
    const CommandLine::LoggerStart start = CommandLine::parseLogger(
        CommandLine::arguments(argc, argv),
        QStringLiteral("The Brolant data logger without a window: reads the board, logs and publishes until it "
                       "is ended by SIGTERM or SIGINT."),
        CommandLine::QtOptions::None);
    if (start.exitCode)
        return *start.exitCode;
    QCoreApplication application(argc, argv);
    const Translation translation(start.language);
    // First: it removes systemd's variables before anything could start a program.
    ServiceNotifier service;
    const std::optional<QString> folder = CommandLine::programFolder(start);
    if (!folder)
        return CommandLine::kUsageError;
    const QString &programFolder = *folder;
    QTextStream out(stdout);
    QTextStream errors(stderr);
    ConsoleStatus status(out, errors);
    status.printLine(QCoreApplication::translate("Brolant::ConsoleStatus", "brolant-logger: program folder ")
                     + programFolder);

    QSerialPortLink link(programFolder);
    SystemClock clock;
    LoggerParts logger(programFolder, link, clock, status, Attendance::Unattended);
    QObject::connect(&logger.alarms, &AlarmService::changed, &status, &ConsoleStatus::printAlarm);
    QObject::connect(&logger.session, &LoggerSession::recordLogged, &status, &ConsoleStatus::printIntervalLine);
    QObject::connect(&logger.publishing, &MqttPublishing::stateChanged, &status, &ConsoleStatus::setBrokerState);
    QObject::connect(&logger.web, &WebDashboard::serving, &status, [&status](const QStringList &addresses) {
        status.printLine(QCoreApplication::translate("Brolant::ConsoleStatus", "brolant-logger: the live page is at ")
                         + addresses.join(QCoreApplication::translate("Brolant::ConsoleStatus", " and ")));
    });
    logger.start();

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &application, [&] {
        service.stopping();
        logger.end();
        status.printLine(QCoreApplication::translate("Brolant::ConsoleStatus", "brolant-logger: ended in order"));
        QCoreApplication::exit(0);
    });

    QTimer::singleShot(0, &logger.session, [&] {
        logger.session.startUpAndRetry();
        // Running from here on, whether the port opened or is being tried again.
        service.ready();
    });
    return application.exec();
}
