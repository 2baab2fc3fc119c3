// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/prompts.h"

#include <QStringList>

#include <functional>

namespace Brolant {

// Records every message and plays the setup dialog's outcome as the test scripts it.
class ScriptedPrompts final : public Prompts
{
public:
    QStringList messages;
    int setupRuns = 0;
    // What "the user" does in the setup dialog, and how the dialog ends; by default closes it by
    // its frame.
    std::function<void(int run)> onSetup = [](int) {};
    std::function<SetupEnd(int run)> setupEnd = [](int) { return SetupEnd::Closed; };

    void message(const QString &text) override { messages << text; }
    SetupEnd runProgramSetup() override
    {
        onSetup(++setupRuns);
        return setupEnd(setupRuns);
    }
    int viewerRuns = 0;
    void runLogViewer() override { ++viewerRuns; }
    int calibrationRuns = 0;
    // Whether the calibration dialog opens (its files and its port), and what "the user" does in
    // it when it does; by default it opens.
    std::function<Result<>(int run)> calibrationOpens = [](int) { return Result<>(); };
    std::function<void(int run)> onCalibration = [](int) {};
    Result<> runCalibration() override
    {
        const Result<> opened = calibrationOpens(++calibrationRuns);
        if (opened)
            onCalibration(calibrationRuns);
        return opened;
    }
};

} // namespace Brolant
