// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace Brolant {

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the event loop, so the program can end in
// order (write what exit writes, close the port) instead of dying mid-way; and keeps a file-size
// limit from killing the program.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void onNotified();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace Brolant
