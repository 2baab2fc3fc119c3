// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/numbermask.h"

#include "text/rounding.h"

#include <charconv>
#include <cmath>
#include <string>

namespace Brolant {

namespace NumberMask {
namespace {

struct MaskShape
{
    int minimumIntegerDigits = 0; // "0"s before the point
    int decimals = 0;             // placeholders after the point
    int minimumDecimals = 0;      // up to the last "0" after the point
    bool hasPoint = false;
};

MaskShape shapeOf(QStringView mask)
{
    MaskShape shape;
    for (const QChar c : mask) {
        if (c == u'.') {
            if (shape.hasPoint)
                continue;
            shape.hasPoint = true;
        } else if (c == u'0' || c == u'#') {
            if (!shape.hasPoint) {
                shape.minimumIntegerDigits += c == u'0' ? 1 : 0;
            } else {
                ++shape.decimals;
                if (c == u'0')
                    shape.minimumDecimals = shape.decimals;
            }
        }
    }
    return shape;
}

std::string fixedDigits(double magnitude, int decimals)
{
    // 309 integer digits at most, the point, the decimals.
    std::string buffer(size_t(330 + decimals), '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed,
                                      decimals);
    buffer.resize(size_t(result.ptr - buffer.data()));
    return buffer;
}

} // namespace

QString format(double value, QStringView mask)
{
    const MaskShape shape = shapeOf(mask);
    if (!std::isfinite(value))
        value = 0.0;
    const double rounded = Rounding::halfAway(value, shape.decimals);
    const std::string digits = fixedDigits(std::fabs(rounded), shape.decimals);

    const auto point = digits.find('.');
    std::string integerPart = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);

    const auto firstSignificant = integerPart.find_first_not_of('0');
    integerPart = firstSignificant == std::string::npos ? std::string() : integerPart.substr(firstSignificant);
    if (int(integerPart.size()) < shape.minimumIntegerDigits)
        integerPart.insert(0, size_t(shape.minimumIntegerDigits) - integerPart.size(), '0');
    while (int(fraction.size()) > shape.minimumDecimals && fraction.back() == '0')
        fraction.pop_back();

    const bool shownAsZero = integerPart.find_first_not_of('0') == std::string::npos
                             && fraction.find_first_not_of('0') == std::string::npos;
    std::string text;
    text.reserve(integerPart.size() + fraction.size() + 2);
    if (rounded < 0 && !shownAsZero)
        text.push_back('-');
    text += integerPart;
    if (shape.hasPoint && (!fraction.empty() || !text.empty() || shape.decimals > 0))
        text += '.' + fraction;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace NumberMask

} // namespace Brolant
