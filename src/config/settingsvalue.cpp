// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settingsvalue.h"

#include "config/configfield.h"
#include "config/configfile.h"
#include "text/failure.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace Brolant {

namespace {
constexpr int kHighestPort = 65535;
constexpr qsizetype kLongestText = 255;
constexpr qsizetype kQuoted = 20; // how much of a refused value a message repeats
constexpr const char *kContext = "Brolant::SettingsValue";
} // namespace

Result<QString> SettingsValue::plain(const QString &name, const QString &value)
{
    const bool control = std::any_of(value.begin(), value.end(), [](QChar c) {
        return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0);
    });
    if (control || value.size() > kLongestText)
        return Failure::translated(
            kContext,
            QT_TRANSLATE_NOOP("Brolant::SettingsValue", "%1 holds control characters or is longer than %2 characters"),
            [&](const QString &text) { return text.arg(name).arg(kLongestText); });
    return value;
}

Result<bool> SettingsValue::switchedOn(const QString &name, const ConfigField &field)
{
    if (!field.equals(0) && !field.equals(1))
        return Failure::translated(kContext,
                                   QT_TRANSLATE_NOOP("Brolant::SettingsValue", "%1 must be 0 or 1, not \"%2\""),
                                   [&](const QString &text) { return text.arg(name, field.text().left(kQuoted)); });
    return field.equals(1);
}

Result<int> SettingsValue::wholeNumber(const QString &name, const ConfigField &field, int lowest, int highest,
                                       const char *message)
{
    const auto number = field.number();
    // In range before it is made an int: a huge number is no int at all.
    if (!number || *number < lowest || *number > highest || *number != std::floor(*number))
        return Failure::translated(kContext, message, [&](const QString &text) {
            return text.arg(name).arg(lowest).arg(highest).arg(field.text().left(kQuoted));
        });
    return int(*number);
}

Result<int> SettingsValue::port(const QString &name, const ConfigField &field)
{
    return wholeNumber(name, field, 1, kHighestPort);
}

Result<std::optional<ConfigFile>> SettingsValue::switchedOnFile(const QString &path, const QString &fileName,
                                                                const QStringList &keys, const QString &enabledKey)
{
    if (!QFileInfo::exists(path))
        return std::optional<ConfigFile>();
    ConfigFile file = ConfigFile::read(path, fileName, keys);
    if (file.readFailure())
        return *file.readFailure();
    if (!file[enabledKey].equals(1))
        return std::optional<ConfigFile>();
    return std::optional(std::move(file));
}

} // namespace Brolant
