// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webroutes.h"

#include <QRegularExpression>
#include <QUrlQuery>

#include <array>
#include <optional>

namespace Brolant {

namespace {
using Kind = WebRoute::Kind;

// The range of the power curve when the query names none: the last 30 days.
constexpr int kDefaultDays = 30;
constexpr qsizetype kQuoted = 20; // how much of a refused value a message repeats
const QString kLogSuffix = QStringLiteral(".txt");
const QString kCsvSuffix = QStringLiteral(".csv");

struct Asset
{
    const char *path;
    const char *resource;
    const char *contentType;
};
constexpr std::array kAssets{
    Asset{"/", ":/web/index.html", "text/html; charset=utf-8"},
    Asset{"/index.html", ":/web/index.html", "text/html; charset=utf-8"},
    Asset{"/app.js", ":/web/app.js", "text/javascript; charset=utf-8"},
    Asset{"/app.css", ":/web/app.css", "text/css; charset=utf-8"},
    Asset{"/uPlot.iife.min.js", ":/web/uplot/uPlot.iife.min.js", "text/javascript; charset=utf-8"},
    Asset{"/uPlot.min.css", ":/web/uplot/uPlot.min.css", "text/css; charset=utf-8"},
    Asset{"/uPlot-LICENSE.txt", ":/web/uplot/LICENSE", "text/plain; charset=utf-8"},
    Asset{"/favicon.ico", ":/web/icon.svg", "image/svg+xml"},
    Asset{"/icon.svg", ":/web/icon.svg", "image/svg+xml"},
    Asset{"/manifest.webmanifest", ":/web/manifest.webmanifest", "application/manifest+json"},
    Asset{"/icon-192.png", ":/web/icon-192.png", "image/png"},
    Asset{"/icon-512.png", ":/web/icon-512.png", "image/png"},
};

WebRoute made(Kind kind)
{
    WebRoute route;
    route.kind = kind;
    return route;
}

WebRoute bad(const QString &problem)
{
    WebRoute route = made(Kind::BadRequest);
    route.problem = problem;
    return route;
}

std::optional<QDate> dateOf(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d$"));
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!form.match(text).hasMatch() || !date.isValid())
        return std::nullopt;
    return date;
}

WebRoute day(const QString &text, Kind kind)
{
    const auto date = dateOf(text);
    if (!date)
        return bad(QStringLiteral("Not a date: \"%1\". Write a day as yyyy-mm-dd, for example 2026-12-07.")
                       .arg(text.left(kQuoted)));
    WebRoute route = made(kind);
    route.from = *date;
    return route;
}

WebRoute month(const QString &text, Kind kind)
{
    const auto date = dateOf(text + QStringLiteral("-01"));
    if (!date || text.size() != QStringLiteral("yyyy-mm").size())
        return bad(QStringLiteral("Not a month: \"%1\". Write a month as yyyy-mm, for example 2026-12.")
                       .arg(text.left(kQuoted)));
    WebRoute route = made(kind);
    route.from = *date;
    return route;
}

WebRoute range(const QUrlQuery &query, Kind kind, const QDate &today, int longestRange)
{
    const auto bound = [&query](const char *name, const QDate &otherwise) -> std::optional<QDate> {
        const QString text = query.queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
        return query.hasQueryItem(QLatin1String(name)) ? dateOf(text) : std::optional(otherwise);
    };
    const auto to = bound("to", today);
    const auto from = to ? bound("from", to->addDays(1 - kDefaultDays)) : std::nullopt;
    if (!from || !to)
        return bad(QStringLiteral("from and to must be days written as yyyy-mm-dd, for example "
                                  "?from=2026-11-08&to=2026-12-07."));
    if (*from > *to)
        return bad(
            QStringLiteral("from (%1) is after to (%2).").arg(from->toString(Qt::ISODate), to->toString(Qt::ISODate)));
    if (from->daysTo(*to) + 1 > longestRange)
        return bad(QStringLiteral("At most %1 days at a time: %2 to %3 is %4 days.")
                       .arg(longestRange)
                       .arg(from->toString(Qt::ISODate), to->toString(Qt::ISODate))
                       .arg(from->daysTo(*to) + 1));
    WebRoute route = made(kind);
    route.from = *from;
    route.to = *to;
    return route;
}

// The rest of `path` after `prefix`, when it starts so and the rest is one segment.
std::optional<QString> segmentAfter(const QString &path, QStringView prefix)
{
    if (!path.startsWith(prefix))
        return std::nullopt;
    const QString rest = path.mid(prefix.size());
    if (rest.isEmpty() || rest.contains(u'/'))
        return std::nullopt;
    return rest;
}
} // namespace

WebRoute WebRoute::of(const QString &path, const QUrlQuery &query, const QDate &today, int longestRange)
{
    for (const Asset &asset : kAssets)
        if (path == QLatin1String(asset.path)) {
            WebRoute route = made(Kind::Asset);
            route.resource = QLatin1String(asset.resource);
            route.contentType = asset.contentType;
            return route;
        }
    if (path == u"/api/live")
        return made(Kind::Live);
    if (path == u"/api/alarms")
        return made(Kind::Alarms);
    if (path == u"/api/push")
        return made(Kind::Push);
    if (path == u"/metrics")
        return made(Kind::Metrics);
    if (path == u"/api/powercurve")
        return range(query, Kind::PowerCurve, today, longestRange);
    if (path == u"/api/powercurve.csv")
        return range(query, Kind::PowerCurveCsv, today, longestRange);
    if (path == u"/api/performance")
        return range(query, Kind::Performance, today, longestRange);
    if (path == u"/api/performance.csv")
        return range(query, Kind::PerformanceCsv, today, longestRange);
    if (const auto text = segmentAfter(path, u"/api/day/"))
        return text->endsWith(kLogSuffix) ? day(text->chopped(kLogSuffix.size()), Kind::DayLog) : day(*text, Kind::Day);
    if (const auto text = segmentAfter(path, u"/api/energy/"))
        return text->endsWith(kCsvSuffix) ? month(text->chopped(kCsvSuffix.size()), Kind::EnergyCsv)
                                          : month(*text, Kind::Energy);
    return made(Kind::NotFound);
}

} // namespace Brolant
