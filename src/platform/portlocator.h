// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace Brolant {

// Maps the configured port number to a serial device. Port N is the first that exists of: an
// entry "COM<N>" in the program folder (a link the user makes to pin a number to a device), then
// the system's own devices for that number. A COM<N> link whose device is not there is a missing
// device: the search stops at it.
class PortLocator
{
public:
    explicit PortLocator(QString programFolder);

    // Where port `portNumber` is found (the link or device path), or an empty text.
    QString source(int portNumber) const;
    // The device a source path leads to now, or an empty text when it is gone.
    static QString device(const QString &source);
    // Why a source leads to no device now: a link and where it points, or the path that is gone.
    static QString whyGone(const QString &source);
    // Every place that was tried for `portNumber`, in order, for messages that show where we looked.
    QStringList candidates(int portNumber) const;
    // Why `portNumber` opens no device, for the error log: where we looked, or that the number
    // names no port at all.
    QString whyNoDevice(int portNumber) const;
    // The serial ports the system reports, as "device (description)".
    static QStringList systemPorts();

private:
    QString m_programFolder;
};

} // namespace Brolant
