// SPDX-License-Identifier: GPL-3.0-or-later
// The logger's receive path and energy tick fed random bytes in random chunks, checking
// after every chunk what must always hold: the reading and the energy finite, amps and energy
// never negative, the buffer within its cap, and no more frames counted than were fed.

#include "acquisition/frameassembler.h"
#include "app/consolestatus.h"
#include "app/errorreporter.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "invariant.h"
#include "problems/problemlog.h"
#include "session/loggersession.h"
#include "sessionprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace Brolant;

namespace {

// One session for the whole run, as in the program: what it holds carries from input to input.
struct Rig
{
    int argc = 1;
    char name[6] = "fuzz";
    char *argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    QTemporaryDir folder;
    QFile nowhere{QStringLiteral("/dev/null")};
    QTextStream out{&nowhere};
    ConsoleStatus status{out, out};
    FakeSerialLink link;
    FakeClock clock;
    ProblemLog problems{clock};
    std::unique_ptr<LoggerSession> session;
    std::unique_ptr<ErrorReporter> errors;
    long long openings = 0;
    long long closings = 0;
    long long reads = 0;
    long long characters = 0;
    long long inputs = 0;

    Rig()
    {
        nowhere.open(QIODevice::WriteOnly);
        writeFile("prog.cfg", "<Port>1</Port><Savehtml>0</Savehtml><SaveExcel>0</SaveExcel>"
                              "<LogDelay>60</LogDelay><LogOn>1</LogOn><DisplayRPM>1</DisplayRPM>"
                              "<DisplayWS>1</DisplayWS><WSUnits>m/s</WSUnits><SV>12</SV><MA>20</MA>"
                              "<BR>4800</BR><dispMessages>1</dispMessages>");
        writeFile("settings.cfg", "<VoltDivider>50</VoltDivider><VoltOffset>512</VoltOffset>"
                                  "<AmpDivider>20</AmpDivider><RPMDivider>4</RPMDivider><WSDivider>2</WSDivider>");
        session = std::make_unique<LoggerSession>(
            folder.path(), link, clock, problems, [path = folder.path()] { return ProgramFiles::read(path); },
            Attendance::Unattended);
        errors = std::make_unique<ErrorReporter>(folder.path(), clock, problems, status);
        errors->listenTo(*session);
        session->startUp();
    }
    void writeFile(const char *name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(QLatin1String(name)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Rig rig;
    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0) {
        const size_t chunk = input.ConsumeIntegralInRange<size_t>(1, 200);
        const std::string bytes = input.ConsumeBytesAsString(chunk);
        const QByteArray read(bytes.data(), qsizetype(bytes.size()));
        rig.openings += read.count('[');
        rig.closings += read.count(']');
        rig.characters += read.size();
        ++rig.reads;
        rig.link.push(read);
        rig.clock.advance(5000);
        SessionProbe::core(*rig.session).energy.tick();

        const LoggerCore &core = SessionProbe::core(*rig.session);
        const Reading &r = core.receiver.reading();
        for (double value : {r.volts, r.amps, r.watts, r.rpm, r.windSpeed, r.modeVolts})
            check(std::isfinite(value), "a reading is finite");
        check(r.amps >= 0.0, "amps are never negative");
        check(std::isfinite(core.energy.total()) && core.energy.total() >= 0.0,
              "the energy is finite and never negative");
        check(core.receiver.bufferedCharacters() <= FrameAssembler::kCapacity, "the buffer stays within its cap");
        const FrameCounts &counts = core.receiver.health().sinceStart;
        check(counts.accepted <= rig.openings && counts.accepted <= rig.closings,
              "every accepted frame had its brackets");
        // A frame, good or trapped, takes a "]"; a read without "[" is one rejection; an overflow
        // gives up at least one "[" or a whole buffer.
        check(counts.accepted + counts.rejected
                  <= rig.closings + rig.reads + rig.openings + rig.characters / FrameAssembler::kCapacity,
              "frames are counted once");
    }
    // Every rejection is an error-log entry: keep the folder small over millions of inputs.
    if (++rig.inputs % 1000 == 0)
        QFile::remove(rig.folder.filePath(QStringLiteral("errorlog.txt")));
    return 0;
}
