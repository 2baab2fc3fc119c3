// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/configreading.h"

#include "platform/textfile.h"

namespace Brolant {

namespace {
constexpr qint64 kLargestConfigFile = 1024 * 1024;
}

Result<QString> readConfigFile(const QString &path)
{
    return TextFile::tryReadBytes(path, kLargestConfigFile).andThen([](const QByteArray &bytes) -> Result<QString> {
        return QString::fromLatin1(bytes);
    });
}

} // namespace Brolant
