#pragma once

#include "acquisition/frameassembler.h"

#include <QObject>

class Clock;
class ErrorReporter;
class Lamps;
class MainWindowView;
class QTimer;
class SerialLink;
struct MainWindowState;

// The main window's receive handler: reads the port, cuts and checks frames, scales them into the
// reading, adds them to the interval's sums while logging, and shows them.
class FrameReceiver : public QObject
{
    Q_OBJECT

public:
    FrameReceiver(SerialLink &link, MainWindowState &state, MainWindowView &view,
                  ErrorReporter &errors, Lamps &lamps, const QTimer &loggingTimer,
                  const Clock &clock, QObject *parent = nullptr);

    void receive();
    // The characters waiting for the rest of their frame; never more than FrameAssembler::kCapacity.
    qsizetype bufferedCharacters() const { return m_assembler.buffer().size(); }

private:
    void reject(const QString &context, const QString &text);
    void handleFrame(const QString &frame);
    void endTrappedFrame();

    SerialLink &m_link;
    MainWindowState &m_state;
    MainWindowView &m_view;
    ErrorReporter &m_errors;
    Lamps &m_lamps;
    const QTimer &m_loggingTimer;
    const Clock &m_clock;
    FrameAssembler m_assembler;
};
