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

// How a route's path is matched, and what of the request it reads.
enum class Shape
{
    Fixed, // the path alone
    Range, // the path, with the days from and to in the query
    Day,   // the path followed by one segment, a day yyyy-mm-dd, then the suffix
    Month, // the path followed by one segment, a month yyyy-mm, then the suffix
};

struct Route
{
    QStringView path;
    Shape shape;
    Kind kind;
    QStringView suffix = {}; // Day and Month: what ends the segment, or nothing
};

// Every data route, first match first: a segment with its suffix before the same without.
constexpr std::array kRoutes{
    Route{u"/api/live", Shape::Fixed, Kind::Live},
    Route{u"/api/texts", Shape::Fixed, Kind::Texts},
    Route{u"/api/alarms", Shape::Fixed, Kind::Alarms},
    Route{u"/api/push", Shape::Fixed, Kind::Push},
    Route{u"/metrics", Shape::Fixed, Kind::Metrics},
    Route{u"/api/powercurve", Shape::Range, Kind::PowerCurve},
    Route{u"/api/powercurve.csv", Shape::Range, Kind::PowerCurveCsv},
    Route{u"/api/performance", Shape::Range, Kind::Performance},
    Route{u"/api/performance.csv", Shape::Range, Kind::PerformanceCsv},
    Route{u"/api/day/", Shape::Day, Kind::DayLog, u".txt"},
    Route{u"/api/day/", Shape::Day, Kind::Day},
    Route{u"/api/energy/", Shape::Month, Kind::EnergyCsv, u".csv"},
    Route{u"/api/energy/", Shape::Month, Kind::Energy},
};

// The segment of `path` after the route's path and before its suffix, when the path has one.
std::optional<QString> segmentOf(const QString &path, const Route &route)
{
    if (!path.startsWith(route.path) || !path.endsWith(route.suffix))
        return std::nullopt;
    const QString rest = path.mid(route.path.size());
    if (rest.isEmpty() || rest.contains(u'/'))
        return std::nullopt;
    return rest.chopped(route.suffix.size());
}

std::optional<WebRoute> matched(const Route &route, const QString &path, const QUrlQuery &query, const QDate &today,
                                int longestRange)
{
    switch (route.shape) {
    case Shape::Fixed:
        return path == route.path ? std::optional(made(route.kind)) : std::nullopt;
    case Shape::Range:
        return path == route.path ? std::optional(range(query, route.kind, today, longestRange)) : std::nullopt;
    case Shape::Day:
        if (const auto text = segmentOf(path, route))
            return day(*text, route.kind);
        return std::nullopt;
    case Shape::Month:
        if (const auto text = segmentOf(path, route))
            return month(*text, route.kind);
        return std::nullopt;
    }
    return std::nullopt;
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
    for (const Route &route : kRoutes)
        if (std::optional<WebRoute> found = matched(route, path, query, today, longestRange))
            return *found;
    return made(Kind::NotFound);
}

} // namespace Brolant
