// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>

// brolant-board running on a pseudo-terminal linked at a path of the test's choice.
class BoardProcess
{
public:
    ~BoardProcess();

    // Starts the board and waits until its link exists. False when it did not come up.
    bool start(const QString &linkPath, const QStringList &arguments);
    // Asks the board to stop and returns what it printed.
    QString stop();

    static QString executable();

private:
    QProcess m_process;
};
