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
// A whole number from `lowest` to `highest`. `message` (marked for translation in this context)
// says what it must be: %1 the name, %2 and %3 the bounds, %4 the value refused.
Result<int> wholeNumber(const QString &name, const ConfigField &field, int lowest, int highest,
                        const char *message = QT_TRANSLATE_NOOP("Brolant::SettingsValue",
                                                                "%1 must be a whole number from %2 to %3, not \"%4\""));
// A TCP port: a whole number from 1 to 65535.
Result<int> port(const QString &name, const ConfigField &field);

// The settings file at `path` (named `fileName`, with `keys`) when its switch `enabledKey` is 1;
// nothing when there is no file or it is switched off, whatever else it holds; the failure when
// the file cannot be read.
Result<std::optional<ConfigFile>> switchedOnFile(const QString &path, const QString &fileName, const QStringList &keys,
                                                 const QString &enabledKey);

} // namespace SettingsValue

} // namespace Brolant
