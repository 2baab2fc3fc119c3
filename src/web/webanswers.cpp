// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webanswers.h"

#include "platform/programpaths.h"
#include "web/webhistory.h"
#include "web/webjson.h"
#include "web/weblimits.h"

#include <QFile>
#include <QFileInfo>

namespace Brolant {

namespace {
using Kind = WebRoute::Kind;
using Status = HttpReply::Status;

const QByteArray kCsv = QByteArrayLiteral("text/csv; charset=iso-8859-1");
const QByteArray kLog = QByteArrayLiteral("text/plain; charset=iso-8859-1");

// The day's log as it is; a day without one is a day without records.
HttpReply dayLog(const QString &programFolder, const QDate &day, const WebLimits &limits, bool asData)
{
    const QString dayText = day.toString(Qt::ISODate);
    QFile file(ProgramPaths(programFolder).dailyLog(day));
    if (!file.exists())
        return asData ? HttpReply::json(WebJson::day(day, QByteArray()))
                      : HttpReply::text(Status::NotFound, QStringLiteral("No daily log for %1.").arg(dayText));
    if (file.size() > limits.largestDayLog)
        return HttpReply::text(Status::UnprocessableEntity,
                               QStringLiteral("The daily log of %1 is larger than %2 bytes, too large to send.")
                                   .arg(dayText)
                                   .arg(limits.largestDayLog));
    QByteArray content;
    if (file.open(QIODevice::ReadOnly))
        content = file.read(limits.largestDayLog);
    if (file.error() != QFileDevice::NoError)
        return HttpReply::text(
            Status::InternalServerError,
            QStringLiteral("The daily log of %1 could not be read: %2").arg(dayText, file.errorString()));
    if (asData)
        return HttpReply::json(WebJson::day(day, content));
    return HttpReply::download(kLog, FileName::dailyLog(day), content);
}
} // namespace

namespace WebAnswers {

HttpReply asset(const WebRoute &route)
{
    QFile file(route.resource);
    if (!file.open(QIODevice::ReadOnly))
        return HttpReply::notFound();
    return {Status::Ok, route.contentType, file.readAll(), {}};
}

HttpReply fromLogs(const QString &programFolder, const WebRoute &route, const QDate &today, const WebLimits &limits)
{
    switch (route.kind) {
    case Kind::Day:
    case Kind::DayLog:
        return dayLog(programFolder, route.from, limits, route.kind == Kind::Day);
    case Kind::Energy:
    case Kind::EnergyCsv: {
        const WebHistory::MonthEnergy energy = WebHistory::monthEnergy(programFolder, route.from, today);
        return route.kind == Kind::Energy ? HttpReply::json(WebJson::energy(energy))
                                          : HttpReply::download(kCsv, energy.csvFileName, energy.csv.toLatin1());
    }
    case Kind::PowerCurve:
    case Kind::PowerCurveCsv: {
        const WebHistory::PowerCurveData curve = WebHistory::powerCurve(programFolder, route.from, route.to);
        return route.kind == Kind::PowerCurve ? HttpReply::json(WebJson::powerCurve(curve))
                                              : HttpReply::download(kCsv, curve.csvFileName, curve.csv.toLatin1());
    }
    case Kind::Performance:
    case Kind::PerformanceCsv: {
        const WebHistory::PerformanceData performance = WebHistory::performance(programFolder, route.from, route.to);
        return route.kind == Kind::Performance
                   ? HttpReply::json(WebJson::performance(performance))
                   : HttpReply::download(kCsv, performance.csvFileName, performance.csv.toLatin1());
    }
    case Kind::Asset:
    case Kind::Live:
    case Kind::Texts:
    case Kind::Alarms:
    case Kind::Push:
    case Kind::Metrics:
    case Kind::NotFound:
    case Kind::BadRequest:
        break;
    }
    return HttpReply::notFound();
}

} // namespace WebAnswers

} // namespace Brolant
