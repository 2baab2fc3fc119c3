#include "config/tagvalue.h"

std::optional<QString> tagValue(QStringView content, QStringView key)
{
    const QString opening = QStringLiteral("<%1>").arg(key);
    const QString closing = QStringLiteral("</%1>").arg(key);
    const qsizetype open = content.indexOf(opening);
    const qsizetype close = content.indexOf(closing);
    if (open < 0 || close < 0)
        return std::nullopt;
    const qsizetype start = open + opening.size();
    if (close < start)
        return std::nullopt;
    return content.mid(start, close - start).toString();
}

QString tagged(QStringView key, QStringView value)
{
    return QStringLiteral("<%1>%2</%1>").arg(key, value);
}
