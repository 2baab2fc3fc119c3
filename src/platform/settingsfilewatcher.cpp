#include "platform/settingsfilewatcher.h"

#include "platform/programpaths.h"

#include <QFile>
#include <QFileInfo>

namespace Brolant {

namespace {
// A settings file is a few hundred bytes: its start and its size tell an edit from a file written
// again unchanged, which is no news.
constexpr qint64 kCompared = 64 * 1024;
} // namespace

SettingsFileWatcher::SettingsFileWatcher(const QString &programFolder, const QStringList &fileNames,
                                         QObject *parent)
    : QObject(parent), m_programFolder(programFolder), m_fileNames(fileNames)
{
    // The folder hears a file created, removed or renamed into place; the file itself hears an
    // edit in place, and is watched again each time it has been replaced.
    m_watcher.addPath(programFolder);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettle);
    connect(&m_settle, &QTimer::timeout, this, &SettingsFileWatcher::look);
    const auto settle = [this] { m_settle.start(); };
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, settle);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, settle);
    for (const QString &name : fileNames)
        m_seen.insert(name, fingerprint(name));
    look();
}

void SettingsFileWatcher::look()
{
    const ProgramPaths paths(m_programFolder);
    for (const QString &name : std::as_const(m_fileNames)) {
        const QString path = paths.file(name);
        if (QFileInfo::exists(path) && !m_watcher.files().contains(path))
            m_watcher.addPath(path);
        QByteArray now = fingerprint(name);
        if (now == m_seen.value(name))
            continue;
        m_seen.insert(name, std::move(now));
        emit changed(name);
    }
}

QByteArray SettingsFileWatcher::fingerprint(const QString &fileName) const
{
    QFile file(ProgramPaths(m_programFolder).file(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(kCompared) + '\n' + QByteArray::number(file.size());
}

} // namespace Brolant
