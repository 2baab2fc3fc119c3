// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

namespace Brolant {

// The board's serial line as the program uses it: opened by port number, read whole, never
// written to. A port that stops working is retried by the link itself every 5 seconds, so no
// listener keeps a reconnect timer of its own.
class SerialLink : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kRetryEvery{5};

    explicit SerialLink(QObject *parent = nullptr);

    // Opens port `portNumber` at `baudRate` with no parity, 8 data bits and 1 stop bit; on
    // failure, with why.
    virtual Result<> open(int portNumber, int baudRate) = 0;
    // Opens again, at the same speed, the very device the last open() found (following a link
    // afresh), never another device that happens to have the same number.
    virtual Result<> reopen() = 0;
    // Closes the port and stops any retrying: a closed port is the user's choice.
    void close();
    virtual bool isOpen() const = 0;
    // Everything waiting, removed from the port's buffer.
    virtual QByteArray readAll() = 0;

signals:
    void dataArrived();
    // The open port stopped working (for example a USB adapter was pulled out); retries follow.
    void lost(const QString &description);
    // A lost port opened again.
    void restored();

protected:
    virtual void closeDevice() = 0;
    // For implementations: the open port stopped working.
    void reportLost(const QString &description);

private:
    void retry();

    QTimer m_retryTimer;
};

} // namespace Brolant
