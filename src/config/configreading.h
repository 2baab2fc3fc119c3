// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <QString>

namespace Brolant {

// The whole text of a configuration file; the failure when it is missing, unreadable, or far
// larger than a configuration file can be (a few hundred bytes; 1 MiB is refused).
Result<QString> readConfigFile(const QString &path);

} // namespace Brolant
