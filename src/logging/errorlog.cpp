#include "logging/errorlog.h"

#include "platform/clock.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/datetext.h"
#include "text/failure.h"

namespace Brolant {

ErrorLog::ErrorLog(QString programFolder, const Clock &clock)
    : m_path(ProgramPaths(programFolder).errorLog()), m_clock(clock)
{
}

QString ErrorLog::entry(const QString &dateStamp, const QString &time, const QString &context,
                        const QString &description, const QString &receivedText)
{
    // The slot between " <RB> " and " <IM> " has never held a value; readers expect it empty.
    return dateStamp + QStringLiteral("  ") + time + QStringLiteral("  ") + context + QStringLiteral("  ") + description + QStringLiteral(" <RB> ")
           + QStringLiteral(" <IM> ") + receivedText + QStringLiteral("\r\n");
}

QString ErrorLog::append(const QString &context, const QString &description,
                         const QString &receivedText) const
{
    const QDateTime now = m_clock.now();
    try {
        TextFile::append(m_path, entry(DateText::dateStamp(now.date()),
                                       DateText::hourMinute(now.time()), context, description,
                                       receivedText));
    } catch (const Failure &failure) {
        return failure.description;
    }
    return {};
}

} // namespace Brolant
