#include "app/framereceiver.h"

#include "acquisition/frameparser.h"
#include "acquisition/livelist.h"
#include "acquisition/scaling.h"
#include "app/errorreporter.h"
#include "app/lamps.h"
#include "app/mainwindowstate.h"
#include "app/mainwindowview.h"
#include "platform/clock.h"
#include "platform/seriallink.h"
#include "text/failure.h"

#include <QTimer>

namespace {
const QString kCorruptData = QStringLiteral("possible corrupt COMMS data\r\n");
}

FrameReceiver::FrameReceiver(SerialLink &link, MainWindowState &state, MainWindowView &view,
                             ErrorReporter &errors, Lamps &lamps, const QTimer &loggingTimer,
                             const Clock &clock, QObject *parent)
    : QObject(parent),
      m_link(link),
      m_state(state),
      m_view(view),
      m_errors(errors),
      m_lamps(lamps),
      m_loggingTimer(loggingTimer),
      m_clock(clock)
{
    connect(&m_link, &SerialLink::dataArrived, this, &FrameReceiver::receive);
}

void FrameReceiver::receive()
{
    // Whatever arrives after this read stays in the port for the next one: discarding "the
    // rest" here would throw away the start of the next frame on a busy line.
    m_assembler.append(QString::fromLatin1(m_link.readAll()));
    m_view.showStatus(m_assembler.buffer());
    m_errors.receivedText = m_assembler.buffer();
    if (m_assembler.lacksOpening()) {
        reject(QStringLiteral(" [ missing "), m_assembler.buffer());
        m_assembler.clear();
        m_view.showFrameHealth(m_state.health.summary());
        return;
    }
    // Every complete frame of this read is handled, in order: nothing that arrived is lost.
    for (;;) {
        const FrameAssembler::Piece piece = m_assembler.next();
        switch (piece.kind) {
        case FrameAssembler::Piece::Incomplete:
            m_state.health.dropped(m_assembler.takeDroppedCharacters());
            m_view.showFrameHealth(m_state.health.summary());
            return;
        case FrameAssembler::Piece::ClosingFirst:
            reject(QStringLiteral(" braces in wrong positions  corrupt COMMS"), piece.text);
            break;
        case FrameAssembler::Piece::Overflow:
            reject(QStringLiteral(" receive buffer overflow, no ] within %1 characters")
                       .arg(FrameAssembler::kCapacity),
                   piece.text);
            break;
        case FrameAssembler::Piece::Frame:
            handleFrame(piece.text);
            break;
        }
    }
}

void FrameReceiver::reject(const QString &context, const QString &text)
{
    m_state.health.rejected();
    m_state.health.dropped(text.size());
    m_errors.log(context, QString());
    m_view.showStatus(kCorruptData + text);
}

void FrameReceiver::handleFrame(const QString &frame)
{
    m_lamps.flashData();
    m_state.loadFlag = 0;
    m_view.showStatus(m_errors.receivedText);

    const ParsedFrame parsed = FrameParser::parse(frame);
    for (const FrameFinding &finding : parsed.findings) {
        m_errors.log(finding.context, finding.description);
        if (finding.context == FrameParser::kChecksumContext && !finding.trapped)
            m_state.health.checksumError();
    }
    if (!parsed.usable()) {
        m_state.health.rejected();
        endTrappedFrame();
        return;
    }
    try {
        m_errors.context = QStringLiteral("calculations error");
        ++m_state.sums.count;
        m_state.health.accepted();
        Scaling::apply(parsed.values, m_state.calibration, m_state.reading);
        m_state.lastReadingTime = m_clock.now();
        if (m_loggingTimer.isActive())
            m_state.sums.add(m_state.reading);

        m_errors.context = QStringLiteral("display list error");
        const ProgramConfig &config = m_state.config;
        const LiveListLayout layout =
            LiveListLayout::forSettings(config.displayRpm, config.displayWs, config.wsUnits);
        m_view.showLiveRows(layout.values(m_state.reading, m_state.energy.total()), layout.labels);
        m_errors.context.clear();
        m_view.showCaption(liveCaption(m_state.reading));
        m_view.showMode(QString());
    } catch (const Failure &failure) {
        m_errors.log(failure.description);
        endTrappedFrame();
    }
}

void FrameReceiver::endTrappedFrame()
{
    // What this frame had done stays done; the frames behind it are still handled.
    m_view.showStatus(kCorruptData);
}
