// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/calibration/calibrationmodel.h"
#include "dialogs/calibration/calibrationview.h"

#include <QDialog>

#include <array>

class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;

namespace Brolant {

class Messages;

// The "Calibration" dialog: four steps, each raw reading ÷ divisor = scaled value.
class Calibrate final : public QDialog, public CalibrationView
{
    Q_OBJECT

public:
    Calibrate(SettingsStore &store, SerialLink &link, CalibrationSession &session, Messages &messages,
              QWidget *parent = nullptr);

    // Takes the files and opens the port; the failure when that fails (the dialog is not shown).
    Result<> openPort() { return m_model.open(); }
    CalibrationModel &model() { return m_model; }

    void setText(Display display, const QString &text) override;
    void setDivisor(Divisor divisor, const QString &text) override;
    void message(const QString &text) override;
    void closeSaved() override { accept(); }

protected:
    void done(int result) override;

private:
    // The boxes of the readings and the divisors, with their starting texts.
    void buildReadings();
    // Step 2, with the Zero button and the offset under it.
    void addCurrentStep(QGridLayout *grid, int &row);
    // "Exit ( dont save )" and "Save Calibration".
    QLayout *buildButtonRow();
    void addStep(QGridLayout *grid, int &row, const char *heading, const QString &headingText,
                 const QList<QWidget *> &instructions, Display raw, Divisor divisor, const char *sign,
                 const char *equals, Display result);

    Messages &m_messages;
    CalibrationModel m_model;
    std::array<QLabel *, 10> m_displays{};
    std::array<QLineEdit *, 4> m_divisors{};
};

} // namespace Brolant
