// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/configfile.h"
#include "config/settingsvalue.h"
#include "config/tagvalue.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

namespace Brolant {

// A settings file in the tag layout, declared once: its heading and, in the file's order, each
// key with how its value is read (checked and converted, or the failure) and how it is written.
// read() reads the keys in the file's order, and stops at the first value that cannot be used; a
// key the file leaves out keeps the settings' default. A reader with an order of its own lists
// its keys, what each value must be, and reads them with readInOrder() or readEach(). The file is
// written whole in the file's order: the heading, its empty lines, a key a line, and an empty
// line at the end where the file has one, every line ending in CR LF.
template <typename Settings>
class SettingsLayout
{
public:
    struct Key
    {
        QString tag;
        std::function<Result<>(Settings &, const ConfigField &)> read;
        std::function<QString(const Settings &)> write;

        // A value kept as written and as it reads, for its readers to check.
        static Key field(const QString &tag, ConfigField Settings::*member)
        {
            return {tag,
                    [member](Settings &settings, const ConfigField &field) -> Result<> {
                        settings.*member = field;
                        return {};
                    },
                    [member](const Settings &settings) { return (settings.*member).text(); }};
        }
        // A switch: 0 or 1.
        static Key onOff(const QString &tag, bool Settings::*member)
        {
            return {tag,
                    [tag, member](Settings &settings, const ConfigField &field) {
                        return assignTo(settings.*member, SettingsValue::switchedOn(tag, field));
                    },
                    [member](const Settings &settings) { return QString::number(settings.*member ? 1 : 0); }};
        }
        // A text that goes into a connection or a header; blanks around it dropped when `trimmed`.
        static Key plain(const QString &tag, QString Settings::*member, bool trimmed)
        {
            return {tag,
                    [tag, member, trimmed](Settings &settings, const ConfigField &field) {
                        return assignTo(settings.*member,
                                        SettingsValue::plain(tag, trimmed ? field.text().trimmed() : field.text()));
                    },
                    [member](const Settings &settings) { return settings.*member; }};
        }
        // A TCP port.
        static Key port(const QString &tag, int Settings::*member)
        {
            return {tag,
                    [tag, member](Settings &settings, const ConfigField &field) {
                        return assignTo(settings.*member, SettingsValue::port(tag, field));
                    },
                    [member](const Settings &settings) { return QString::number(settings.*member); }};
        }
    };

    // The empty lines around the keys, as the file has always had them.
    struct Spacing
    {
        int afterHeading = 1;
        bool atEnd = true;
    };

    // A key a reader asks for: its tag, what its value must be, and a test of the reader's own
    // (its failure stops the key; nothing: none), made before the value is read into the settings.
    struct Wanted
    {
        QString tag;
        FieldStep::Need need = FieldStep::Need::Text;
        std::function<Result<>(const ConfigField &)> check = {};
    };

    SettingsLayout(QString heading, std::vector<Key> keys, Spacing spacing = {})
        : m_heading(std::move(heading)), m_keys(std::move(keys)), m_spacing(spacing)
    {
    }

    QStringList tags() const
    {
        QStringList tags;
        for (const Key &key : m_keys)
            tags << key.tag;
        return tags;
    }

    // Reads the file's values into `settings`, each key optional; the failure names the first
    // that cannot be used.
    Result<void> read(const ConfigFile &file, Settings &settings) const
    {
        std::vector<Wanted> wanted;
        for (const Key &key : m_keys)
            wanted.push_back({key.tag, FieldStep::Need::Optional});
        return readInOrder(file, settings, wanted);
    }

    // Reads the `wanted` keys in that order, and stops at the first that cannot be used: the
    // keys before it are read, the rest keep what they had. `read`, when given, lists the keys
    // read, in order.
    Result<void> readInOrder(const ConfigFile &file, Settings &settings, const std::vector<Wanted> &wanted,
                             QStringList *read = nullptr) const
    {
        return file.applyInOrder(steps(settings, wanted, read));
    }

    // Reads every `wanted` key that can be read, passing over those that cannot; their failures,
    // in order.
    std::vector<Failure> readEach(const ConfigFile &file, Settings &settings, const std::vector<Wanted> &wanted) const
    {
        return file.applyEach(steps(settings, wanted, nullptr));
    }

    // The file's text; without the keys `leftOut` names, where it is given.
    QString text(const Settings &settings, const std::function<bool(const QString &tag)> &leftOut = {}) const
    {
        QStringList lines{m_heading};
        for (int line = 0; line < m_spacing.afterHeading; ++line)
            lines << QString();
        for (const Key &key : m_keys) {
            if (!leftOut || !leftOut(key.tag))
                lines << tagged(key.tag, key.write(settings));
        }
        if (m_spacing.atEnd)
            lines << QString();
        return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    }

private:
    std::vector<FieldStep> steps(Settings &settings, const std::vector<Wanted> &wanted, QStringList *read) const
    {
        std::vector<FieldStep> steps;
        for (const Wanted &want : wanted) {
            const Key &key = this->key(want.tag);
            steps.push_back({want.tag, want.need, [&key, &settings, &want, read](const ConfigField &field) {
                                 const Result<> checked = want.check ? want.check(field) : Result<>();
                                 if (!checked)
                                     return checked;
                                 const Result<> stored = key.read(settings, field);
                                 if (stored && read)
                                     read->append(key.tag);
                                 return stored;
                             }});
        }
        return steps;
    }

    // Every tag a reader names is one of the file's: a typo is a fault of the program.
    const Key &key(const QString &tag) const
    {
        const auto found = std::find_if(m_keys.begin(), m_keys.end(),
                                        [&tag](const Key &key) { return key.tag == tag; });
        Q_ASSERT(found != m_keys.end());
        return *found;
    }

    QString m_heading;
    std::vector<Key> m_keys;
    Spacing m_spacing;
};

} // namespace Brolant
