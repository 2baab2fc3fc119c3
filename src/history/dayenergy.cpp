#include "history/dayenergy.h"

#include "history/historyloader.h"
#include "history/historyrecords.h"
#include "text/numerictext.h"
#include "viewer/dayloader.h"
#include "viewer/logginginterval.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>
#include <numeric>

namespace Brolant {

namespace {
constexpr double kSecondsPerHour = 3600.0;

// "2026_12_07 13:02  1234.6 Wh" at exit, "2026_12_08,00:00  1234.6 Wh" at midnight.
const QRegularExpression &lineLayout()
{
    static const QRegularExpression layout(
        QStringLiteral(R"(^(\d{4})_(\d\d)_(\d\d)([ ,])(\d\d):(\d\d)  +(\S+) Wh$)"));
    return layout;
}

double computedWattHours(const HistoryRecords &records, const HistoryRecords::Day &day,
                         double logDelaySeconds)
{
    // The viewer's rule for a range: each record's watts over one interval, the first record
    // left out (it closes the interval before the range).
    std::vector<int> times(records.seconds.begin() + std::ptrdiff_t(day.begin),
                           records.seconds.begin() + std::ptrdiff_t(day.end));
    const double interval = loggingInterval(times).value_or(logDelaySeconds);
    double watts = 0.0;
    for (size_t at = day.begin + 1; at < day.end; ++at)
        watts += records.value(HistoryRecords::Series::Watts, at);
    return watts * interval / kSecondsPerHour;
}
} // namespace

EnergyArchive EnergyArchive::parse(const QByteArray &content)
{
    EnergyArchive archive;
    for (const QByteArray &raw : content.split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.isEmpty())
            continue;
        const auto match = lineLayout().match(line);
        const QDate dated(match.hasMatch() ? match.captured(1).toInt() : 0, match.captured(2).toInt(),
                          match.captured(3).toInt());
        const auto wattHours = NumericText::parse(match.captured(7));
        if (!match.hasMatch() || !dated.isValid() || match.captured(5).toInt() > 23
            || match.captured(6).toInt() > 59 || !wattHours || !std::isfinite(*wattHours)
            || *wattHours < 0) {
            ++archive.damagedLines;
            continue;
        }
        const bool closesDay = match.captured(4) == u',';
        archive.dayTotals[closesDay ? dated.addDays(-1) : dated] += *wattHours;
    }
    return archive;
}

EnergyArchive EnergyArchive::read(const QString &programFolder)
{
    QFile file(programFolder + QStringLiteral("/logs/Whours.txt"));
    // Two lines a day would take millennia to reach this: anything larger is not the archive.
    if (file.size() > DayLoader::kLargestDayFile || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

namespace EnergyTable {

std::vector<DayEnergy> days(const EnergyArchive &archive, const HistoryRecords &records,
                            const QDate &from, const QDate &to, double logDelaySeconds)
{
    std::vector<DayEnergy> table;
    auto logged = records.days.begin();
    for (const QDate &day : HistoryFiles::daysBetween(from, to)) {
        while (logged != records.days.end() && logged->date < day)
            ++logged;
        DayEnergy entry{day, 0.0, DayEnergy::Source::None};
        if (const auto archived = archive.dayTotals.find(day); archived != archive.dayTotals.end())
            entry = {day, archived->second, DayEnergy::Source::Archive};
        else if (logged != records.days.end() && logged->date == day)
            entry = {day, computedWattHours(records, *logged, logDelaySeconds), DayEnergy::Source::Computed};
        table.push_back(entry);
    }
    return table;
}

std::vector<QDate> daysToCompute(const EnergyArchive &archive, const QDate &from, const QDate &to)
{
    std::vector<QDate> missing;
    for (const QDate &day : HistoryFiles::daysBetween(from, to))
        if (!archive.dayTotals.contains(day))
            missing.push_back(day);
    return missing;
}

double total(const std::vector<DayEnergy> &days)
{
    return std::accumulate(days.begin(), days.end(), 0.0,
                           [](double sum, const DayEnergy &day) { return sum + day.wattHours; });
}

std::array<double, 12> monthTotals(const std::vector<DayEnergy> &days)
{
    std::array<double, 12> totals{};
    for (const DayEnergy &day : days)
        totals[size_t(day.day.month() - 1)] += day.wattHours;
    return totals;
}

double mean(const std::vector<DayEnergy> &days)
{
    const auto counted = std::count_if(days.begin(), days.end(), [](const DayEnergy &day) {
        return day.source != DayEnergy::Source::None;
    });
    return counted == 0 ? 0.0 : total(days) / double(counted);
}

} // namespace EnergyTable

} // namespace Brolant
