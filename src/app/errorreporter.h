// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logging/errorlog.h"

#include <QObject>
#include <QString>

namespace Brolant {

class Clock;
class ErrorLine;
class LoggerSession;
class ProblemLog;

// The program's one way of recording trouble: each line the problem log reports becomes an entry in
// errorlog.txt with the text received last, and the error shown on the error line (the window's,
// or brolant-logger's terminal).
class ErrorReporter : public QObject
{
    Q_OBJECT

public:
    ErrorReporter(const QString &programFolder, const Clock &clock, const ProblemLog &problems, ErrorLine &view,
                  QObject *parent = nullptr);

    // Receives the text the board sent last, which every entry ends with.
    void listenTo(const LoggerSession &session);

    // One entry: the stage under way and the failure's description (empty for a check).
    void log(const QString &stage, const QString &description);

private:
    ErrorLog m_log;
    const Clock &m_clock;
    ErrorLine &m_view;
    QString m_receivedText;
};

} // namespace Brolant
