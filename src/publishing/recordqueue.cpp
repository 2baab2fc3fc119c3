#include "publishing/recordqueue.h"

#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/failure.h"

#include <QFile>
#include <QFileInfo>

namespace Brolant {

namespace {
constexpr int kDeliveriesPerSave = 50;
// Far beyond two weeks of records: anything larger is not this program's queue.
constexpr qint64 kLargestFile = 64LL * 1024 * 1024;
} // namespace

RecordQueue::RecordQueue(QString programFolder) : m_programFolder(std::move(programFolder))
{
    if (!QFileInfo::exists(path()))
        return;
    try {
        for (const QByteArray &line : TextFile::readBytes(path(), kLargestFile).split('\n')) {
            if (!line.trimmed().isEmpty())
                m_waiting.append(line.trimmed());
        }
    } catch (const Failure &) {
        // An unreadable queue is started afresh rather than blocking publishing for good.
    }
    while (m_waiting.size() > kCapacity)
        m_waiting.removeFirst();
}

QString RecordQueue::path() const
{
    return ProgramPaths(m_programFolder).mqttQueue();
}

qsizetype RecordQueue::push(const QByteArray &payload)
{
    m_waiting.append(payload);
    qsizetype dropped = 0;
    while (m_waiting.size() > kCapacity) {
        m_waiting.removeFirst();
        ++dropped;
    }
    if (dropped > 0)
        save();
    else
        TextFile::append(path(), QString::fromLatin1(payload + "\r\n"));
    return dropped;
}

void RecordQueue::pop()
{
    m_waiting.removeFirst();
    if (++m_deliveredSinceSave >= kDeliveriesPerSave || m_waiting.isEmpty()) {
        try {
            save();
        } catch (const Failure &) {
            // Delivered records stay in the file until the next save: sent twice, never lost.
        }
    }
}

void RecordQueue::save()
{
    m_deliveredSinceSave = 0;
    if (m_waiting.isEmpty()) {
        QFile::remove(path());
        return;
    }
    QByteArray text;
    for (const QByteArray &payload : m_waiting)
        text += payload + "\r\n";
    TextFile::replace(path(), QString::fromLatin1(text));
}

} // namespace Brolant
