// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupbench.h"

#include "app/errorreporter.h"
#include "app/mainwindowmodel.h"
#include "app/ui/mainwindow.h"
#include "benchmark.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "memory.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QThread>

using namespace Brolant;

namespace {
// The real program, run from a folder of its own with no port, measured by the kernel.
double programMebibytesAfterStartUp()
{
    ProgramFolder folder;
    folder.writeProgramConfig("0");
    folder.writeCalibration();
    const QString executable = folder.file("brolant");
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/../brolant"), executable);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(executable, {});
    if (!program.waitForStarted())
        return -1.0;
    QThread::sleep(2);
    const double mebibytes = residentMebibytes(QString::number(program.processId()));
    program.terminate();
    program.waitForFinished();
    return mebibytes;
}
} // namespace

void benchStartUp()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "60", "1", "1");
    folder.writeCalibration();
    const Timing ns = nanosecondsPerRound(20, [&](long) {
        MainWindow window;
        FakeSerialLink link;
        FakeClock clock;
        ScriptedPrompts prompts;
        ProblemLog problems(clock);
        LoggerSession session(folder.path(), link, clock, problems, folder.programFiles());
        ErrorReporter errors(folder.path(), clock, problems, window);
        errors.listenTo(session);
        MainWindowModel model(session, problems, window, prompts);
        window.attach(model);
        window.show();
        model.startUp();
        QCoreApplication::processEvents();
    });
    report("start-up to window shown", ns, 1e6, "ms");
    report("resident memory after start-up", programMebibytesAfterStartUp(), "MiB");
}
