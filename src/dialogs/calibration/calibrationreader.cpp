// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/calibration/calibrationreader.h"

#include "text/numerictext.h"
#include "text/taglookup.h"

namespace Brolant {

namespace {
std::optional<double> field(QStringView frame, QChar tag)
{
    const auto found = TagLookup::between(frame, QStringLiteral("<%1>").arg(tag), QStringLiteral("</%1>").arg(tag));
    if (!found.found())
        return std::nullopt;
    return NumericText::valueOrZero(found.value);
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
    return {field(frame, u'V').value_or(0.0), field(frame, u'I').value_or(0.0), field(frame, u'R'), field(frame, u'S')};
}

} // namespace Brolant
