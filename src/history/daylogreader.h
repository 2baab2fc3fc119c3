// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/daysummary.h"
#include "history/localday.h"
#include "logging/recordsteps.h"

#include <QByteArrayView>
#include <QDate>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

class QIODevice;

namespace Brolant {

// A day's log summarised as its lines come, in one pass: each line is read into the summary's
// minutes, bins and points at once, and only its time stamp's sums are kept for the energy, whose
// steps need the whole day. A file is read a piece at a time, each piece while it is still in
// the processor's cache.
class DayLogReader
{
public:
    explicit DayLogReader(const QDate &date);

    // Reads the lines of `bytes` that end in CR LF; how many bytes they used (the rest is the
    // start of a line still to come).
    qsizetype readLines(QByteArrayView bytes);
    // One line, without its CR LF.
    void readLine(QByteArrayView line);
    // The whole of `file`, a piece at a time; false when it could not be read.
    bool readFile(QIODevice &file);

    DaySummary summary();

private:
    // Points of one day are few beside its records: a flat table, as a node per record cost more
    // than the parse.
    class PointSet
    {
    public:
        static constexpr std::uint64_t kNoKey = 0x8000000080000000ULL; // no value rounds to the lowest int32

        void insert(std::uint64_t key);
        std::vector<std::uint64_t> sorted() const;

    private:
        static bool place(std::vector<std::uint64_t> &table, std::uint64_t key);
        void grow();

        std::vector<std::uint64_t> m_table;
        size_t m_count = 0;
        std::uint64_t m_recent = kNoKey;
    };

    // A stamp's records and the minute they fall in.
    struct StampSums
    {
        RecordSteps::Stamp stamp;
        int minute = 0;
        double watts = 0.0;
    };

    QDate m_date;
    LocalDay m_day;
    int m_records = 0;
    int m_lastTime = 0;
    bool m_steppedBack = false;       // the clock went back: what comes next is the repeated hour's second time
    std::vector<int> m_minuteRecords; // one slot for every minute of the day
    std::vector<double> m_minuteWind; // the sums of each minute's records
    std::vector<double> m_minuteWatts;
    std::array<std::vector<Extent>, DaySummary::kSeriesCount> m_extents;
    std::vector<StampSums> m_stamps;
    PointSet m_points;
    std::map<int, BinSums> m_bins;
    BinSums *m_bin = nullptr; // the bin of the record before: the wind changes slowly
};

} // namespace Brolant
