// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/configfile.h"
#include "config/settingsvalue.h"
#include "config/tagvalue.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace Brolant {

// A settings file in the tag layout, declared once: its heading and, in the file's order, each
// key with how its value is read (checked and converted, or Failure) and how it is written. Keys
// are read in that order, and reading stops at the first value that cannot be used; a key the
// file leaves out keeps the settings' default. The file is written whole in the same order: the
// heading, an empty line, a key a line, an empty line, every line ending in CR LF.
template <typename Settings>
class SettingsLayout
{
public:
    struct Key
    {
        QString tag;
        std::function<void(Settings &, const ConfigField &)> read;
        std::function<QString(const Settings &)> write;

        // A switch: 0 or 1.
        static Key onOff(const QString &tag, bool Settings::*member)
        {
            return {tag,
                    [tag, member](Settings &settings, const ConfigField &field) {
                        settings.*member = SettingsValue::switchedOn(tag, field);
                    },
                    [member](const Settings &settings) { return QString::number(settings.*member ? 1 : 0); }};
        }
        // A text that goes into a connection or a header; blanks around it dropped when `trimmed`.
        static Key plain(const QString &tag, QString Settings::*member, bool trimmed)
        {
            return {tag,
                    [tag, member, trimmed](Settings &settings, const ConfigField &field) {
                        settings.*member = SettingsValue::plain(tag, trimmed ? field.text().trimmed() : field.text());
                    },
                    [member](const Settings &settings) { return settings.*member; }};
        }
        // A TCP port.
        static Key port(const QString &tag, int Settings::*member)
        {
            return {tag,
                    [tag, member](Settings &settings, const ConfigField &field) {
                        settings.*member = SettingsValue::port(tag, field);
                    },
                    [member](const Settings &settings) { return QString::number(settings.*member); }};
        }
    };

    SettingsLayout(QString heading, std::vector<Key> keys) : m_heading(std::move(heading)), m_keys(std::move(keys)) {}

    QStringList tags() const
    {
        QStringList tags;
        for (const Key &key : m_keys)
            tags << key.tag;
        return tags;
    }

    // Takes the file's values into `settings`; throws Failure naming the first that cannot be used.
    void read(const ConfigFile &file, Settings &settings) const
    {
        std::vector<FieldStep> steps;
        for (const Key &key : m_keys)
            steps.push_back(FieldStep::optional(
                key.tag, [&key, &settings](const ConfigField &field) { key.read(settings, field); }));
        if (const MaybeFailure failure = file.applyInOrder(steps))
            throw *failure;
    }

    QString text(const Settings &settings) const
    {
        QStringList lines{m_heading, QString()};
        for (const Key &key : m_keys)
            lines << tagged(key.tag, key.write(settings));
        lines << QString();
        return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    }

private:
    QString m_heading;
    std::vector<Key> m_keys;
};

} // namespace Brolant
