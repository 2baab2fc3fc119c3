#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>

namespace Brolant {

// Tells when one of the program folder's settings files changed, however it was written: replaced
// whole (a dialog's save renames a new file into place) or edited in place (a text editor on a
// machine without a screen), created or removed.
class SettingsFileWatcher : public QObject
{
    Q_OBJECT

public:
    // An editor or a shell writing in place empties the file, then writes it: the files are read
    // only once they have been quiet this long, so the empty file between is never news.
    static constexpr std::chrono::milliseconds kSettle{500};

    SettingsFileWatcher(const QString &programFolder, const QStringList &fileNames, QObject *parent = nullptr);

signals:
    void changed(const QString &fileName);

private:
    void look();
    QByteArray fingerprint(const QString &fileName) const;

    QString m_programFolder;
    QStringList m_fileNames;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QHash<QString, QByteArray> m_seen;
};

} // namespace Brolant
