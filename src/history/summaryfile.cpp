// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/summaryfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

#include <cstdio>
#include <cstring>
#include <type_traits>

namespace Brolant {

namespace SummaryFile {
namespace {
// Changes whenever the layout or the rules that make a summary change.
constexpr std::uint64_t kMagic = 0x42524F4C53554D07ULL;
// A day the clocks go back has 25 hours; none has more than 26.
constexpr int kMostMinutes = 26 * 60;
using Checksum = std::uint64_t;

struct Header
{
    std::uint64_t magic = kMagic;
    LogStamp log;
    qint64 julianDay = 0;
    qint64 records = 0;
    qint64 paceKnown = 0;
    double wattHours = 0.0;
    double loggedSeconds = 0.0;
    qint64 minutes = 0;
    qint64 bins = 0;
    qint64 points = 0;
};

template <typename T>
void put(QByteArray &bytes, const std::vector<T> &values)
{
    static_assert(std::is_trivially_copyable_v<T>);
    bytes.append(reinterpret_cast<const char *>(values.data()), qsizetype(values.size() * sizeof(T)));
}

// What a summary's bytes before it hash to, the last value of the file: a summary changed or cut
// short since it was written is never believed.
Checksum checksumOf(QByteArrayView bytes)
{
    return Checksum(qHashBits(bytes.data(), size_t(bytes.size())));
}

// Reads values one after another, refusing to run past the end.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    template <typename T>
    bool read(T *into, size_t count)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        const size_t size = count * sizeof(T);
        if (size > size_t(m_bytes.size()) - m_at)
            return false;
        std::memcpy(into, m_bytes.constData() + m_at, size);
        m_at += size;
        return true;
    }
    template <typename T>
    bool read(std::vector<T> &into, qint64 count, qint64 most)
    {
        if (count < 0 || count > most || size_t(count) * sizeof(T) > size_t(m_bytes.size()) - m_at)
            return false;
        into.resize(size_t(count));
        return read(into.data(), into.size());
    }
    bool atEnd() const { return m_at == size_t(m_bytes.size()); }

private:
    QByteArrayView m_bytes;
    size_t m_at = 0;
};
} // namespace

std::optional<DaySummary> read(const QString &path, const LogStamp &log)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    Checksum written = 0;
    if (bytes.size() < qsizetype(sizeof written))
        return std::nullopt;
    const QByteArrayView body = QByteArrayView(bytes).chopped(sizeof written);
    std::memcpy(&written, bytes.constData() + body.size(), sizeof written);
    Reader reader(body);
    Header header;
    if (written != checksumOf(body) || !reader.read(&header, 1) || header.magic != kMagic || header.log != log)
        return std::nullopt;
    DaySummary day;
    day.date = QDate::fromJulianDay(header.julianDay);
    day.records = int(header.records);
    day.paceKnown = header.paceKnown != 0;
    day.wattHours = header.wattHours;
    day.loggedSeconds = header.loggedSeconds;
    const qint64 most = qint64(body.size());
    bool whole = reader.read(day.minutes, header.minutes, kMostMinutes)
                 && reader.read(day.minuteWattHours, header.minutes, kMostMinutes)
                 && reader.read(day.minuteMeanWind, header.minutes, kMostMinutes)
                 && reader.read(day.minuteMeanWatts, header.minutes, kMostMinutes);
    for (auto &series : day.extents)
        whole = whole && reader.read(series, header.minutes, kMostMinutes);
    whole = whole && reader.read(day.bins, header.bins, most) && reader.read(day.points, header.points, most);
    if (!whole || !reader.atEnd() || !day.date.isValid())
        return std::nullopt;
    return day;
}

void write(const QString &path, const DaySummary &summary, const LogStamp &log)
{
    Header header;
    header.log = log;
    header.julianDay = summary.date.toJulianDay();
    header.records = summary.records;
    header.paceKnown = summary.paceKnown ? 1 : 0;
    header.wattHours = summary.wattHours;
    header.loggedSeconds = summary.loggedSeconds;
    header.minutes = qint64(summary.minutes.size());
    header.bins = qint64(summary.bins.size());
    header.points = qint64(summary.points.size());
    QByteArray bytes(reinterpret_cast<const char *>(&header), sizeof header);
    put(bytes, summary.minutes);
    put(bytes, summary.minuteWattHours);
    put(bytes, summary.minuteMeanWind);
    put(bytes, summary.minuteMeanWatts);
    for (const auto &series : summary.extents)
        put(bytes, series);
    put(bytes, summary.bins);
    put(bytes, summary.points);
    const Checksum checksum = checksumOf(bytes);
    bytes.append(reinterpret_cast<const char *>(&checksum), sizeof checksum);
    // Written beside and renamed into place, without waiting for the disk: a summary lost in a
    // crash is only made again, and one cut short fails its checksum.
    QDir().mkpath(QFileInfo(path).path());
    const QString part = path + QStringLiteral(".part");
    QFile file(part);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written || std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0)
        file.remove();
}

} // namespace SummaryFile

} // namespace Brolant
