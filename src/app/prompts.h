// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messages.h"
#include "text/failure.h"

namespace Brolant {

// How Program Setup was left: saved, closed by its frame, or "Abort", which asks for no port
// whether or not prog.cfg could be written to record it.
enum class SetupEnd
{
    Saved,
    Closed,
    Aborted
};

// What the main window asks of the user: OK-only messages and its modal dialogs. Each call
// returns when the user has closed what it showed.
class Prompts : public Messages
{
public:
    virtual SetupEnd runProgramSetup() = 0;
    virtual void runLogViewer() = 0;
    // The failure when the dialog cannot open (its files, or the port).
    virtual Result<> runCalibration() = 0;
};

} // namespace Brolant
