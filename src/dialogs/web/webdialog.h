// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QVBoxLayout;

namespace Brolant {

class Messages;
class SettingsStore;
struct WebSettings;

// The "Web Dashboard" dialog: edits web.cfg, shows where the page will be opened from a phone (as
// a link and as text to copy) as the values are typed, and saves them (atomically, readable by
// their owner only) or leaves the file as it was. The logger applies saved settings at once.
class WebDialog final : public QDialog
{
    Q_OBJECT

public:
    WebDialog(SettingsStore &store, Messages &messages, QWidget *parent = nullptr);

private:
    // The settings' boxes, and under them the page's address and the advice on a password.
    QLayout *buildForm();
    void addAddressLines(QVBoxLayout *column);
    // Shows web.cfg as saved, or the starting values and why the file could not be used.
    void showSavedSettings();
    void showSettings(const WebSettings &settings);
    // The values as typed; the failure names the first that cannot be used.
    Result<WebSettings> typed() const;
    void showAddresses();
    void saveClicked();

    SettingsStore &m_store;
    Messages &m_messages;
    QLabel *m_problem = nullptr;
    QCheckBox *m_enabled = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_listen = nullptr;
    QLineEdit *m_hosts = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_certFile = nullptr;
    QLineEdit *m_keyFile = nullptr;
    QLabel *m_link = nullptr;
    QLabel *m_address = nullptr;
};

} // namespace Brolant
