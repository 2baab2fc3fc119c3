// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/energyarchive.h"

#include "logging/dailylogline.h"
#include "platform/filestamp.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/datetext.h"
#include "text/numbermask.h"
#include "text/numerictext.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <optional>

namespace Brolant {

namespace {
constexpr qint64 kReadPiece = 1024 * 1024;
constexpr qsizetype kLongestLine = 4096;
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;

// "2026_12_07 13:02  1234.6 Wh" at exit, "2026_12_08,00:00  1234.6 Wh" at midnight, read by hand:
// a regular expression per line made a large archive last minutes.
struct ArchiveLine
{
    QDate dated;
    int second = 0;
    bool closesDay = false;
    double wattHours = 0.0;
};

std::optional<ArchiveLine> parseLine(QStringView line)
{
    constexpr qsizetype kValueStart = 18; // after "yyyy_MM_dd hh:mm  "
    const auto digits = [&](qsizetype at, qsizetype count) {
        int value = 0;
        for (qsizetype end = at + count; at < end; ++at) {
            if (line[at] < u'0' || line[at] > u'9')
                return -1;
            value = value * 10 + (line[at].unicode() - u'0');
        }
        return value;
    };
    if (line.size() < kValueStart + 4 || line[4] != u'_' || line[7] != u'_' || line[13] != u':'
        || (line[10] != u' ' && line[10] != u',') || line[16] != u' ' || line[17] != u' ' || !line.endsWith(u" Wh"))
        return std::nullopt;
    const int hours = digits(11, 2);
    const int minutes = digits(14, 2);
    const int year = digits(0, 4);
    const int month = digits(5, 2);
    const int day = digits(8, 2);
    const QDate dated = year < 0 || month < 0 || day < 0 ? QDate() : QDate(year, month, day);
    qsizetype value = kValueStart;
    while (value < line.size() && line[value] == u' ')
        ++value;
    const QStringView token = line.sliced(value, std::max<qsizetype>(0, line.size() - 3 - value));
    if (token.isEmpty() || std::any_of(token.begin(), token.end(), [](QChar c) { return c.isSpace(); }))
        return std::nullopt;
    const auto wattHours = NumericText::parse(token);
    if (!dated.isValid() || hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || !wattHours
        || !std::isfinite(*wattHours) || *wattHours < 0)
        return std::nullopt;
    return ArchiveLine{dated, hours * kSecondsPerHour + minutes * kSecondsPerMinute, line[10] == u',', *wattHours};
}
template <typename OnLine>
void forEachLine(QByteArrayView text, OnLine onLine)
{
    qsizetype from = 0;
    for (qsizetype end = text.indexOf('\n'); end >= 0; end = text.indexOf('\n', from)) {
        onLine(text.sliced(from, end - from));
        from = end + 1;
    }
    onLine(text.sliced(from));
}
} // namespace

QString EnergyArchive::line(LineKind kind, const QDateTime &written, double wattHours)
{
    const QChar separator = kind == LineKind::Midnight ? u',' : u' ';
    return DateText::dateStamp(written.date()) + separator + DateText::hourMinute(written.time()) + QStringLiteral("  ")
           + NumberMask::format(wattHours, u"#####.0") + QStringLiteral(" Wh\r\n");
}

Result<std::optional<TextFile::TornEnd>> EnergyArchive::append(const QString &programFolder, const QString &line)
{
    return TextFile::tryAppend(ProgramPaths(programFolder).energyArchive(), line, TextFile::Sync::ToDisk);
}

void EnergyArchive::addLine(QByteArrayView raw)
{
    const QString text = QString::fromLatin1(raw).trimmed();
    if (text.isEmpty())
        return;
    const auto read = parseLine(text);
    if (!read) {
        ++damagedLines;
        return;
    }
    if (read->closesDay) {
        Day &day = days[read->dated.addDays(-1)];
        day.closingWattHours += read->wattHours;
        ++day.closingLines;
        return;
    }
    Day &day = days[read->dated];
    day.wattHours += read->wattHours;
    day.lastLine = std::max(day.lastLine, read->second);
    ++day.lines;
}

EnergyArchive EnergyArchive::parse(const QByteArray &content)
{
    EnergyArchive archive;
    forEachLine(content, [&](QByteArrayView line) { archive.addLine(line); });
    return archive;
}

EnergyArchive EnergyArchive::read(const QString &programFolder)
{
    EnergyArchive archive;
    QFile file(ProgramPaths(programFolder).energyArchive());
    bool special = false;
    const auto stamp = FileStamp::of(file.fileName(), &special);
    if (!stamp)
        return archive;
    // A pipe or a device could keep its reader waiting for ever.
    if (special) {
        archive.problem = QStringLiteral("not a regular file");
        return archive;
    }
    // Two lines a day would need millennia to reach this: anything larger is not the archive.
    if (stamp->size > DailyLogLine::kLargestFile) {
        archive.problem = QStringLiteral("larger than %1 MB, too large to be the energy archive")
                              .arg(DailyLogLine::kLargestFile / (1024 * 1024));
        return archive;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        archive.problem = file.errorString();
        return archive;
    }
    QByteArray rest;
    for (QByteArray piece = file.read(kReadPiece); !piece.isEmpty(); piece = file.read(kReadPiece)) {
        rest += piece;
        const qsizetype lastEnd = rest.lastIndexOf('\n');
        if (lastEnd >= 0) {
            forEachLine(QByteArrayView(rest).first(lastEnd), [&](QByteArrayView line) { archive.addLine(line); });
            rest.remove(0, lastEnd + 1);
        } else if (rest.size() > kLongestLine) {
            // No line is this long: count it damaged rather than hold a file's worth of it.
            ++archive.damagedLines;
            rest.clear();
        }
    }
    if (file.error() != QFileDevice::NoError) {
        archive = {};
        archive.problem = file.errorString();
        return archive;
    }
    archive.addLine(rest);
    return archive;
}

} // namespace Brolant
