#include "dialogs/calibration/calibrationreader.h"

#include "text/numerictext.h"

namespace {
std::optional<double> field(QStringView frame, QChar tag)
{
    const QString opening = QStringLiteral("<%1>").arg(tag);
    const QString closing = QStringLiteral("</%1>").arg(tag);
    const qsizetype open = frame.indexOf(opening);
    const qsizetype close = frame.indexOf(closing);
    const qsizetype start = open + opening.size();
    if (open < 0 || close < 0 || close < start)
        return std::nullopt;
    return NumericText::valueOrZero(frame.mid(start, close - start));
}
} // namespace

std::optional<QString> CalibrationReader::append(QStringView characters)
{
    m_buffer.append(characters);
    if (m_buffer.size() > kCapacity)
        m_buffer.remove(0, m_buffer.size() - kCapacity);
    if (!m_buffer.contains(u'[') || !m_buffer.contains(u']'))
        return std::nullopt;
    return std::exchange(m_buffer, QString());
}

CalibrationReader::Fields CalibrationReader::fields(QStringView frame)
{
    return {field(frame, u'V').value_or(0.0), field(frame, u'I').value_or(0.0), field(frame, u'R'),
            field(frame, u'S')};
}
