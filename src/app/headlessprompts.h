#pragma once

#include "platform/prompts.h"

class QTextStream;

namespace Brolant {

// Without a screen nobody answers: messages go to standard error, and the dialogs, which an
// unattended model never asks for, are not there.
class HeadlessPrompts final : public Prompts
{
public:
    explicit HeadlessPrompts(QTextStream &errors) : m_errors(errors) {}

    void message(const QString &text) override;
    void runProgramSetup() override;
    void runLogViewer() override;
    void runCalibration() override;

private:
    QTextStream &m_errors;
};

} // namespace Brolant
