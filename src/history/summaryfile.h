// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/daysummary.h"
#include "platform/filestamp.h"

#include <QString>

#include <optional>

namespace Brolant {

// A daily log's summary kept on disk, so the next opening reads a few kilobytes instead of
// megabytes. It names the state of the log it was made from: when the log changed (today's
// grows), the summary no longer fits and the log is read again. A private file of this program,
// read back only by the same build of it, and only whole: one changed or cut short is made again.
namespace SummaryFile {

// What the file system reports of the log a summary was made from.
using LogStamp = FileStamp;

// Nothing when the file is missing, damaged or made from another state of the log.
std::optional<DaySummary> read(const QString &path, const LogStamp &log);
// Best effort: a summary that cannot be written only costs the next opening some time.
void write(const QString &path, const DaySummary &summary, const LogStamp &log);

} // namespace SummaryFile

} // namespace Brolant
