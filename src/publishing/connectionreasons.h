// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace Brolant {

struct MqttSettings;

// A failed connection attempt or a lost connection, as libmosquitto tells it.
struct ConnectionFailure
{
    int errorCode = 0;
    int savedErrno = 0;        // errno right after the failing call
    QStringList libraryErrors; // what libmosquitto logged as errors: the TLS library's words are there only
    bool answered = false;     // the broker had accepted the connection
};

// What went wrong with a broker, in words a user can act on: which file, which name, which port.
namespace ConnectionReasons {

QString forFailure(const ConnectionFailure &failure, const MqttSettings &settings);
// The broker said no to the connection: its MQTT 5 reason code.
QString forConnectRefusal(int reasonCode);
// The broker said no to a message: its MQTT 5 reason code.
QString forMessageRefusal(int reasonCode);

} // namespace ConnectionReasons

} // namespace Brolant
