// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/recordoutputs.h"

#include "logging/intervalmeans.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/datetext.h"
#include "text/failure.h"
#include "text/numerictext.h"

#include <QDate>
#include <QFileInfo>
#include <QStringList>
#include <QTime>

namespace Brolant {

namespace RecordOutputs {
namespace {
const QString kLineEnd = QStringLiteral("\r\n");
// A page template is a web page; anything larger is not one.
constexpr qint64 kLargestTemplate = 16 * 1024 * 1024;

QString longTime(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

// The slot for a mode: no value of the system belongs there, and empty keeps every output whole.
const QString kMode;
} // namespace

QString historyFileName(const QDate &date)
{
    return QStringLiteral("history%1.txt").arg(date.toString(QStringLiteral("d/MM/yyyy")).replace(u'/', u'_'));
}

QString historyLine(const Record &record, const QString &units)
{
    const IntervalMeans::Texts means = record.means.texts();
    return QStringLiteral("%1V\t\t%2A\t\t%3W\t\t%4RPM\t\t%5%6\t\t%7\t\t%8\r\n")
        .arg(means.volts, means.amps, means.watts, means.rpm, means.windSpeed, units, kMode,
             longTime(record.time.time()));
}

QString page(QString templateText, const Record &record)
{
    const IntervalMeans::Texts means = record.means.texts();
    return templateText.replace(QStringLiteral("<VV>"), means.volts)
        .replace(QStringLiteral("<II>"), means.amps)
        .replace(QStringLiteral("<WW>"), means.watts)
        .replace(QStringLiteral("<WH>"), NumericText::shortest(record.energy))
        .replace(QStringLiteral("<RR>"), means.rpm)
        .replace(QStringLiteral("<SS>"), means.windSpeed)
        .replace(QStringLiteral("<TT>"), longTime(record.time.time()))
        .replace(QStringLiteral("<MM>"), kMode);
}

QString spreadsheetHeader(const QString &units)
{
    return QStringLiteral("<html><body><table><tr><td><b>Volts</b></td><td><b>Amps</b></td><td>"
                          "<b>Watts</b></td><td><b>RPM</b></td><td><b>%1</b></td><td><b>Mode</b>"
                          "</td><td><b>Time</b></td></tr>\r\n\r\n")
        .arg(units);
}

QString spreadsheetRow(const Record &record)
{
    const IntervalMeans::Texts means = record.means.texts();
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td>"
                          "<td>%7</td></tr>\r\n\r\n")
        .arg(means.volts, means.amps, means.watts, means.rpm, means.windSpeed, kMode, longTime(record.time.time()));
}

std::optional<TextFile::TornEnd> writeHtml(const QString &programFolder, const Record &record, const QString &units)
{
    const ProgramPaths paths(programFolder);
    QStringList failures;
    // Each output stands alone: the page is still attempted when the history line fails.
    const auto appended = TextFile::tryAppend(paths.inHtml(historyFileName(record.time.date())),
                                              historyLine(record, units));
    if (!appended)
        failures.append(appended.failure().description);
    // No template: the page is written empty, as a sign that it is missing.
    const QString templateText = QString::fromLatin1(
        TextFile::tryReadBytes(paths.inHtml(QStringLiteral("template.asp")), kLargestTemplate).valueOr({}));
    const Result<> replaced = TextFile::tryReplace(paths.inHtml(QStringLiteral("log.asp")),
                                                   page(templateText, record) + kLineEnd);
    if (!replaced)
        failures.append(replaced.failure().description);
    // To the logging cycle's one catch point for this output.
    if (!failures.isEmpty())
        throw Failure{failures.join(QStringLiteral("; "))};
    return *appended;
}

std::optional<TextFile::TornEnd> writeSpreadsheetRow(const QString &programFolder, const Record &record,
                                                     const QString &units)
{
    const QString path = ProgramPaths(programFolder)
                             .inExcel(DateText::dateStamp(record.time.date()) + QStringLiteral(".xls"));
    const QString header = QFileInfo::exists(path) ? QString() : spreadsheetHeader(units);
    return TextFile::append(path, header + spreadsheetRow(record));
}

} // namespace RecordOutputs

} // namespace Brolant
