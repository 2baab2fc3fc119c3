#pragma once

#include <QString>

#include <cstdint>

namespace Brolant {

// Reads keys from one configuration text in the caller's order. Each take throws Failure on a
// missing key or a value that does not convert, so a reader stops at its first failure and keeps
// whatever it had not come to yet.
class TagReader
{
public:
    TagReader(QString content, QString fileName);

    QString text(const QString &key) const;
    std::int16_t int16(const QString &key) const;
    double number(const QString &key) const;

private:
    QString m_content;
    QString m_fileName;
};

} // namespace Brolant
