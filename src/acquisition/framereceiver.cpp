// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/framereceiver.h"

#include "acquisition/frameparser.h"
#include "acquisition/scaling.h"
#include "platform/seriallink.h"
#include "problems/problemlog.h"
#include "text/failure.h"

namespace Brolant {

// The error log's stage for an overflow names the capacity.
static_assert(FrameAssembler::kCapacity == 4096);

FrameReceiver::FrameReceiver(SerialLink &link, ProblemLog &problems, QObject *parent)
    : QObject(parent), m_link(link), m_problems(problems)
{
    connect(&m_link, &SerialLink::dataArrived, this, &FrameReceiver::receive);
}

void FrameReceiver::resetReading()
{
    m_reading.watts = m_reading.rpm = m_reading.measuredRpm = m_reading.volts = m_reading.amps = 0.0;
}

void FrameReceiver::startInterval()
{
    m_health.thisInterval = FrameCounts();
    emit healthChanged(m_health);
}

void FrameReceiver::receive()
{
    // Whatever arrives after this read stays in the port for the next one: discarding "the
    // rest" here would throw away the start of the next frame on a busy line.
    m_assembler.append(QString::fromLatin1(m_link.readAll()));
    emit textReceived(m_assembler.buffer());
    if (m_assembler.lacksOpening()) {
        reject(Problem::OpeningMissing, m_assembler.buffer());
        m_assembler.clear();
        emit healthChanged(m_health);
        return;
    }
    // Every complete frame of this read is handled, in order: nothing that arrived is lost.
    for (;;) {
        const FrameAssembler::Piece piece = m_assembler.next();
        switch (piece.kind) {
        case FrameAssembler::Piece::Incomplete:
            m_health.dropped(m_assembler.consumeDroppedCharacters());
            emit healthChanged(m_health);
            return;
        case FrameAssembler::Piece::ClosingFirst:
            reject(Problem::ClosingFirst, piece.text);
            break;
        case FrameAssembler::Piece::Overflow:
            reject(Problem::BufferOverflow, piece.text);
            break;
        case FrameAssembler::Piece::Frame:
            handleFrame(piece.text);
            break;
        }
    }
}

void FrameReceiver::reject(Problem problem, const QString &text)
{
    m_health.rejected();
    m_health.dropped(text.size());
    m_problems.report(problem);
    emit frameRejected(text);
}

void FrameReceiver::handleFrame(const QString &frame)
{
    emit frameArrived();
    const ParsedFrame parsed = FrameParser::parse(frame);
    for (const FrameFinding &finding : parsed.findings) {
        m_problems.report(finding.problem, finding.description);
        if (finding.problem == Problem::ChecksumError && !finding.trapped)
            m_health.checksumError();
    }
    if (!parsed.usable()) {
        m_health.rejected();
        emit frameRejected(QString());
        return;
    }
    m_health.accepted();
    emit frameCounted();
    if (const Result<> scaled = Scaling::apply(parsed.values, m_calibration, m_reading); !scaled) {
        // What this frame had done stays done; the frames behind it are still handled.
        m_problems.report(Problem::CalculationsError, scaled.failure().description);
        emit frameRejected(QString());
        return;
    }
    emit frameAccepted(m_reading);
}

} // namespace Brolant
