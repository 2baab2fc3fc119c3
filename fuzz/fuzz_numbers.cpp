// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts and masks: random texts parsed, random values formatted with random masks.

#include "text/numbermask.h"
#include "text/numerictext.h"
#include "text/rounding.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace Brolant;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const double value = input.ConsumeFloatingPoint<double>();
    const std::string mask = input.ConsumeRandomLengthString(64);
    const std::string text = input.ConsumeRemainingBytesAsString();
    const QString shown = NumberMask::format(value, QString::fromLatin1(mask.data(), qsizetype(mask.size())));
    // A mask never prints anything but a sign, digits and a point.
    for (const QChar c : shown) {
        if (!(c.isDigit() || c == u'-' || c == u'.'))
            __builtin_trap();
    }
    const QString number = QString::fromLatin1(text.data(), qsizetype(text.size()));
    NumericText::parse(number);
    NumericText::toInt16(number);
    NumericText::leadingNumber(number);
    Rounding::halfEven(value, int(size % 30));
    return 0;
}
