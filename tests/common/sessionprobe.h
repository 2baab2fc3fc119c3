// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/loggercore.h"
#include "session/loggersession.h"

namespace Brolant {

// The session's working parts, for tests, benchmarks and fuzzers that end an interval or a tick
// by hand on a fake clock, or look at what a part holds; the program's parts hear the session's
// signals instead.
struct SessionProbe
{
    static LoggerCore &core(LoggerSession &session) { return *session.m_core; }
};

} // namespace Brolant
