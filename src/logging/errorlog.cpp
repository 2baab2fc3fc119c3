// SPDX-License-Identifier: GPL-3.0-or-later
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

QString ErrorLog::visible(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        // Control bytes would break the entry into lines or hide what was received; Latin-1
        // letters (degrees, micro) are text and stay.
        const char16_t code = c.unicode();
        if (code > 0xff)
            shown += QStringLiteral("\\u%1").arg(int(code), 4, 16, QLatin1Char('0'));
        else if (code < 0x20 || (code >= 0x7f && code < 0xa0))
            shown += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString ErrorLog::quoted(const QString &value)
{
    constexpr qsizetype kLongest = 64;
    const QString shown = visible(value);
    return u'"' + (shown.size() > kLongest ? shown.left(kLongest) + QStringLiteral("...") : shown) + u'"';
}

QString ErrorLog::entry(const QString &dateStamp, const QString &time, const QString &context,
                        const QString &description, const QString &receivedText)
{
    // The slot between " <RB> " and " <IM> " has never held a value; readers expect it empty.
    return dateStamp + QStringLiteral("  ") + time + QStringLiteral("  ") + visible(context) + QStringLiteral("  ")
           + visible(description) + QStringLiteral(" <RB> ") + QStringLiteral(" <IM> ") + visible(receivedText)
           + QStringLiteral("\r\n");
}

Result<std::optional<TextFile::TornEnd>> ErrorLog::append(const QString &context, const QString &description,
                                                          const QString &receivedText) const
{
    const QDateTime now = m_clock.now();
    return TextFile::tryAppend(m_path, entry(DateText::dateStamp(now.date()), DateText::hourMinute(now.time()), context,
                                             description, receivedText));
}

} // namespace Brolant
