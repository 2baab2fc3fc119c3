#pragma once

#include <QMetaType>
#include <QString>

namespace Brolant {

// How publishing stands with the broker, with the reason when it is not there. The window and the
// headless logger each put it in their own words.
struct BrokerState
{
    enum class Kind { Connecting, Connected, Unavailable };

    Kind kind = Kind::Connecting;
    QString address; // host:port
    QString reason;  // Unavailable: why, in plain words

    bool operator==(const BrokerState &) const = default;
};

} // namespace Brolant

Q_DECLARE_METATYPE(Brolant::BrokerState)
