// SPDX-License-Identifier: GPL-3.0-or-later
#include "framesource.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kVoltScale = 50.0;
constexpr double kAmpScale = 20.0;
constexpr double kAmpZero = 512.0;
constexpr double kPulsesPerRevolution = 4.0;
constexpr double kPulsesPerWindUnit = 2.0;
constexpr double kRestingVolts = 12.4;
} // namespace

FrameSource::FrameSource(quint32 seed) : m_random(seed) {}

FrameSource::Raw FrameSource::next()
{
    // The mean wind wanders slowly; gusts come and die away.
    m_wind = std::clamp(m_wind + (m_random.generateDouble() - 0.5) * 0.2, 2.0, 12.0);
    if (m_random.bounded(40) == 0)
        m_gust = m_random.generateDouble() * 6.0;
    m_gust *= 0.9;
    const double wind = m_wind + m_gust;
    const double rpm = std::min(480.0, wind * 40.0);
    const double amps = std::max(0.0, (rpm - 120.0) / 25.0);
    m_charge = m_charge * 0.98 + amps * 0.02;
    const double volts = std::min(14.5, kRestingVolts + amps * 0.1 + m_charge * 0.05);

    Raw raw;
    raw.v = std::lround(volts * kVoltScale);
    raw.i = std::lround(amps * kAmpScale + kAmpZero);
    raw.r = std::lround(rpm / 60.0 * kPulsesPerRevolution);
    raw.s = std::lround(wind * kPulsesPerWindUnit);
    return raw;
}

QByteArray FrameSource::frame(const Raw &raw, long checksumError, const char *missingField)
{
    QByteArray text("[");
    auto field = [&](const char *tag, long value) {
        if (missingField && qstrcmp(tag, missingField) == 0)
            return;
        text += '<' + QByteArray(tag) + '>' + QByteArray::number(qlonglong(value)) + "</" + QByteArray(tag) + '>';
    };
    field("V", raw.v);
    field("I", raw.i);
    field("R", raw.r);
    field("S", raw.s);
    field("M", raw.m);
    field("C", raw.v + raw.i + raw.r + raw.s + checksumError);
    return text + ']';
}
