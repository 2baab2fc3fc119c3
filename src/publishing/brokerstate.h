// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QString>

namespace Brolant {

// How publishing stands with the broker, with the reason when it is not there. The window and the
// headless logger each put it in their own words.
struct BrokerState
{
    enum class Kind
    {
        Off, // mqtt.cfg does not switch publishing on, or cannot be used
        Connecting,
        Connected,
        Refusing, // connected, but the broker does not accept the records
        Unavailable,
    };

    Kind kind = Kind::Off;
    QString address;    // host:port
    QString reason;     // Refusing and Unavailable: why, in plain words
    QString sharedSite; // the site, once another logger was seen publishing as it too

    bool operator==(const BrokerState &) const = default;
};

} // namespace Brolant

Q_DECLARE_METATYPE(Brolant::BrokerState)
