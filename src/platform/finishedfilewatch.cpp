// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/finishedfilewatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Brolant {

namespace {
#ifdef Q_OS_LINUX
// What ends a change of a file in the folder. Not IN_MODIFY, nor IN_ATTRIB, which opening with
// truncation also gives: whoever writes is not done then. IN_CREATE counts only for a link (see
// isFinished): a new file of its own is a change when its writer closes it.
constexpr quint32 kFolderEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE | IN_CREATE | IN_ONLYDIR;
// A file reached through a link lives where the folder's watch does not see it written.
constexpr quint32 kLinkedFileEvents = IN_CLOSE_WRITE;
constexpr size_t kEventsRead = 16 * 1024;

// A symbolic link or another name of an existing file: nobody writes it after creating it.
bool isLink(const QString &path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false; // gone already: its removal or rename is a change of its own
    return !S_ISREG(status.st_mode) || status.st_nlink > 1;
}
#endif
} // namespace

FinishedFileWatch::FinishedFileWatch(const QString &folder, const QStringList &fileNames, QObject *parent)
    : QObject(parent), m_folder(folder), m_fileNames(fileNames)
{
    if (!watchWithInotify()) {
        // The folder reports a file created, removed or renamed into place; each file an edit in place.
        m_fallback = std::make_unique<QFileSystemWatcher>(QStringList{folder});
        connect(m_fallback.get(), &QFileSystemWatcher::directoryChanged, this, &FinishedFileWatch::finished);
        connect(m_fallback.get(), &QFileSystemWatcher::fileChanged, this, &FinishedFileWatch::finished);
    }
    watchCurrentFiles();
}

FinishedFileWatch::~FinishedFileWatch()
{
    m_notifier.reset();
#ifdef Q_OS_LINUX
    if (m_inotify >= 0)
        ::close(m_inotify);
#endif
}

bool FinishedFileWatch::watchWithInotify()
{
#ifdef Q_OS_LINUX
    m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify < 0)
        return false;
    m_folderWatch = ::inotify_add_watch(m_inotify, QFile::encodeName(m_folder).constData(), kFolderEvents);
    if (m_folderWatch < 0) {
        ::close(m_inotify);
        m_inotify = -1;
        return false;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_inotify, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &FinishedFileWatch::readInotify);
    return true;
#else
    return false;
#endif
}

void FinishedFileWatch::watchCurrentFiles()
{
    const QDir folder(m_folder);
    for (const QString &name : std::as_const(m_fileNames)) {
        const QString path = folder.filePath(name);
        if (m_fallback) {
            if (QFileInfo::exists(path) && !m_fallback->files().contains(path))
                m_fallback->addPath(path);
            continue;
        }
#ifdef Q_OS_LINUX
        // The same file gives the same watch again; a new one a watch of its own.
        if (QFileInfo(path).isSymLink())
            ::inotify_add_watch(m_inotify, QFile::encodeName(path).constData(), kLinkedFileEvents);
#endif
    }
}

void FinishedFileWatch::readInotify()
{
#ifdef Q_OS_LINUX
    bool finishedAny = false;
    alignas(inotify_event) char buffer[kEventsRead];
    for (ssize_t length = ::read(m_inotify, buffer, sizeof buffer); length > 0;
         length = ::read(m_inotify, buffer, sizeof buffer)) {
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            const QString name = event->len > 0 ? QFile::decodeName(event->name) : QString();
            finishedAny = isFinished(event->wd, event->mask, name) || finishedAny;
        }
    }
    if (finishedAny)
        emit finished();
#endif
}

bool FinishedFileWatch::isFinished(int watch, quint32 mask, const QString &name) const
{
#ifdef Q_OS_LINUX
    if (mask & IN_Q_OVERFLOW)
        return true; // events were lost: look, in case
    if (watch != m_folderWatch)
        return mask & IN_CLOSE_WRITE;
    if (!m_fileNames.contains(name))
        return false;
    if (mask & IN_CREATE)
        return isLink(QDir(m_folder).filePath(name));
    return mask & (IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE);
#else
    Q_UNUSED(watch);
    Q_UNUSED(mask);
    Q_UNUSED(name);
    return true;
#endif
}

} // namespace Brolant
