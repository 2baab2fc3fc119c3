// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace Brolant {

class ConfigField;
class ConfigFile;

// The checks shared by the settings files of the parts beside the core (mqtt.cfg, web.cfg): each
// returns the value as the file holds it, or the failure saying, with the tag's name, what is
// wrong with it.
namespace SettingsValue {

// A text that goes into a connection or a header: at most 255 characters, no control characters
// or binary bytes.
Result<QString> plain(const QString &name, const QString &value);
// A switch: 0 or 1, nothing else.
Result<bool> switchedOn(const QString &name, const ConfigField &field);
// A whole number from `lowest` to `highest`; `kind` names what it is in the message ("a whole
// number of seconds").
Result<int> wholeNumber(const QString &name, const ConfigField &field, int lowest, int highest,
                        const QString &kind = QStringLiteral("a whole number"));
// A TCP port: a whole number from 1 to 65535.
Result<int> port(const QString &name, const ConfigField &field);

// The settings file at `path` (named `fileName`, with `keys`) when its switch `enabledKey` is 1;
// nothing when there is no file or it is switched off, whatever else it holds; the failure when
// the file cannot be read.
Result<std::optional<ConfigFile>> switchedOnFile(const QString &path, const QString &fileName, const QStringList &keys,
                                                 const QString &enabledKey);

} // namespace SettingsValue

} // namespace Brolant
