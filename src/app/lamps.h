// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace Brolant {

class IndicatorLamps;

// The two indicator lamps: lit red by a frame or a log record, put back together a moment later.
class Lamps : public QObject
{
    Q_OBJECT

public:
    explicit Lamps(IndicatorLamps &view, QObject *parent = nullptr);

    void flashData();
    void flashLog();
    void stop() { m_timer.stop(); }

private:
    void armTimer();
    void reset();

    IndicatorLamps &m_view;
    QTimer m_timer; // Timer2
};

} // namespace Brolant
