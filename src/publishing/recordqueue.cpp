#include "publishing/recordqueue.h"

#include "platform/programpaths.h"
#include "platform/textfile.h"

#include <QFile>

namespace Brolant {

namespace {
constexpr int kDeliveriesPerSave = 50;

QString lines(const QList<QByteArray> &payloads)
{
    QByteArray text;
    for (const QByteArray &payload : payloads)
        text += payload + "\r\n";
    return QString::fromLatin1(text);
}
} // namespace

RecordQueue::RecordQueue(QString programFolder, const std::function<bool(const QByteArray &)> &isPayload)
    : m_programFolder(std::move(programFolder))
{
    if (!QFile::exists(path()))
        return;
    QList<QByteArray> damaged;
    bool rewrite = readLines(damaged);
    const QList<QByteArray> read = std::exchange(m_waiting, {});
    for (const QByteArray &line : read)
        (isPayload(line) ? m_waiting : damaged).append(line);
    m_loaded.damaged = damaged.size();
    rewrite = rewrite || !damaged.isEmpty();
    try {
        if (!damaged.isEmpty())
            TextFile::append(ProgramPaths(m_programFolder).mqttQueueDamaged(), lines(damaged));
        if (rewrite)
            save();
    } catch (const Failure &failure) {
        m_loaded.problem = failure;
    }
}

bool RecordQueue::readLines(QList<QByteArray> &damaged)
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) {
        m_loaded.problem = Failure{QStringLiteral("%1 cannot be read: %2").arg(path(), file.errorString())};
        return false;
    }
    bool rewrite = false;
    while (!file.atEnd()) {
        // At most kLongestLine bytes (the size given counts a terminating zero).
        QByteArray line = file.readLine(kLongestLine + 1);
        if (!line.endsWith('\n') && !file.atEnd()) {
            // Longer than any payload: its start is set aside, the rest skipped.
            while (!file.atEnd() && !file.readLine(kLongestLine + 1).endsWith('\n')) {
            }
            damaged.append(line);
            rewrite = true;
            continue;
        }
        rewrite = rewrite || !line.endsWith('\n'); // the next payload must not join it
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        m_waiting.append(line);
        if (m_waiting.size() > kCapacity) {
            m_waiting.removeFirst();
            ++m_loaded.dropped;
            rewrite = true;
        }
    }
    return rewrite;
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
        TextFile::append(path(), lines({payload}));
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
    TextFile::replace(path(), lines(m_waiting));
}

} // namespace Brolant
