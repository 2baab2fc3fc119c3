#include "logging/dailylog.h"

#include "platform/textfile.h"

#include <QDir>

namespace Brolant {

DailyLog::DailyLog(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QString DailyLog::fileName(const QString &dateStamp)
{
    return QStringLiteral("P_%1.txt").arg(dateStamp);
}

void DailyLog::append(const QString &dateStamp, const QString &line)
{
    m_kept.append({fileName(dateStamp), line});
    flush();
}

void DailyLog::flush()
{
    // A logs folder removed while running is made again rather than losing records.
    if (!m_kept.isEmpty())
        QDir(m_programFolder).mkdir(QStringLiteral("logs"));
    while (!m_kept.isEmpty()) {
        const Record &record = m_kept.constFirst();
        TextFile::append(m_programFolder + QStringLiteral("/logs/") + record.fileName, record.line);
        m_kept.removeFirst();
    }
}

} // namespace Brolant
