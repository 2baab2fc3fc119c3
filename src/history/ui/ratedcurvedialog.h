// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/turbinesettings.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace Brolant {

// "Rated curve": the manufacturer's power curve typed, pasted or imported from a CSV of two
// columns (m/s and W), and the rated power; Save keeps them in turbine.cfg.
class RatedCurveDialog final : public QDialog
{
    Q_OBJECT

public:
    RatedCurveDialog(const QString &programFolder, const TurbineSettings &settings, QWidget *parent = nullptr);

    // Puts the pairs of the CSV at `path` into the box; false, with the reason on the dialog's
    // problem line, when it cannot be read.
    bool importFile(const QString &path);
    // Saves what the boxes hold; false, with the reason on the problem line, when it cannot be
    // used or written. An empty box saves no rated curve.
    bool save();
    const TurbineSettings &settings() const { return m_settings; }

private:
    void importClicked();

    QString m_programFolder;
    TurbineSettings m_settings;
    QPlainTextEdit *m_pairs = nullptr;
    QLineEdit *m_ratedPower = nullptr;
    QLabel *m_problem = nullptr;
};

} // namespace Brolant
