#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <map>

class QDateTime;

namespace Brolant {

// logs/Whours.txt, written and read here only. When the program ends it adds the day's running
// total ("2010_03_07 17:42  845.2 Wh"); when a day closes, that day's total, dated the moment it
// was written ("2010_03_08,00:00  1234.6 Wh"). A day's energy is the sum of its exit lines and of
// the midnight line that closes it.
struct EnergyArchive
{
    enum class LineKind { Exit, Midnight };

    std::map<QDate, double> dayTotals;
    int damagedLines = 0; // lines that are neither layout, passed over

    // One line, CR LF included.
    static QString line(LineKind kind, const QDateTime &written, double wattHours);
    // Appends one line; throws Failure when it cannot.
    static void append(const QString &programFolder, const QString &line);

    static EnergyArchive parse(const QByteArray &content);
    // The program folder's archive; a missing file is an empty archive.
    static EnergyArchive read(const QString &programFolder);
};

} // namespace Brolant
