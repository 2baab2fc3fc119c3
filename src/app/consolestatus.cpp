// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consolestatus.h"

#include "acquisition/framehealth.h"
#include "alarms/alarmlog.h"
#include "logging/errorlog.h"
#include "logging/intervalmeans.h"
#include "publishing/brokerstate.h"
#include "text/numbermask.h"

#include <QTextStream>
#include <QTime>

namespace Brolant {

ConsoleStatus::ConsoleStatus(QTextStream &out, QTextStream &errors, QObject *parent)
    : QObject(parent), m_out(out), m_errors(errors)
{
}

QString ConsoleStatus::statusLine(const Record &record, const QString &brokerState)
{
    const IntervalMeans::Texts means = record.means.texts();
    return tr("%1  %2 V  %3 A  %4 W  %5 rpm  %6 wind  %7 Wh  (%8)")
               .arg(record.time.toString(QStringLiteral("HH:mm:ss")), means.volts, means.amps, means.watts, means.rpm,
                    means.windSpeed, NumberMask::format(record.energy, u"0.0"),
                    record.health.thisInterval.shownSummary())
           + (brokerState.isEmpty() ? QString() : tr("  MQTT: ") + brokerState);
}

QString ConsoleStatus::brokerWords(const BrokerState &state)
{
    QString words;
    switch (state.kind) {
    case BrokerState::Kind::Off:
        return words;
    case BrokerState::Kind::Connecting:
        words = tr("connecting to %1").arg(state.address);
        break;
    case BrokerState::Kind::Connected:
        words = tr("connected to %1").arg(state.address);
        break;
    case BrokerState::Kind::Refusing:
        words = tr("connected to %1, which refuses records: %2").arg(state.address, state.reason);
        break;
    case BrokerState::Kind::Unavailable:
        words = tr("broker not available: %1").arg(state.reason);
        break;
    }
    if (!state.sharedSite.isEmpty())
        words += tr("; another logger publishes as site ") + state.sharedSite;
    return words;
}

void ConsoleStatus::printIntervalLine(const Record &record)
{
    printLine(statusLine(record, m_brokerState));
}

void ConsoleStatus::printAlarm(const AlarmChange &change)
{
    printLine(tr("alarm: ") + AlarmLog::stamp(change) + change.shownText());
}

void ConsoleStatus::printLine(const QString &text)
{
    m_out << text << Qt::endl;
}

void ConsoleStatus::setBrokerState(const BrokerState &state)
{
    // The reason may be the broker's or the TLS library's text: no control bytes to the terminal.
    m_brokerState = ErrorLog::visible(brokerWords(state));
}

void ConsoleStatus::showError(const QString &text, ErrorTone tone)
{
    if (tone == ErrorTone::Error)
        m_errors << text.trimmed() << Qt::endl;
}

} // namespace Brolant
