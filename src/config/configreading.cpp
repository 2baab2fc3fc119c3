// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/configreading.h"

#include "platform/textfile.h"

namespace Brolant {

namespace {
constexpr qint64 kLargestConfigFile = 1024 * 1024;
}

QString readConfigFile(const QString &path)
{
    return TextFile::read(path, kLargestConfigFile);
}

} // namespace Brolant
