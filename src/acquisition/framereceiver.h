// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acquisition/frameassembler.h"
#include "acquisition/framehealth.h"
#include "acquisition/reading.h"
#include "config/calibrationsettings.h"
#include "problems/problem.h"

#include <QObject>

namespace Brolant {

class ProblemLog;
class SerialLink;

// The receive path: reads the port, cuts and checks frames, scales them into the reading with the
// calibration, and counts how the frames arrive. It owns all of that and reports what happened
// through its signals and the problem log; it shows nothing and writes nothing itself.
class FrameReceiver : public QObject
{
    Q_OBJECT

public:
    FrameReceiver(SerialLink &link, ProblemLog &problems, QObject *parent = nullptr);

    void setCalibration(const CalibrationSettings &calibration) { m_calibration = calibration; }
    const CalibrationSettings &calibration() const { return m_calibration; }
    const Reading &reading() const { return m_reading; }
    // Start-up: volts, amps, watts and rpm back to 0 (wind speed keeps its last value).
    void resetReading();
    const FrameHealth &health() const { return m_health; }
    // The characters waiting for the rest of their frame; never more than FrameAssembler::kCapacity.
    qsizetype bufferedCharacters() const { return m_assembler.buffer().size(); }

    // A logging interval began: this interval's counts start again.
    void startInterval();
    void receive();

signals:
    // What the read left waiting, shown as it grows.
    void textReceived(const QString &buffered);
    // A whole frame was cut out, before it is checked.
    void frameArrived();
    // Text given up; empty for a frame trapped after its text was shown.
    void frameRejected(const QString &text);
    // A frame passed the checks and is about to be scaled: the interval counts it.
    void frameCounted();
    void frameAccepted(const Reading &reading);
    void healthChanged(const FrameHealth &health);

private:
    void reject(Problem problem, const QString &text);
    void handleFrame(const QString &frame);

    SerialLink &m_link;
    ProblemLog &m_problems;
    FrameAssembler m_assembler;
    FrameHealth m_health;
    Reading m_reading;
    CalibrationSettings m_calibration;
};

} // namespace Brolant
