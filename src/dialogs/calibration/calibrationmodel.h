// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/calibration/calibrationreader.h"
#include "text/failure.h"

#include <QObject>
#include <QString>

#include <array>

namespace Brolant {

class CalibrationView;
class SerialLink;
class SettingsStore;

// What the calibration dialog keeps for the whole run: the last wind speed it computed.
struct CalibrationSession
{
    double windSpeed = 0.0;
};

// The calibration dialog's logic: raw readings from its own port beside the values scaled by
// the divisors being typed, "Zero" for the current offset, and saving settings.cfg.
class CalibrationModel : public QObject
{
    Q_OBJECT

public:
    CalibrationModel(SettingsStore &store, SerialLink &link, CalibrationSession &session, CalibrationView &view,
                     QObject *parent = nullptr);

    // Takes both files from the store and opens the port; the failure when any of it fails (the
    // dialog is then not shown).
    Result<> open();
    void receive();
    // The user typed into a divisor box (or the model filled it).
    void divisorEdited(int divisor, const QString &text) { m_divisors[size_t(divisor)] = text; }
    void zeroClicked();
    void saveClicked();
    void closed();

private:
    void showFrame(const QString &frame);

    SettingsStore &m_store;
    SerialLink &m_link;
    CalibrationSession &m_session;
    CalibrationView &m_view;
    CalibrationReader m_reader;
    QString m_wsUnits;
    QString m_workingOffset;
    std::array<QString, 4> m_divisors;               // the texts of the divisor boxes: volts, amps, rpm, wind
    QString m_rawCurrentShown = QStringLiteral("0"); // what "Zero" takes as the offset
};

} // namespace Brolant
