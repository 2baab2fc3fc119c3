// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web/httpreply.h"
#include "web/webroutes.h"

namespace Brolant {

struct WebLimits;

// What each route answers, apart from the plumbing of the server: the page's files from the
// program's resources, and the data that must be read from the logs, made where the read runs.
namespace WebAnswers {

// One of the page's own files.
HttpReply asset(const WebRoute &route);
// The answer of a route that reads the logs on the logger's `today`; runs on a worker thread.
HttpReply fromLogs(const QString &programFolder, const WebRoute &route, const QDate &today, const WebLimits &limits);

} // namespace WebAnswers

} // namespace Brolant
