#include "app/headlessprompts.h"

#include "text/failure.h"

#include <QTextStream>

namespace Brolant {

void HeadlessPrompts::message(const QString &text)
{
    m_errors << text << Qt::endl;
}

void HeadlessPrompts::runProgramSetup()
{
    m_errors << "Program Setup needs a screen: edit prog.cfg, or run brolant." << Qt::endl;
}

void HeadlessPrompts::runLogViewer()
{
    m_errors << "The log viewer needs a screen: run brolant." << Qt::endl;
}

void HeadlessPrompts::runCalibration()
{
    throw Failure{QStringLiteral("Calibration needs a screen: run brolant.")};
}

} // namespace Brolant
