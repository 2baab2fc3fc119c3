// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/loggedpayloads.h"

#include "logging/dailylogline.h"
#include "logging/energyarchive.h"
#include "logging/readingpayload.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "publishing/mqttmessages.h"
#include "text/failure.h"
#include "text/numerictext.h"

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <set>

namespace Brolant {

namespace {
constexpr int kTenths = 10;

struct LoggedLine
{
    DailyLogLine::Read read;
    double wattHours = 0.0;
};

// The energy a record line ends in ("</M>   1234.6Wh"); nothing when it has none.
std::optional<double> energyOf(QByteArrayView line)
{
    const qsizetype mode = line.indexOf("</M>");
    if (mode < 0 || !line.endsWith("Wh"))
        return std::nullopt;
    const QByteArrayView value = line.sliced(mode + 4, line.size() - mode - 6);
    return NumericText::parse(QString::fromLatin1(value).trimmed());
}

// Energy as the payload and the log both round it: to a tenth.
qint64 tenths(double wattHours)
{
    return std::llround(wattHours * kTenths);
}

QList<LoggedLine> recordsOf(const QString &path)
{
    const Result<QByteArray> content = TextFile::tryReadBytes(path, DailyLogLine::kLargestFile);
    if (!content)
        return {}; // missing or unreadable: no record to give back
    QList<LoggedLine> lines;
    for (const QByteArray &raw : content->split('\n')) {
        const QByteArrayView line = QByteArrayView(raw).chopped(raw.endsWith('\r') ? 1 : 0);
        if (const auto read = DailyLogLine::parse(line))
            lines.append({*read, energyOf(line).value_or(0.0)});
    }
    return lines;
}

QDateTime timeOf(const QDate &day, int seconds)
{
    return QDateTime(day, QTime(0, 0).addSecs(seconds));
}

// The days from `first` on that have a daily log or a closing line in the archive.
std::set<QDate> daysFrom(const QDate &first, const QString &programFolder, const EnergyArchive &archive)
{
    std::set<QDate> days;
    const QStringList names = QDir(ProgramPaths(programFolder).logs())
                                  .entryList({QStringLiteral("P_????_??_??.txt")}, QDir::Files);
    for (const QString &name : names) {
        const QDate day = QDate::fromString(name.mid(2, 10), QStringLiteral("yyyy_MM_dd"));
        if (day.isValid() && day >= first)
            days.insert(day);
    }
    for (const auto &[day, known] : archive.days)
        if (day >= first && known.closed())
            days.insert(day);
    return days;
}
} // namespace

QList<QByteArray> LoggedPayloads::after(const QByteArray &anchor) const
{
    const QJsonObject payload = QJsonDocument::fromJson(anchor).object();
    const EnergyArchive archive = EnergyArchive::read(m_programFolder);
    const ProgramPaths paths(m_programFolder);
    QDate first;
    qsizetype skip = 0; // records of the first day already queued
    if (payload.contains(QStringLiteral("date"))) {
        first = QDate::fromString(payload.value(QStringLiteral("date")).toString(), Qt::ISODate).addDays(1);
    } else {
        const QDateTime time = QDateTime::fromString(payload.value(PayloadName::kTime).toString(), Qt::ISODateWithMs)
                                   .toLocalTime();
        first = time.date();
        const std::array<double, 5> values{
            payload.value(PayloadName::kVolts).toDouble(), payload.value(PayloadName::kAmps).toDouble(),
            payload.value(PayloadName::kWatts).toDouble(), payload.value(PayloadName::kRpm).toDouble(),
            payload.value(PayloadName::kWind).toDouble()};
        const int minute = time.time().hour() * 3600 + time.time().minute() * 60;
        const QList<LoggedLine> lines = recordsOf(paths.dailyLog(first));
        // The last that matches: lines alike in all of this (no power in one minute) are alike
        // on the broker too.
        for (skip = lines.size(); skip > 0; --skip) {
            const LoggedLine &line = lines.at(skip - 1);
            if (line.read.time - line.read.time % 60 == minute && line.read.values == values
                && tenths(line.wattHours) == tenths(payload.value(PayloadName::kWattHours).toDouble()))
                break;
        }
        if (skip == 0)
            return {};
    }
    if (!first.isValid())
        return {};
    QList<QByteArray> payloads;
    for (const QDate &day : daysFrom(first, m_programFolder, archive)) {
        const QList<LoggedLine> lines = recordsOf(paths.dailyLog(day));
        for (qsizetype at = day == first ? skip : 0; at < lines.size(); ++at)
            payloads.append(MqttMessages::loggedRecord(timeOf(day, lines.at(at).read.time), lines.at(at).read.values,
                                                       lines.at(at).wattHours));
        const auto known = archive.days.find(day);
        if (known != archive.days.end() && known->second.closed())
            payloads.append(MqttMessages::dayEnergyPayload(day, known->second.closingWattHours));
    }
    return payloads;
}

} // namespace Brolant
