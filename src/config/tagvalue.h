// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace Brolant {

// The lookup of <Key>value</Key> in a configuration text: exactly the text between the first
// opening tag and the first closing tag, untrimmed. Nothing when either tag is missing or the
// closing tag comes first.
std::optional<QString> tagValue(QStringView content, QStringView key);

// The stored form of one value: <Key>value</Key>.
QString tagged(QStringView key, QStringView value);

} // namespace Brolant
