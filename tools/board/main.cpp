// SPDX-License-Identifier: GPL-3.0-or-later
// brolant-board: a simulated sensor board on a pseudo-terminal, for the demo and the tests.

#include "framesource.h"
#include "platform/commandline.h"
#include "platform/translation.h"
#include "pseudoterminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

#include <chrono>
#include <cmath>
#include <csignal>
#include <optional>
#include <thread>
#include <type_traits>

namespace {
volatile std::sig_atomic_t g_stop = 0;
void requestStop(int)
{
    g_stop = 1;
}

constexpr std::chrono::milliseconds kSleepSlice{20};
constexpr double kBitsPerCharacter = 10.0; // start bit, 8 data bits, stop bit

// Sleeps until `deadlineMs` on `clock`, waking early when asked to stop.
void sleepUntil(const QElapsedTimer &clock, double deadlineMs)
{
    while (!g_stop && clock.elapsed() < deadlineMs) {
        const auto left = std::chrono::milliseconds(qint64(deadlineMs) - clock.elapsed());
        std::this_thread::sleep_for(std::min(left, kSleepSlice));
    }
}

// "\r", "\n", "\t", "\\" and "\xHH" in script chunks, so tests can send exact bytes.
QByteArray unescape(const QByteArray &text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'r')
            bytes += '\r';
        else if (c == 'n')
            bytes += '\n';
        else if (c == 't')
            bytes += '\t';
        else if (c == 'x' && i + 2 < text.size()) {
            bytes += char(text.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else
            bytes += c;
    }
    return bytes;
}

struct Options
{
    double framesPerSecond = 1.0;
    long count = 0; // 0: endless
    int baud = 0;   // 0: no pacing
    QByteArray fixedFrame;
    QString script;
    double badChecksums = 0.0;
    double noise = 0.0;
    double splits = 0.0;
    double pairs = 0.0;
    double missingFields = 0.0;
    bool exitWhenDone = false;
    int startDelayMs = 0;
};

class Board
{
public:
    Board(PseudoTerminal &line, const Options &options, quint32 seed)
        : m_line(line), m_options(options), m_source(seed), m_random(seed ^ 0x5eed)
    {
        m_clock.start();
        m_next = options.startDelayMs;
        sleepUntil(m_clock, m_next);
    }

    void runFrames()
    {
        const double period = m_options.framesPerSecond > 0 ? 1000.0 / m_options.framesPerSecond : 0.0;
        for (long n = 0; !g_stop && (m_options.count == 0 || n < m_options.count); ++n) {
            Chunk chunk = nextFrame();
            if (chance(m_options.pairs) && (m_options.count == 0 || n + 1 < m_options.count)) {
                const Chunk second = nextFrame();
                chunk.bytes += second.bytes;
                chunk.frames += second.frames;
                chunk.badChecksums += second.badChecksums;
                ++n;
            }
            if (chance(m_options.noise))
                chunk.bytes.prepend(noiseBytes());
            bool sent = true;
            if (chance(m_options.splits) && chunk.bytes.size() > 1) {
                const qsizetype cut = 1 + m_random.bounded(int(chunk.bytes.size() - 1));
                sent = send(chunk.bytes.left(cut), period / 2);
                sent = send(chunk.bytes.mid(cut), period / 2) && sent;
            } else {
                sent = send(chunk.bytes, period);
            }
            // Only frames that went out whole count as sent.
            if (sent) {
                m_frames += chunk.frames;
                m_badChecksums += chunk.badChecksums;
            }
        }
    }

    void runScript(QFile &script)
    {
        // Each line: a delay in milliseconds, one blank, then the chunk to send.
        while (!g_stop && !script.atEnd()) {
            QByteArray line = script.readLine();
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            const qsizetype blank = line.indexOf(' ');
            const double delay = line.left(blank < 0 ? line.size() : blank).toDouble();
            sleepUntil(m_clock, m_next + delay);
            m_next = m_clock.elapsed();
            if (blank >= 0)
                send(unescape(line.mid(blank + 1)), 0);
        }
    }

