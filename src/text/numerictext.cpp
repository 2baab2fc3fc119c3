// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/numerictext.h"

#include "text/rounding.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Brolant {

namespace NumericText {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Scans the longest number at the start of `text` (after blanks) and reports where it ends.
// Builds the ASCII form that std::from_chars accepts: no "+", no blanks.
struct Scan
{
    std::string ascii;
    qsizetype end = 0;
    bool hasDigits = false;
    // Decimal position of the first significant digit, to distinguish overflow from underflow.
    long long magnitude = 0;
    bool allZero = true;
};

// The integer digits from the first significant one, and the zeros after the point before the
// first other digit: together they give the number's decimal magnitude.
struct Digits
{
    long long integer = 0;
    long long leadingFractionZeros = 0;
};

// Scans the blanks, the sign, the integer part and the fraction, up to scan.end.
Digits scanMantissa(QStringView text, Scan &scan)
{
    Digits digits;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            scan.ascii.push_back('-');
        ++i;
    }
    while (i < n && isDigit(text[i])) {
        const char d = char(text[i].unicode());
        if (d != '0' || !scan.allZero) {
            scan.allZero = false;
            ++digits.integer;
        }
        scan.ascii.push_back(d);
        scan.hasDigits = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        scan.ascii.push_back('.');
        ++i;
        while (i < n && isDigit(text[i])) {
            const char d = char(text[i].unicode());
            if (scan.allZero) {
                if (d == '0')
                    ++digits.leadingFractionZeros;
                else
                    scan.allZero = false;
            }
            scan.ascii.push_back(d);
            scan.hasDigits = true;
            ++i;
        }
    }
    scan.end = i;
    return digits;
}

// Scans an exponent at scan.end and returns it; 0, and nothing scanned, unless digits follow the
// "e" (and its sign), so that "5e" and "5e+" end before the "e".
long long scanExponent(QStringView text, Scan &scan)
{
    const qsizetype n = text.size();
    qsizetype j = scan.end;
    if (j >= n || (text[j] != u'e' && text[j] != u'E'))
        return 0;
    ++j;
    bool negative = false;
    if (j < n && (text[j] == u'+' || text[j] == u'-')) {
        negative = text[j] == u'-';
        ++j;
    }
    if (j >= n || !isDigit(text[j]))
        return 0;
    long long exponent = 0;
    // Far beyond any double; saturating keeps a 10,000-digit exponent cheap and defined.
    constexpr long long kExponentCeiling = 100000;
    while (j < n && isDigit(text[j])) {
        exponent = std::min(kExponentCeiling, exponent * 10 + (text[j].unicode() - '0'));
        ++j;
    }
    if (negative)
        exponent = -exponent;
    scan.ascii += 'e' + std::to_string(exponent);
    scan.end = j;
    return exponent;
}

Scan scanNumber(QStringView text)
{
    Scan scan;
    const Digits digits = scanMantissa(text, scan);
    if (!scan.hasDigits)
        return scan;
    const long long exponent = scanExponent(text, scan);
    scan.magnitude = (digits.integer > 0 ? digits.integer : -digits.leadingFractionZeros) + exponent;
    return scan;
}

std::optional<double> convert(const Scan &scan)
{
    if (scan.allZero)
        return scan.ascii.starts_with('-') ? -0.0 : 0.0;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(scan.ascii.data(), scan.ascii.data() + scan.ascii.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (scan.magnitude <= 0)
            return scan.ascii.starts_with('-') ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parse(QStringView text)
{
    const Scan scan = scanNumber(text);
    if (!scan.hasDigits)
        return std::nullopt;
    qsizetype i = scan.end;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i != text.size())
        return std::nullopt;
    return convert(scan);
}

std::optional<std::int16_t> toInt16(QStringView text)
{
    const auto value = parse(text);
    if (!value)
        return std::nullopt;
    const double rounded = Rounding::halfEven(*value, 0);
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

double leadingNumber(QStringView text)
{
    const Scan scan = scanNumber(text);
    if (!scan.hasDigits)
        return 0.0;
    return convert(scan).value_or(0.0);
}

QString shortest(double value)
{
    constexpr int kSignificantDigits = 15;
    return QString::number(value, 'g', kSignificantDigits);
}

} // namespace NumericText

} // namespace Brolant
