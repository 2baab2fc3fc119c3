#pragma once

#include "history/daysummary.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace Brolant {

// A daily log's summary kept on disk, so the next opening reads a few kilobytes instead of
// megabytes. It names the size and time of the log it was made from: when the log changed (today's
// grows), the summary no longer fits and the log is read again. A private file of this program,
// read back only by the same build of it.
namespace SummaryFile {

struct LogStamp
{
    qint64 size = 0;
    qint64 modified = 0; // milliseconds since the epoch
    bool operator==(const LogStamp &) const = default;
};

// Nothing when the file is missing, damaged or made from another state of the log.
std::optional<DaySummary> read(const QString &path, const LogStamp &log);
// Best effort: a summary that cannot be written only costs the next opening some time.
void write(const QString &path, const DaySummary &summary, const LogStamp &log);

} // namespace SummaryFile

} // namespace Brolant
