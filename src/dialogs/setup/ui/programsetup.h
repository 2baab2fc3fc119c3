// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/setup/programsetupmodel.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;

namespace Brolant {

// The "Brolant Setup" dialog: edits prog.cfg. Saves on "Save Setings", saves with port 0 on
// "Abort", and closes without writing when closed by its frame.
class ProgramSetup final : public QDialog
{
    Q_OBJECT

public:
    // The dialog's result after "Abort", beside Accepted (saved) and Rejected (closed by its frame).
    static constexpr int Aborted = QDialog::Accepted + 1;

    ProgramSetup(SettingsStore &store, Messages &messages, QWidget *parent = nullptr);

    // The settings as chosen on the form now, saved or not.
    ProgramConfig chosen() const { return form().toConfig(); }

signals:
    void publishingRequested();
    void webRequested();
    void alarmsRequested();

private:
    void showForm(const SetupForm &form);
    SetupForm form() const;
    void saveClicked();
    void abortClicked();
    void describePort();

    // The form's rows, top to bottom; `row` is the grid row each starts on, and is left after it.
    void addRow(QGridLayout *grid, int &row, const QString &question, QWidget *control, const QString &remark = {});
    void addPortRows(QGridLayout *grid, int &row);
    void addSettingRows(QGridLayout *grid, int &row);
    // "Abort" and "Save Setings".
    QLayout *buildButtonRow();
    // The buttons that open the other settings dialogs.
    QLayout *buildMoreRow();
    QCheckBox *checkBox(const char *name, const QString &question);
    QButtonGroup *optionGroup(const char *frameName, const QString &caption, int firstOption, const int *values,
                              int count, int row);

    QString m_programFolder;
    Messages &m_messages;
    ProgramSetupModel m_model;
    QLabel *m_problem = nullptr;
    QLineEdit *m_port = nullptr;
    QLabel *m_portDevice = nullptr;
    QCheckBox *m_savehtml = nullptr;
    QCheckBox *m_saveExcel = nullptr;
    QLineEdit *m_logDelay = nullptr;
    QCheckBox *m_logOn = nullptr;
    QCheckBox *m_displayRpm = nullptr;
    QCheckBox *m_displayMessages = nullptr;
    QCheckBox *m_displayWs = nullptr;
    QLineEdit *m_wsUnits = nullptr;
    QButtonGroup *m_systemVolts = nullptr;
    QButtonGroup *m_maxAmps = nullptr;
    QButtonGroup *m_baudRate = nullptr;
};

} // namespace Brolant
