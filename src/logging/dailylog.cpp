// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/dailylog.h"

#include "platform/programpaths.h"
#include "platform/textfile.h"

#include <QDir>

namespace Brolant {

DailyLog::DailyLog(QString programFolder) : m_programFolder(std::move(programFolder)) {}

void DailyLog::append(const QDate &day, const QString &line)
{
    m_kept.append({FileName::dailyLog(day), line});
    flush();
}

void DailyLog::flush()
{
    // A logs folder removed while running is made again rather than losing records.
    if (!m_kept.isEmpty())
        QDir().mkdir(ProgramPaths(m_programFolder).logs());
    while (!m_kept.isEmpty()) {
        const Record &record = m_kept.constFirst();
        TextFile::append(ProgramPaths(m_programFolder).inLogs(record.fileName), record.line);
        m_kept.removeFirst();
    }
}

} // namespace Brolant
