// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace Brolant {

struct MqttSettings;

// A failed connection attempt or a lost connection, as libmosquitto reports it.
struct ConnectionFailure
{
    int errorCode = 0;
    int savedErrno = 0;        // errno right after the failing call
    QStringList libraryErrors; // what libmosquitto logged as errors: the TLS library's words are there only
    bool answered = false;     // the broker had accepted the connection
};

// Why a connection attempt failed or a connection ended.
enum class DisconnectReason
{
    NotSetUp,     // a setting could not be applied to the client: nothing was sent
    Refused,      // the broker refused the connection
    TlsFailed,    // the TLS handshake failed, or the broker closed it unanswered
    NoBroker,     // nothing listens at the address
    NoHost,       // no host has the name
    NoAnswer,     // the broker did not answer within the keep-alive
    Lost,         // the connection broke
    NetworkError, // any other error of the network or of libmosquitto
};

// The reason and what its words need.
struct Disconnection
{
    DisconnectReason reason = DisconnectReason::Lost;
    ConnectionFailure failure; // as libmosquitto reported it
    int refusalCode = 0;       // Refused: the broker's MQTT 5 reason code
    QString notSetUp;          // NotSetUp: which setting, and why, in words for the user
};

// What went wrong with a broker, in words a user can act on: which file, which name, which port.
namespace ConnectionReasons {

DisconnectReason of(const ConnectionFailure &failure, const MqttSettings &settings);
// What the error log and the status say of it.
QString text(const Disconnection &disconnection, const MqttSettings &settings);
// The broker refused a message: its MQTT 5 reason code.
QString forMessageRefusal(int reasonCode);

} // namespace ConnectionReasons

} // namespace Brolant
