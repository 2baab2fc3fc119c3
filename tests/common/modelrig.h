// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/errorreporter.h"
#include "app/mainwindowmodel.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "logging/errorlog.h"
#include "platform/programpaths.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "recordingview.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"
#include "sessionprobe.h"

#include <QList>

namespace Brolant {

// The main window's model over a temporary program folder, with a recording view, a port the test
// feeds, a clock the test sets and prompts the test scripts.
struct ModelRig
{
    ProgramFolder folder;
    RecordingView view;
    FakeSerialLink link;
    FakeClock clock;
    ScriptedPrompts prompts;
    ProblemLog problems{clock};
    LoggerSession session{folder.path(), link, clock, problems, folder.programFiles()};
    LoggerCore &core = SessionProbe::core(session);
    ErrorReporter errors{folder.path(), clock, problems, view};
    MainWindowModel model{session, problems, view, prompts};

    ModelRig() { errors.listenTo(session); }

    void push(const QList<QByteArray> &chunks)
    {
        for (const QByteArray &chunk : chunks)
            link.push(chunk);
    }
    QByteArray errorLog() const { return folder.read(FileName::kErrorLog); }
};

} // namespace Brolant
