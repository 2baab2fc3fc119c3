#include "config/tagreader.h"

#include "config/tagvalue.h"
#include "text/failure.h"
#include "text/numerictext.h"

namespace Brolant {

TagReader::TagReader(QString content, QString fileName)
    : m_content(std::move(content)), m_fileName(std::move(fileName))
{
}

QString TagReader::text(const QString &key) const
{
    auto value = tagValue(m_content, key);
    if (!value)
        throw Failure{QStringLiteral("%1: no value for %2").arg(m_fileName, key)};
    return *value;
}

std::int16_t TagReader::int16(const QString &key) const
{
    const QString value = text(key);
    const auto number = NumericText::toInt16(value);
    if (!number)
        throw Failure{QStringLiteral("%1: %2 is not a whole number: %3").arg(m_fileName, key, value)};
    return *number;
}

double TagReader::number(const QString &key) const
{
    const QString value = text(key);
    const auto number = NumericText::parse(value);
    if (!number)
        throw Failure{QStringLiteral("%1: %2 is not a number: %3").arg(m_fileName, key, value)};
    return *number;
}

} // namespace Brolant
