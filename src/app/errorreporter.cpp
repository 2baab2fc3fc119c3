#include "app/errorreporter.h"

#include "app/mainwindowview.h"
#include "platform/clock.h"
#include "platform/programpaths.h"
#include "text/datetext.h"

namespace Brolant {

ErrorReporter::ErrorReporter(const QString &programFolder, const Clock &clock, ErrorLine &view)
    : m_log(programFolder, clock), m_clock(clock), m_view(view)
{
}

void ErrorReporter::log(const QString &stage, const QString &description)
{
    const QString writeFailure = m_log.append(stage, description, receivedText);
    QString caption = QStringLiteral("  Last Error trapped  %1  ---  %2  %3")
                          .arg(DateText::hourMinute(m_clock.now().time()), stage, description);
    // A log that cannot be written must not hide the error it was to record.
    if (!writeFailure.isEmpty())
        caption += QStringLiteral("  (not written to %1: %2)").arg(FileName::kErrorLog, writeFailure);
    m_view.showError(caption, ErrorTone::Error);
}

} // namespace Brolant
