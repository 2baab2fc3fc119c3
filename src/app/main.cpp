#include "alarms/ui/alarmbanner.h"
#include "alarms/alarmservice.h"
#include "app/alarmpublishing.h"
#include "app/ui/mainwindow.h"
#include "app/mainwindowmodel.h"
#include "app/ui/widgetprompts.h"
#include "session/loggercore.h"
#include "publishing/mqttpublisher.h"
#include "platform/clock.h"
#include "platform/programlocation.h"
#include "platform/qserialportlink.h"
#include "platform/terminationsignals.h"

#include <QApplication>
#include <QTimer>

using namespace Brolant;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString programFolder = ProgramLocation::folder(QCoreApplication::applicationDirPath());

    MainWindow window;
    QSerialPortLink link(programFolder);
    SystemClock clock;
    WidgetPrompts prompts(programFolder, window);
    LoggerCore core(programFolder, link, clock);
    MainWindowModel model(programFolder, core, window, prompts);
    window.attach(model);
    const auto publisher = MqttPublisher::startIfConfigured(programFolder, core);
    if (publisher)
        QObject::connect(publisher.get(), &MqttPublisher::stateChanged, &window, &MainWindow::showBrokerState);
    AlarmService alarms(programFolder, core);
    if (publisher)
        publishAlarms(alarms, *publisher);
    AlarmBanner banner(alarms.board(), &window);
    banner.setGeometry(window.alarmArea());

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &application, [&] {
        model.end();
        // Leaves every event loop, a modal dialog's included.
        QCoreApplication::exit(0);
    });

    window.show();
    QTimer::singleShot(0, &model, &MainWindowModel::startUp);
    const int exitCode = application.exec();
    if (publisher)
        publisher->end();
    return exitCode;
}
