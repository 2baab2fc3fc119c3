// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finishedfilewatch.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>

namespace Brolant {

// Tells when one of the program folder's settings files changed, however it was written: replaced
// whole (a dialog's save renames a new file into place) or edited in place (a text editor on a
// machine without a screen, a shell writing it a piece at a time), created or removed. A file is
// read once its writer is done with it, so only its final content counts as a change.
class SettingsFileWatcher : public QObject
{
    Q_OBJECT

public:
    // Changes this close together are one: a save that writes one file and renames another,
    // and, where the writer's end cannot be seen, an editor emptying the file before it writes.
    static constexpr std::chrono::milliseconds kSettle{500};

    SettingsFileWatcher(const QString &programFolder, const QStringList &fileNames, QObject *parent = nullptr);

    // The program itself has just written `fileName`, and reports so itself: that is no change to report
    // here. Whether the file differs from what was seen of it last.
    bool changedSinceLastCheck(const QString &fileName);

signals:
    void changed(const QString &fileName);

private:
    void look();
    QByteArray fingerprint(const QString &fileName) const;

    QString m_programFolder;
    QStringList m_fileNames;
    FinishedFileWatch m_watch;
    QTimer m_settle;
    QHash<QString, QByteArray> m_seen;
};

} // namespace Brolant
