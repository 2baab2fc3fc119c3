// SPDX-License-Identifier: GPL-3.0-or-later
#include "loggingbench.h"

#include "app/errorreporter.h"
#include "app/mainwindowmodel.h"
#include "benchmark.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "memory.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "quietview.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"
#include "sessionprobe.h"

using namespace Brolant;


void benchLogging()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "60", "1", "1");
    QByteArray config = folder.read("prog.cfg");
    folder.write("prog.cfg", config.replace("<Savehtml>0<", "<Savehtml>1<").replace("<SaveExcel>0<", "<SaveExcel>1<"));
    folder.writeCalibration();
    folder.write("html/template.asp",
                 QByteArray("<html><body>V <VV> I <II> W <WW> E <WH> R <RR> S <SS> T <TT> M <MM></body></html>"));

    QuietView view;
    FakeSerialLink link;
    FakeClock clock;
    ScriptedPrompts prompts;
    ProblemLog problems(clock);
    LoggerSession session(folder.path(), link, clock, problems, folder.programFiles());
    LoggerCore &core = SessionProbe::core(session);
    ErrorReporter errors(folder.path(), clock, problems, view);
    errors.listenTo(session);
    MainWindowModel model(session, problems, view, prompts);
    model.startUp();
    const QByteArray frame("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]");

    auto oneInterval = [&](long) {
        for (int i = 0; i < 10; ++i)
            link.push(frame);
        core.energy.tick();
        core.logging.tick();
        clock.advance(1000);
    };
    const Timing ns = nanosecondsPerRound(2000, oneInterval);
    report("logging tick with all outputs", ns, 1e6, "ms");

    constexpr long kWarmTicks = 1000;
    constexpr long kLongRun = 100000;
    for (long i = 0; i < kWarmTicks; ++i)
        oneInterval(i);
    const double warm = residentMebibytes();
    for (long i = kWarmTicks; i < kLongRun; ++i)
        oneInterval(i);
    report("memory after 1,000 ticks", warm, "MiB");
    report("memory after 100,000 ticks", residentMebibytes(), "MiB");
}
