// brolant-logger: the same logger as brolant, without a window, for an always-on machine.

#include "app/consoleview.h"
#include "app/headlessprompts.h"
#include "app/mainwindowmodel.h"
#include "session/loggercore.h"
#include "alarms/alarmservice.h"
#include "app/alarmpublishing.h"
#include "publishing/mqttpublisher.h"
#include "platform/clock.h"
#include "platform/programlocation.h"
#include "platform/qserialportlink.h"
#include "platform/terminationsignals.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

using namespace Brolant;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString programFolder = ProgramLocation::folder(QCoreApplication::applicationDirPath());
    QTextStream out(stdout);
    QTextStream errors(stderr);
    out << "brolant-logger: program folder " << programFolder << Qt::endl;

    ConsoleView view(out, errors);
    QSerialPortLink link(programFolder);
    SystemClock clock;
    HeadlessPrompts prompts(errors);
    LoggerCore core(programFolder, link, clock);
    MainWindowModel model(programFolder, core, view, prompts, Attendance::Unattended);
    const auto publisher = MqttPublisher::startIfConfigured(programFolder, core);
    AlarmService alarms(programFolder, core);
    if (publisher)
        publishAlarms(alarms, *publisher);
    QObject::connect(&alarms, &AlarmService::changed, &application,
                     [&](const AlarmChange &change) { out << "alarm: " << AlarmService::logLine(change) << Qt::endl; });
    QObject::connect(&core.logging, &LoggingCycle::intervalLogged, &application, [&](const Record &record) {
        view.printIntervalLine(record, publisher ? publisher->state() : QString());
    });

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &application, [&] {
        model.end();
        if (publisher)
            publisher->end();
        out << "brolant-logger: ended in order" << Qt::endl;
        QCoreApplication::exit(0);
    });

    QTimer::singleShot(0, &model, &MainWindowModel::startUp);
    return application.exec();
}
