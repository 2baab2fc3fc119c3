// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/configfield.h"

#include "text/numerictext.h"

namespace Brolant {

ConfigField::ConfigField(QString text)
    : m_present(true),
      m_text(std::move(text)),
      m_number(NumericText::parse(m_text)),
      m_int16(NumericText::toInt16(m_text))
{
}

} // namespace Brolant
