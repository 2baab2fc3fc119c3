// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class QFileSystemWatcher;
class QSocketNotifier;

namespace Brolant {

// Signals when one of some files of a folder may have changed and whoever changed it is done:
// written and closed, renamed into place or away, linked or removed. On Linux, inotify reports
// when a writer closes the file, so a file written slowly is a change once, whole. Elsewhere, or
// where inotify is unavailable, QFileSystemWatcher reports every write, and only a settle helps.
class FinishedFileWatch : public QObject
{
    Q_OBJECT

public:
    FinishedFileWatch(const QString &folder, const QStringList &fileNames, QObject *parent = nullptr);
    ~FinishedFileWatch() override;

    // Watches the files as they are now: one replaced since, or reached through a link to
    // another folder, is watched where it lives.
    void watchCurrentFiles();

signals:
    void finished();

private:
    bool watchWithInotify();
    void readInotify();
    bool isFinished(int watch, quint32 mask, const QString &name) const;

    QString m_folder;
    QStringList m_fileNames;
    int m_inotify = -1;
    int m_folderWatch = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::unique_ptr<QFileSystemWatcher> m_fallback;
};

} // namespace Brolant
