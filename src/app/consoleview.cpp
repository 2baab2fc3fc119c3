#include "app/consoleview.h"

#include "acquisition/framehealth.h"
#include "logging/intervalmeans.h"
#include "text/numbermask.h"

#include <QTextStream>
#include <QTime>

namespace Brolant {

ConsoleView::ConsoleView(QTextStream &out, QTextStream &errors) : m_out(out), m_errors(errors) {}

QString ConsoleView::statusLine(const Record &record, const QString &brokerState)
{
    const IntervalMeans::Texts means = record.means.texts();
    return QStringLiteral("%1  %2 V  %3 A  %4 W  %5 rpm  %6 wind  %7 Wh  (%8)")
        .arg(record.time.toString(QStringLiteral("HH:mm:ss")), means.volts, means.amps, means.watts,
             means.rpm, means.windSpeed, NumberMask::format(record.energy, u"0.0"),
             record.health.thisInterval.summary())
           + (brokerState.isEmpty() ? QString() : QStringLiteral("  MQTT: ") + brokerState);
}

void ConsoleView::printIntervalLine(const Record &record, const QString &brokerState)
{
    m_out << statusLine(record, brokerState) << Qt::endl;
}

void ConsoleView::showError(const QString &text, ErrorTone tone)
{
    if (tone == ErrorTone::Error)
        m_errors << text.trimmed() << Qt::endl;
}

} // namespace Brolant