    void report() const
    {
        QTextStream(stdout) << "brolant-board: "
                            << QCoreApplication::translate(
                                   "Brolant::Board",
                                   "sent %1 frames (%2 with a bad checksum, %3 bytes), dropped %4 writes")
                                   .arg(m_frames)
                                   .arg(m_badChecksums)
                                   .arg(m_bytes)
                                   .arg(m_dropped)
                            << Qt::endl;
    }

private:
    bool chance(double share) { return share > 0 && m_random.generateDouble() < share; }

    struct Chunk
    {
        QByteArray bytes;
        long frames = 1;
        long badChecksums = 0;
    };

    Chunk nextFrame()
    {
        if (!m_options.fixedFrame.isEmpty())
            return {m_options.fixedFrame};
        const FrameSource::Raw raw = m_source.next();
        const long checksumError = chance(m_options.badChecksums) ? 1 + m_random.bounded(50) : 0;
        static const char *const fields[] = {"V", "I", "R", "S", "M", "C"};
        const char *missing = chance(m_options.missingFields) ? fields[m_random.bounded(6)] : nullptr;
        // A missing C leaves nothing to check, so that frame's error does not count as one.
        const bool checked = checksumError != 0 && (missing == nullptr || qstrcmp(missing, "C") != 0);
        return {FrameSource::frame(raw, checksumError, missing), 1, checked ? 1 : 0};
    }

    QByteArray noiseBytes()
    {
        QByteArray noise;
        const int length = 1 + m_random.bounded(12);
        for (int i = 0; i < length; ++i) {
            char c = char(m_random.bounded(256));
            if (c == '[' || c == ']')
                c = '#'; // noise between frames, never a bracket that would frame it
            noise += c;
        }
        return noise;
    }

    // Sends a chunk, then waits for the period or for the serial line to carry it, whichever is
    // longer.
    bool send(const QByteArray &bytes, double periodMs)
    {
        const bool written = m_line.write(bytes);
        if (written)
            m_bytes += bytes.size();
        else
            ++m_dropped;
        const double lineTime = m_options.baud > 0 ? bytes.size() * kBitsPerCharacter * 1000.0 / m_options.baud : 0.0;
        m_next += std::max(periodMs, lineTime);
        sleepUntil(m_clock, m_next);
        return written;
    }

    PseudoTerminal &m_line;
    const Options &m_options;
    FrameSource m_source;
    QRandomGenerator m_random;
    QElapsedTimer m_clock;
    double m_next = 0.0;
    long m_frames = 0;
    long m_badChecksums = 0;
    qint64 m_bytes = 0;
    long m_dropped = 0;
};

// Reads the number option `name` into `into`; false when its value is no number.
template <typename Number>
bool readNumber(const QCommandLineParser &parser, const char *name, Number &into)
{
    const QString text = parser.value(QLatin1String(name));
    bool ok = false;
    if constexpr (std::is_same_v<Number, double>) {
        into = text.toDouble(&ok);
        ok = ok && std::isfinite(into);
    } else if constexpr (std::is_same_v<Number, long>) {
        into = text.toLong(&ok);
    } else if constexpr (std::is_same_v<Number, int>) {
        into = text.toInt(&ok);
    } else {
        into = text.toUInt(&ok);
    }
    return ok;
}

// What the command line asks of the board, or the exit code to end with at once (--help, --version
// or a wrong command line, already reported).
struct BoardStart
{
    QString link{};
    Options options{};
    quint32 seed = 0;
    std::optional<QString> language{};
    std::optional<int> exitCode{};
};

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Simulated Brolant sensor board: sends frames on a pseudo-terminal reached through LINK."));
    parser.addPositionalArgument(QStringLiteral("LINK"),
                                 QStringLiteral("path of the link to create, for example demo/COM1"));
    parser.addOptions({
        {QStringLiteral("rate"), QStringLiteral("frames per second (0: as fast as the baud rate allows)"),
         QStringLiteral("fps"), QStringLiteral("1")},
        {QStringLiteral("count"), QStringLiteral("frames to send (0: endless)"), QStringLiteral("n"),
         QStringLiteral("0")},
        {QStringLiteral("baud"), QStringLiteral("pace the bytes as a serial line at this baud rate"),
         QStringLiteral("baud"), QStringLiteral("0")},
        {QStringLiteral("frame"), QStringLiteral("send this fixed frame text"), QStringLiteral("text")},
        {QStringLiteral("script"),
         QStringLiteral("send the chunks of FILE: lines of 'delay-ms chunk' (\\r \\n \\t \\xHH escapes)"),
         QStringLiteral("file")},
        {QStringLiteral("bad-checksums"), QStringLiteral("share of frames with a wrong checksum"),
         QStringLiteral("share"), QStringLiteral("0")},
        {QStringLiteral("noise"), QStringLiteral("share of frames with noise before them"), QStringLiteral("share"),
         QStringLiteral("0")},
        {QStringLiteral("splits"), QStringLiteral("share of frames split across two writes"), QStringLiteral("share"),
         QStringLiteral("0")},
        {QStringLiteral("pairs"), QStringLiteral("share of writes carrying two frames"), QStringLiteral("share"),
         QStringLiteral("0")},
        {QStringLiteral("missing"), QStringLiteral("share of frames with one field left out"), QStringLiteral("share"),
         QStringLiteral("0")},
        {QStringLiteral("seed"), QStringLiteral("random seed"), QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("delay"), QStringLiteral("wait this long before sending, so a reader can open the port"),
         QStringLiteral("ms"), QStringLiteral("0")},
        {QStringLiteral("exit"),
         QStringLiteral("exit when the frames or the script are done (else wait for a signal)")},
    });
}

