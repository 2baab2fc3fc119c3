// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace Brolant {

// The one rule for what counts as a number in text from the board, the files and the user:
// blanks around it, an optional sign, digits with an optional "." and fraction, and an optional
// exponent. "." is always the decimal point, whatever the system locale uses.
namespace NumericText {

// The value of a text that is a number; nothing for anything else, the empty text included,
// and for a number beyond the double range (an underflow is a number: 0).
std::optional<double> parse(QStringView text);

inline bool isNumber(QStringView text)
{
    return parse(text).has_value();
}

// The value of a number text, 0 for anything else: how frame fields and log values are read.
inline double valueOrZero(QStringView text)
{
    return parse(text).value_or(0.0);
}

// Whether the text is a number equal to `value`: how switches such as "1" are compared.
inline bool equals(QStringView text, double value)
{
    return parse(text) == value;
}

// A number text rounded half to even to a whole 16-bit number, as port numbers and switches
// are read; nothing when the text is no number or the result does not fit.
std::optional<std::int16_t> toInt16(QStringView text);

// The number that the text starts with (after leading blanks), 0 when it starts with none:
// "2.5 s" gives 2.5, "abc" gives 0.
double leadingNumber(QStringView text);

// A number in its shortest form, as the program shows it: 12.5, not 12.50; 0 for zero.
QString shortest(double value);

} // namespace NumericText

} // namespace Brolant
