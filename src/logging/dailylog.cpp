#include "logging/dailylog.h"

#include "platform/textfile.h"

#include <QDir>

DailyLog::DailyLog(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QString DailyLog::fileName(const QString &dateStamp)
{
    return QStringLiteral("P_%1.txt").arg(dateStamp);
}

void DailyLog::append(const QString &dateStamp, const QString &line)
{
    m_kept.append({m_programFolder + QStringLiteral("/logs/") + fileName(dateStamp), line});
    // A logs folder removed while running is made again rather than losing records.
    QDir(m_programFolder).mkdir(QStringLiteral("logs"));
    while (!m_kept.isEmpty()) {
        TextFile::append(m_kept.constFirst().path, m_kept.constFirst().line);
        m_kept.removeFirst();
    }
}
