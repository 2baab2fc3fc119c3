// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/configfield.h"
#include "text/failure.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace Brolant {

// One step of a reader: the key it reads next, what the value must be, and what it does with it
// (which may fail for a check of its own).
struct FieldStep
{
    enum class Need
    {
        Text,     // present
        Number,   // present and a number
        Int16,    // present and a 16-bit whole number
        Optional, // may be missing: then the step is passed over
    };
    using Apply = std::function<Result<>(const ConfigField &)>;

    QString key;
    Need need = Need::Text;
    Apply apply;

    // The common steps: the value, checked as `need` asks, copied into `into`.
    static FieldStep text(const QString &key, ConfigField &into) { return {key, Need::Text, copyInto(into)}; }
    static FieldStep number(const QString &key, ConfigField &into) { return {key, Need::Number, copyInto(into)}; }
    static FieldStep int16(const QString &key, ConfigField &into) { return {key, Need::Int16, copyInto(into)}; }
    static FieldStep optional(const QString &key, Apply apply) { return {key, Need::Optional, std::move(apply)}; }

private:
    static Apply copyInto(ConfigField &into)
    {
        return [&into](const ConfigField &field) -> Result<> {
            into = field;
            return {};
        };
    }
};

// A configuration file in the tag layout, read and parsed once: each of its keys looked up by the
// tag rule and converted. Every reader then reads the values it needs in its own order through a
// table of steps, and stops at its first failure, keeping what it had not come to yet; a form the
// user repairs reads every value that can be read instead.
class ConfigFile
{
public:
    // The file at `path`, named `fileName` in messages, with the values of `keys`. A file that is
    // missing, unreadable or far too large is remembered as a failure that stops every reader.
    static ConfigFile read(const QString &path, const QString &fileName, const QStringList &keys);
    ConfigFile(const QString &fileName, const QString &content, const QStringList &keys);

    const QString &fileName() const { return m_fileName; }
    // Why the file could not be read at all; nothing when it was.
    const std::optional<Failure> &readFailure() const { return m_readFailure; }
    // A key's value; a missing value for a key that is not among the file's keys.
    const ConfigField &operator[](const QString &key) const;

    // Applies the steps in order; returns the first failure, at which it stopped.
    Result<> applyInOrder(const std::vector<FieldStep> &steps) const;
    // Applies every step that can be applied, passing over those that fail; returns their
    // failures, in order.
    std::vector<Failure> applyEach(const std::vector<FieldStep> &steps) const;

private:
    Result<> apply(const FieldStep &step) const;

    explicit ConfigFile(const QString &fileName, Failure readFailure);

    QString m_fileName;
    std::optional<Failure> m_readFailure;
    QHash<QString, ConfigField> m_fields;
};

} // namespace Brolant
