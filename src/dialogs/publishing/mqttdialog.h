// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publishing/connectiontest.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;

namespace Brolant {

class Messages;
class SettingsStore;

// The "MQTT Publishing" dialog: edits mqtt.cfg, tries a connection with the values as typed, and
// saves them (atomically, readable by their owner only) or leaves the file as it was.
class MqttDialog final : public QDialog
{
    Q_OBJECT

public:
    MqttDialog(SettingsStore &store, Messages &messages, QWidget *parent = nullptr);

private:
    // The settings' boxes, and under them the Test button with what it found.
    QLayout *buildForm();
    QLayout *buildTestRow();
    // Shows mqtt.cfg as saved, or the starting values and why the file could not be used.
    void showSavedSettings();
    void showSettings(const MqttSettings &settings);
    // The values as typed; the failure names the first that cannot be used.
    Result<MqttSettings> typed() const;
    void testClicked();
    void saveClicked();

    SettingsStore &m_store;
    Messages &m_messages;
    ConnectionTest m_test;
    QLabel *m_problem = nullptr;
    QCheckBox *m_enabled = nullptr;
    QLineEdit *m_host = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QCheckBox *m_tls = nullptr;
    QLineEdit *m_caFile = nullptr;
    QLineEdit *m_certFile = nullptr;
    QLineEdit *m_keyFile = nullptr;
    QLineEdit *m_topic = nullptr;
    QLineEdit *m_site = nullptr;
    QLineEdit *m_discovery = nullptr;
    QLineEdit *m_liveEvery = nullptr;
    QLabel *m_outcome = nullptr;
};

} // namespace Brolant
