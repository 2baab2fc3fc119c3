#include "logging/energyarchive.h"

#include "logging/dailylogline.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/datetext.h"
#include "text/numbermask.h"
#include "text/numerictext.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>

#include <cmath>

namespace Brolant {

namespace {
// "2026_12_07 13:02  1234.6 Wh" at exit, "2026_12_08,00:00  1234.6 Wh" at midnight.
const QRegularExpression &lineLayout()
{
    static const QRegularExpression layout(
        QStringLiteral(R"(^(\d{4})_(\d\d)_(\d\d)([ ,])(\d\d):(\d\d)  +(\S+) Wh$)"));
    return layout;
}
} // namespace

QString EnergyArchive::line(LineKind kind, const QDateTime &written, double wattHours)
{
    const QChar separator = kind == LineKind::Midnight ? u',' : u' ';
    return DateText::dateStamp(written.date()) + separator + DateText::hourMinute(written.time())
           + QStringLiteral("  ") + NumberMask::format(wattHours, u"#####.0") + QStringLiteral(" Wh\r\n");
}

void EnergyArchive::append(const QString &programFolder, const QString &line)
{
    TextFile::append(ProgramPaths(programFolder).energyArchive(), line);
}

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
    QFile file(ProgramPaths(programFolder).energyArchive());
    // Two lines a day would take millennia to reach this: anything larger is not the archive.
    if (file.size() > DailyLogLine::kLargestFile || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

} // namespace Brolant