BoardStart readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (const auto exitCode = Brolant::CommandLine::parse(parser, arguments, 1))
        return {.exitCode = exitCode};
    if (parser.positionalArguments().size() != 1) {
        QTextStream(stderr) << "brolant-board: the LINK to make is missing\nTry 'brolant-board --help'.\n";
        return {.exitCode = Brolant::CommandLine::kUsageError};
    }

    BoardStart start{.link = parser.positionalArguments().constFirst(),
                     .language = Brolant::CommandLine::language(parser)};
    Options &options = start.options;
    // A value that is no number would quietly become 0: --rate abc, frames as fast as they go.
    const auto number = [&](const char *name, auto &into) {
        if (readNumber(parser, name, into))
            return true;
        Brolant::CommandLine::refuse(arguments, QStringLiteral("--%1 needs a number, not '%2'")
                                                    .arg(QLatin1String(name), parser.value(QLatin1String(name))));
        return false;
    };
    if (!(number("rate", options.framesPerSecond) && number("count", options.count) && number("baud", options.baud)
          && number("bad-checksums", options.badChecksums) && number("noise", options.noise)
          && number("splits", options.splits) && number("pairs", options.pairs)
          && number("missing", options.missingFields) && number("delay", options.startDelayMs)
          && number("seed", start.seed)))
        return {.exitCode = Brolant::CommandLine::kUsageError};
    options.fixedFrame = parser.value(QStringLiteral("frame")).toLatin1();
    options.script = parser.value(QStringLiteral("script"));
    options.exitWhenDone = parser.isSet(QStringLiteral("exit"));
    return start;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brolant-board"));
    const BoardStart start = readCommandLine(application.arguments());
    if (start.exitCode)
        return *start.exitCode;
    const Brolant::Translation translation(start.language);

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::signal(SIGPIPE, SIG_IGN);

    PseudoTerminal line;
    QString error;
    if (!line.open(start.link, &error)) {
        QTextStream(stderr) << "brolant-board: " << error << '\n';
        return 1;
    }
    QTextStream(stdout)
        << "brolant-board: "
        << QCoreApplication::translate("Brolant::Board", "%1 linked at %2").arg(line.slavePath(), start.link)
        << Qt::endl;

    Board board(line, start.options, start.seed);
    if (!start.options.script.isEmpty()) {
        QFile script(start.options.script);
        if (!script.open(QIODevice::ReadOnly)) {
            QTextStream(stderr)
                << "brolant-board: "
                << QCoreApplication::translate("Brolant::Board", "cannot read %1").arg(start.options.script) << '\n';
            return 1;
        }
        board.runScript(script);
    } else {
        board.runFrames();
    }
    board.report();
    while (!start.options.exitWhenDone && !g_stop)
        std::this_thread::sleep_for(kSleepSlice);
    return 0;
}
