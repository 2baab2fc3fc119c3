// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/dailylog.h"

#include "logging/dailylogline.h"
#include "platform/programpaths.h"

#include <QDir>

namespace Brolant {

DailyLog::DailyLog(QString programFolder) : m_programFolder(std::move(programFolder)) {}

DailyLog::Written DailyLog::append(const Record &record)
{
    m_kept.append({FileName::dailyLog(record.time.date()), DailyLogLine::format(record), record});
    return flush();
}

DailyLog::Written DailyLog::flush()
{
    Written written;
    // A logs folder removed while running is made again rather than losing records.
    if (!m_kept.isEmpty())
        QDir().mkdir(ProgramPaths(m_programFolder).logs());
    while (!m_kept.isEmpty()) {
        const Kept &kept = m_kept.constFirst();
        // Synced: the broker is sent a record only once a power cut cannot lose it.
        const auto appended = TextFile::tryAppend(ProgramPaths(m_programFolder).inLogs(kept.fileName), kept.line,
                                                  TextFile::Sync::ToDisk);
        if (!appended) {
            written.flushed = appended.failure();
            break;
        }
        if (*appended)
            written.tornEnds.append(**appended);
        written.stored.append(kept.record);
        m_kept.removeFirst();
    }
    return written;
}

} // namespace Brolant
