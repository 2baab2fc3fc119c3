#pragma once

#include "logging/errorlog.h"
#include "text/failure.h"

#include <QString>

namespace Brolant {

class Clock;
class ErrorLine;

// The main window's one way of recording trouble: an entry in errorlog.txt with the stage under
// way and the text received last, and the error shown in red.
class ErrorReporter
{
public:
    ErrorReporter(const QString &programFolder, const Clock &clock, ErrorLine &view);

    // The characters received at the last read.
    QString receivedText;

    // One entry: the stage under way and the failure's description (empty for a check).
    void log(const QString &stage, const QString &description);
    void log(const Failure &failure) { log(failure.stage, failure.description); }

private:
    ErrorLog m_log;
    const Clock &m_clock;
    ErrorLine &m_view;
};

} // namespace Brolant
