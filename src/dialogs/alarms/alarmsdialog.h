// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmsettings.h"

#include <QDialog>

#include <array>

class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;

namespace Brolant {

class Messages;
class SettingsStore;

// The "Alarms" dialog: every threshold, the delay and the command of alarms.cfg, checked by the
// file's own rules, saved atomically or left as they were. Where the file has no value it shows
// `defaults`: those the logger uses.
class AlarmsDialog final : public QDialog
{
    Q_OBJECT

public:
    AlarmsDialog(SettingsStore &store, const AlarmSettings &defaults, Messages &messages, QWidget *parent = nullptr);

    void saveClicked();

private:
    // The thresholds of each alarm, then the no-data time, the delay and the command.
    QLayout *buildThresholdGrid();
    QLineEdit *addSingleRow(QGridLayout *grid, int row, const QString &question, const char *name, const QString &unit,
                            int chars);
    // Shows alarms.cfg as saved, or the defaults and why the file could not be used.
    void showSavedSettings();
    // The values as typed; the failure names the first that cannot be used.
    Result<AlarmSettings> typed() const;

    SettingsStore &m_store;
    Messages &m_messages;
    AlarmSettings m_defaults;
    QLabel *m_problem = nullptr;
    std::array<QLineEdit *, kLevelAlarms> m_raise{};
    std::array<QLineEdit *, kLevelAlarms> m_clear{};
    QLineEdit *m_noData = nullptr;
    QLineEdit *m_delay = nullptr;
    QLineEdit *m_command = nullptr;
};

} // namespace Brolant
