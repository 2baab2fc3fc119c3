#pragma once

#include "platform/messages.h"

namespace Brolant {

// What the main window asks of the user: OK-only messages and its modal dialogs. Each call
// returns when the user has closed what it showed.
class Prompts : public Messages
{
public:
    virtual void runProgramSetup() = 0;
    virtual void runLogViewer() = 0;
    // Throws Failure when the dialog cannot open (its files, or the port).
    virtual void runCalibration() = 0;
};

} // namespace Brolant
