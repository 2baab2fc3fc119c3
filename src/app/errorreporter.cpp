// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorreporter.h"

#include "app/mainwindowview.h"
#include "platform/clock.h"
#include "platform/programpaths.h"
#include "problems/problemlog.h"
#include "session/loggersession.h"
#include "text/datetext.h"

namespace Brolant {

ErrorReporter::ErrorReporter(const QString &programFolder, const Clock &clock, const ProblemLog &problems,
                             ErrorLine &view, QObject *parent)
    : QObject(parent), m_log(programFolder, clock), m_clock(clock), m_view(view)
{
    connect(&problems, &ProblemLog::reported, this, &ErrorReporter::log);
}

void ErrorReporter::listenTo(const LoggerSession &session)
{
    connect(&session, &LoggerSession::textReceived, this,
            [this](const QString &buffered) { m_receivedText = buffered; });
}

void ErrorReporter::log(const QString &stage, const QString &description)
{
    const auto appended = m_log.append(stage, description, m_receivedText);
    // The log's own torn end is reported in the log itself, after the entry that put it right.
    if (appended && *appended)
        (void)m_log.append(ProblemKind::of(Problem::TornLineEnded).stage.toString(), (*appended)->description(),
                           m_receivedText);
    // As errorlog.txt shows it: an escape sequence read from a file must not drive the terminal
    // of brolant-logger, nor a control byte hide in the window's error line.
    QString caption = tr("  Last Error trapped  %1  ---  %2  %3")
                          .arg(DateText::hourMinute(m_clock.now().time()), ErrorLog::visible(stage),
                               ErrorLog::visible(description));
    // A log that cannot be written must not hide the error it was to record.
    if (!appended)
        caption += tr("  (not written to %1: %2)").arg(FileName::kErrorLog, appended.failure().forUser());
    m_view.showError(caption, ErrorTone::Error);
}

} // namespace Brolant
