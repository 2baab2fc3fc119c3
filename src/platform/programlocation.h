// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <QString>

namespace Brolant {

// Where the program keeps its files. Beside the executable when that folder is writable and the
// program is not installed system-wide; otherwise ~/.local/share/brolant, made on the first start
// with the default files installed in <prefix>/share/brolant (or, without those, the ones beside
// the program).
namespace ProgramLocation {

QString folder(const QString &executableFolder);
// The folder the user chose (--folder), as an absolute path: made when missing, and given the
// default files it lacks, as a new ~/.local/share/brolant is. Fails when it is a file or cannot
// be made.
Result<QString> chosen(const QString &folder, const QString &executableFolder);

} // namespace ProgramLocation

} // namespace Brolant
