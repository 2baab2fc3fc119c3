// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace Brolant {

// One value of a configuration file: the text exactly as written, kept because the text itself
// has meaning ("0" is no port while " 0" is not; the interval box shows the text as typed), and
// what it reads as, worked out once when the file is read rather than at every use.
class ConfigField
{
public:
    // A value whose tags are missing.
    ConfigField() = default;
    // A value as written; a text converts, as a file holds texts.
    ConfigField(QString text);

    bool isPresent() const { return m_present; }
    // The text as written; empty when missing.
    const QString &text() const { return m_text; }
    // The text as a number, by the one number rule; nothing when it is none.
    const std::optional<double> &number() const { return m_number; }
    // The number rounded half to even to a 16-bit whole number, as port numbers and switches read.
    const std::optional<std::int16_t> &int16() const { return m_int16; }
    // Whether the text is a number equal to `value`: how a switch such as "1" is compared.
    bool equals(double value) const { return m_number == value; }

    bool operator==(const ConfigField &other) const { return m_present == other.m_present && m_text == other.m_text; }

private:
    bool m_present = false;
    QString m_text;
    std::optional<double> m_number;
    std::optional<std::int16_t> m_int16;
};

} // namespace Brolant
