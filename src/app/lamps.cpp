// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lamps.h"

#include "app/mainwindowview.h"

#include <chrono>

namespace Brolant {

namespace {
constexpr std::chrono::milliseconds kLampFlash{250};
}

Lamps::Lamps(IndicatorLamps &view, QObject *parent) : QObject(parent), m_view(view)
{
    m_timer.setObjectName(QStringLiteral("Timer2"));
    m_timer.setInterval(kLampFlash);
    connect(&m_timer, &QTimer::timeout, this, &Lamps::reset);
}

void Lamps::flashData()
{
    armTimer();
    m_view.flashDataLamp();
}

void Lamps::flashLog()
{
    armTimer();
    m_view.flashLogLamp();
}

void Lamps::armTimer()
{
    // A running timer is left alone: one tick ends the flashes of both lamps.
    if (!m_timer.isActive())
        m_timer.start();
}

void Lamps::reset()
{
    m_view.resetLamps();
    m_timer.stop();
}

} // namespace Brolant
