// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/tagvalue.h"

#include "text/taglookup.h"

namespace Brolant {

std::optional<QString> tagValue(QStringView content, QStringView key)
{
    const auto found = TagLookup::between(content, QStringLiteral("<%1>").arg(key), QStringLiteral("</%1>").arg(key));
    if (!found.found())
        return std::nullopt;
    return found.value.toString();
}

QString tagged(QStringView key, QStringView value)
{
    return QStringLiteral("<%1>%2</%1>").arg(key, value);
}

} // namespace Brolant
