// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingsfilewatcher.h"

#include "platform/programpaths.h"

#include <QFile>

namespace Brolant {

namespace {
// A settings file is a few hundred bytes: its start and its size distinguish an edit from a file written
// again unchanged, which is no change.
constexpr qint64 kCompared = 64 * 1024;
} // namespace

SettingsFileWatcher::SettingsFileWatcher(const QString &programFolder, const QStringList &fileNames, QObject *parent)
    : QObject(parent), m_programFolder(programFolder), m_fileNames(fileNames), m_watch(programFolder, fileNames)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettle);
    connect(&m_settle, &QTimer::timeout, this, &SettingsFileWatcher::look);
    connect(&m_watch, &FinishedFileWatch::finished, this, [this] { m_settle.start(); });
    for (const QString &name : fileNames)
        m_seen.insert(name, fingerprint(name));
    look();
}

void SettingsFileWatcher::look()
{
    m_watch.watchCurrentFiles();
    for (const QString &name : std::as_const(m_fileNames)) {
        QByteArray now = fingerprint(name);
        if (now == m_seen.value(name))
            continue;
        m_seen.insert(name, std::move(now));
        emit changed(name);
    }
}

bool SettingsFileWatcher::changedSinceLastCheck(const QString &fileName)
{
    QByteArray now = fingerprint(fileName);
    if (now == m_seen.value(fileName))
        return false;
    m_seen.insert(fileName, std::move(now));
    return true;
}

QByteArray SettingsFileWatcher::fingerprint(const QString &fileName) const
{
    QFile file(ProgramPaths(m_programFolder).file(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(kCompared) + '\n' + QByteArray::number(file.size());
}

} // namespace Brolant
