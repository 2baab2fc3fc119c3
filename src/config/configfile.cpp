// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/configfile.h"

#include "config/configreading.h"
#include "config/tagvalue.h"

namespace Brolant {

ConfigFile ConfigFile::read(const QString &path, const QString &fileName, const QStringList &keys)
{
    const Result<QString> read = readConfigFile(path);
    if (!read)
        return ConfigFile(fileName, read.failure());
    return ConfigFile(fileName, *read, keys);
}

ConfigFile::ConfigFile(const QString &fileName, const QString &content, const QStringList &keys) : m_fileName(fileName)
{
    for (const QString &key : keys) {
        if (const auto value = tagValue(content, key))
            m_fields.insert(key, ConfigField(*value));
    }
}

ConfigFile::ConfigFile(const QString &fileName, Failure readFailure)
    : m_fileName(fileName), m_readFailure(std::move(readFailure))
{
}

const ConfigField &ConfigFile::operator[](const QString &key) const
{
    static const ConfigField missing;
    const auto found = m_fields.constFind(key);
    return found == m_fields.constEnd() ? missing : *found;
}

namespace {
// The reasons' words for the windows.
constexpr const char *kContext = "Brolant::ConfigFile";
} // namespace

Result<> ConfigFile::apply(const FieldStep &step) const
{
    const ConfigField &field = (*this)[step.key];
    if (!field.isPresent()) {
        if (step.need == FieldStep::Need::Optional)
            return {};
        return Failure::translated(kContext, QT_TRANSLATE_NOOP("Brolant::ConfigFile", "%1: no value for %2"),
                                   [&](const QString &text) { return text.arg(m_fileName, step.key); });
    }
    if (step.need == FieldStep::Need::Number && !field.number())
        return Failure::translated(kContext, QT_TRANSLATE_NOOP("Brolant::ConfigFile", "%1: %2 is not a number: %3"),
                                   [&](const QString &text) { return text.arg(m_fileName, step.key, field.text()); });
    if (step.need == FieldStep::Need::Int16 && !field.int16())
        return Failure::translated(kContext,
                                   QT_TRANSLATE_NOOP("Brolant::ConfigFile", "%1: %2 is not a whole number: %3"),
                                   [&](const QString &text) { return text.arg(m_fileName, step.key, field.text()); });
    return step.apply(field);
}

Result<> ConfigFile::applyInOrder(const std::vector<FieldStep> &steps) const
{
    if (m_readFailure)
        return *m_readFailure;
    for (const FieldStep &step : steps) {
        if (Result<> applied = apply(step); !applied)
            return applied;
    }
    return {};
}

std::vector<Failure> ConfigFile::applyEach(const std::vector<FieldStep> &steps) const
{
    if (m_readFailure)
        return {*m_readFailure};
    std::vector<Failure> failures;
    for (const FieldStep &step : steps) {
        if (const Result<> applied = apply(step); !applied)
            failures.push_back(applied.failure());
    }
    return failures;
}

} // namespace Brolant
