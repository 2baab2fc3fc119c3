#pragma once

#include "logging/errorlog.h"
#include "text/failure.h"

#include <QObject>
#include <QString>

namespace Brolant {

class Clock;
class ErrorLine;
class LoggerSession;

// The program's one way of recording trouble: an entry in errorlog.txt with the stage under way
// and the text received last, and the error shown on the error line. Every part says its trouble
// by a signal; whoever builds the parts connects each of them here.
class ErrorReporter : public QObject
{
    Q_OBJECT

public:
    ErrorReporter(const QString &programFolder, const Clock &clock, ErrorLine &view, QObject *parent = nullptr);

    // Hears the session's parts: their trouble, and the text the board sent last.
    void listenTo(const LoggerSession &session);
    // The characters received at the last read.
    const QString &receivedText() const { return m_receivedText; }

    // One entry: the stage under way and the failure's description (empty for a check).
    void log(const QString &stage, const QString &description);
    void log(const Failure &failure) { log(failure.stage, failure.description); }

private:
    ErrorLog m_log;
    const Clock &m_clock;
    ErrorLine &m_view;
    QString m_receivedText;
};

} // namespace Brolant
