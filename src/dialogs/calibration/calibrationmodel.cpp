// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/calibration/calibrationmodel.h"

#include "config/calibrationsettings.h"
#include "config/programconfig.h"
#include "dialogs/calibration/calibrationview.h"
#include "platform/programpaths.h"
#include "platform/seriallink.h"
#include "settings/settingsstore.h"
#include "text/failure.h"
#include "text/numerictext.h"
#include "text/rounding.h"

namespace Brolant {

namespace {
constexpr double kSecondsPerMinute = 60.0;

using NumericText::shortest;

QString rounded(double value, int decimals)
{
    return shortest(Rounding::halfEven(value, decimals));
}

std::optional<double> positive(const QString &text)
{
    const auto value = NumericText::parse(text);
    return value && *value > 0 ? value : std::nullopt;
}
} // namespace

CalibrationModel::CalibrationModel(SettingsStore &store, SerialLink &link, CalibrationSession &session,
                                   CalibrationView &view, QObject *parent)
    : QObject(parent), m_store(store), m_link(link), m_session(session), m_view(view)
{
    connect(&m_link, &SerialLink::dataArrived, this, &CalibrationModel::receive);
}

Result<> CalibrationModel::open()
{
    using Need = FieldStep::Need;
    const ProgramFiles files = m_store.programFiles();
    ProgramConfig program;
    if (const Result<void> read = ProgramConfig::layout().readInOrder(
            files.program, program,
            {{ProgramTag::kPort, Need::Int16}, {ProgramTag::kBaudRate, Need::Number}, {ProgramTag::kWsUnits}});
        !read)
        return read;
    m_wsUnits = program.wsUnits.text();

    const ConfigFile &calibration = files.calibration;
    CalibrationSettings settings;
    if (const Result<void> read = settings.readFrom(calibration); !read)
        return read;
    // The box shows the current divisor in its shortest form, so it must be a number.
    if (const Result<void> read = CalibrationSettings::layout().readInOrder(
            calibration, settings, {{CalibrationTag::kAmpDivider, Need::Number}});
        !read)
        return read;
    m_workingOffset = settings.voltOffset.text();

    m_view.setText(CalibrationView::WindQuestion, tr("How many pulses per %1?").arg(m_wsUnits));
    const double baud = *program.br.number();
    if (baud < 1 || baud > INT32_MAX)
        return Failure{QStringLiteral("BR is not a baud rate")};
    if (const Result<> opened = m_link.open(*program.port.int16(), int(baud)); !opened)
        return opened;

    m_view.setDivisor(CalibrationView::VoltDivisor, settings.voltDivider.text());
    m_view.setDivisor(CalibrationView::AmpDivisor, shortest(*settings.ampDivider.number()));
    m_view.setText(CalibrationView::Offset, m_workingOffset);
    m_view.setDivisor(CalibrationView::RpmDivisor, settings.rpmDivider.text());
    m_view.setDivisor(CalibrationView::WindDivisor, settings.wsDivider.text());
    return {};
}

void CalibrationModel::receive()
{
    if (const auto frame = m_reader.append(QString::fromLatin1(m_link.readAll())))
        showFrame(*frame);
}

void CalibrationModel::showFrame(const QString &frame)
{
    const CalibrationReader::Fields raw = CalibrationReader::fields(frame);
    double rpm = 1.0;
    if (const auto divisor = positive(m_divisors[CalibrationView::RpmDivisor]))
        rpm = raw.r.value_or(0.0) / *divisor * kSecondsPerMinute;
    if (const auto divisor = positive(m_divisors[CalibrationView::WindDivisor]))
        m_session.windSpeed = raw.s.value_or(0.0) / *divisor;

    m_view.setText(CalibrationView::RawVolts, rounded(raw.v, 2));
    m_rawCurrentShown = rounded(raw.i, 2);
    m_view.setText(CalibrationView::RawCurrent, m_rawCurrentShown);
    m_view.setText(CalibrationView::RawPulses, raw.r ? shortest(*raw.r) : QString());
    m_view.setText(CalibrationView::Rpm, tr("%1 RPM").arg(rounded(rpm, 1)));
    m_view.setText(CalibrationView::RawWindPulses, raw.s ? shortest(*raw.s) : QString());
    m_view.setText(CalibrationView::WindSpeed, rounded(m_session.windSpeed, 1) + u' ' + m_wsUnits);

    // An unusable divisor leaves the result as it was, so the user sees the last good value.
    if (const auto divisor = positive(m_divisors[CalibrationView::VoltDivisor]))
        m_view.setText(CalibrationView::Volts, tr("%1 Volts").arg(rounded(raw.v / *divisor, 2)));
    const auto ampDivisor = NumericText::parse(m_divisors[CalibrationView::AmpDivisor]);
    const auto offset = NumericText::parse(m_workingOffset);
    if (ampDivisor && *ampDivisor != 0 && offset)
        m_view.setText(CalibrationView::Amps, tr("%1 Amps").arg(rounded((raw.i - *offset) / *ampDivisor, 2)));
}

void CalibrationModel::zeroClicked()
{
    m_workingOffset = m_rawCurrentShown;
    m_view.setText(CalibrationView::Offset, m_workingOffset);
}

void CalibrationModel::saveClicked()
{
    const CalibrationSettings settings{
        ConfigField(m_divisors[CalibrationView::VoltDivisor]), ConfigField(m_workingOffset),
        ConfigField(m_divisors[CalibrationView::AmpDivisor]), ConfigField(m_divisors[CalibrationView::RpmDivisor]),
        ConfigField(m_divisors[CalibrationView::WindDivisor])};
    if (const Result<> saved = m_store.saveCalibration(settings); !saved) {
        m_view.message(tr("The calibration could not be saved, and %1 is unchanged.\n\n%2")
                           .arg(FileName::kCalibration, saved.failure().forUser()));
        return;
    }
    m_link.close();
    m_view.closeSaved();
}

void CalibrationModel::closed()
{
    // However the dialog closes, the port is free again for the main window.
    m_link.close();
}

} // namespace Brolant
