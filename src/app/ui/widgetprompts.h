// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/prompts.h"
#include "dialogs/calibration/calibrationmodel.h"
#include "viewer/graphmodel.h"

#include <QString>

#include <memory>

class QWidget;

namespace Brolant {

class LoggerParts;
class Graph;

// Prompts shown as real message boxes and dialogs, owned by the main window.
class WidgetPrompts final : public Prompts
{
public:
    // The windows of `logger`'s program folder; what they find wrong goes to its error reporter.
    WidgetPrompts(QWidget &owner, LoggerParts &logger);

    void message(const QString &text) override;
    SetupEnd runProgramSetup() override;
    void runLogViewer() override;
    // The viewer, with its History... button opening the Energy History beside it.
    std::unique_ptr<Graph> makeLogViewer();
    Result<> runCalibration() override;

private:
    QString m_programFolder;
    QWidget &m_owner;
    LoggerParts &m_logger;
    // The viewer's day and scales outlive each opening of the window, for the whole run.
    ViewerSession m_viewerSession;
    CalibrationSession m_calibrationSession;
};

} // namespace Brolant
