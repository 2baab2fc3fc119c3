// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programpaths.h"

#include "text/datetext.h"

#include <QDir>

namespace Brolant {

QString FileName::dailyLog(const QDate &day)
{
    return QStringLiteral("P_%1.txt").arg(DateText::dateStamp(day));
}

QString FileName::daySummary(const QDate &day)
{
    return QStringLiteral("P_%1.sum").arg(DateText::dateStamp(day));
}

void ProgramPaths::makeDataFolders() const
{
    QDir folder(m_folder);
    for (const QString &path : {logs(), excel(), html()})
        folder.mkdir(path);
}

} // namespace Brolant
