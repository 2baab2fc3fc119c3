// The main window's frame path fed random bytes in random chunks: cut, check, scale.

#include "acquisition/frameassembler.h"
#include "acquisition/frameparser.h"
#include "acquisition/reading.h"
#include "acquisition/scaling.h"
#include "config/calibrationsettings.h"
#include "text/failure.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const CalibrationSettings settings{QStringLiteral("50"), QStringLiteral("512"),
                                       QStringLiteral("20"), QStringLiteral("4"), QStringLiteral("2")};
    FrameAssembler assembler;
    Reading reading;
    IntervalSums sums;
    while (input.remaining_bytes() > 0) {
        const size_t chunk = input.ConsumeIntegralInRange<size_t>(1, 200);
        const std::string bytes = input.ConsumeBytesAsString(chunk);
        assembler.append(QString::fromLatin1(bytes.data(), qsizetype(bytes.size())));
        for (;;) {
            const FrameAssembler::Piece piece = assembler.next();
            if (piece.kind == FrameAssembler::Piece::Incomplete)
                break;
            if (piece.kind != FrameAssembler::Piece::Frame)
                continue;
            const ParsedFrame parsed = FrameParser::parse(piece.text);
            if (!parsed.usable())
                continue;
            try {
                Scaling::apply(parsed.values, settings, reading);
                sums.add(reading);
            } catch (const Failure &) {
            }
        }
        // The buffer never holds more than its capacity and one chunk.
        if (assembler.buffer().size() > FrameAssembler::kCapacity + 200)
            std::abort();
    }
    return 0;
}
