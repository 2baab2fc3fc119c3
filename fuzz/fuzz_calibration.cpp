// SPDX-License-Identifier: GPL-3.0-or-later
// The calibration dialog's forgiving reader fed random bytes in random chunks.

#include "dialogs/calibration/calibrationreader.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace Brolant;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    CalibrationReader reader;
    while (input.remaining_bytes() > 0) {
        const std::string bytes = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(1, 300));
        if (const auto frame = reader.append(QString::fromLatin1(bytes.data(), qsizetype(bytes.size()))))
            CalibrationReader::fields(*frame);
        if (reader.buffered() > CalibrationReader::kCapacity)
            __builtin_trap();
    }
    return 0;
}
