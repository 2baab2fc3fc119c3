// SPDX-License-Identifier: GPL-3.0-or-later
#include "receivebench.h"

#include "acquisition/frameassembler.h"
#include "acquisition/frameparser.h"
#include "acquisition/reading.h"
#include "acquisition/scaling.h"
#include "app/errorreporter.h"
#include "app/mainwindowmodel.h"
#include "app/ui/mainwindow.h"
#include "benchmark.h"
#include "config/calibrationsettings.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "framesource.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "quietview.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"

#include <QList>

using namespace Brolant;

namespace {
constexpr long kFrames = 1 << 12;

QList<QByteArray> boardFrames()
{
    FrameSource board(3);
    QList<QByteArray> frames;
    for (long i = 0; i < kFrames; ++i)
        frames << FrameSource::frame(board.next());
    return frames;
}

void benchCore(const QList<QByteArray> &frames)
{
    const CalibrationSettings settings{QString("50"), QString("512"), QString("20"), QString("4"), QString("2")};
    FrameAssembler assembler;
    Reading reading;
    IntervalSums sums;
    QList<QString> texts;
    for (const QByteArray &frame : frames)
        texts << QString::fromLatin1(frame);
    const Timing ns = nanosecondsPerRound(1'000'000, [&](long i) {
        assembler.append(texts[i % kFrames]);
        for (auto piece = assembler.next(); piece.kind == FrameAssembler::Piece::Frame; piece = assembler.next()) {
            const ParsedFrame parsed = FrameParser::parse(piece.text);
            ++sums.count;
            (void)Scaling::apply(parsed.values, settings, reading);
            sums.add(reading);
        }
    });
    reportRate("core frame path", ns, "frames/s");
    report("core frame path per frame", ns, 1000.0, "us");
    // The same bytes only scanned for their brackets: a ratio to it holds where the machine's
    // speed of the moment does not.
    volatile qsizetype found = 0; // kept, so the scan is not optimised away
    const Timing scan = nanosecondsPerRound(1'000'000, [&](long i) {
        const QString &text = texts[i % kFrames];
        found = text.indexOf(u'[') + text.indexOf(u']');
    });
    report("core frame path to a plain bracket scan", ns.median / scan.median, "times");
}

template <typename View>
void benchModel(const QList<QByteArray> &frames, View &view, const char *name)
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "600", "1", "1");
    folder.writeCalibration();
    FakeSerialLink link;
    FakeClock clock;
    ScriptedPrompts prompts;
    ProblemLog problems(clock);
    LoggerSession session(folder.path(), link, clock, problems, folder.programFiles());
    ErrorReporter errors(folder.path(), clock, problems, view);
    errors.listenTo(session);
    MainWindowModel model(session, problems, view, prompts);
    model.startUp();
    const Timing ns = nanosecondsPerRound(100'000, [&](long i) { link.push(frames[i % kFrames]); });
    report(name, ns, 1000.0, "us/frame");
}
} // namespace

void benchReceivePath()
{
    const QList<QByteArray> frames = boardFrames();
    benchCore(frames);
    QuietView nullView;
    benchModel(frames, nullView, "receive path without widgets");
    MainWindow window;
    window.show();
    benchModel(frames, window, "receive path with widgets");
}
