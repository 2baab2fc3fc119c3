// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/mainwindowview.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace Brolant {

class MainWindowModel;
class Twips;
struct BrokerState;

// The main window's widgets, laid out as designed. Shows what the model asks and forwards the
// user's clicks to it; computes nothing itself.
class MainWindow final : public QWidget, public MainWindowView
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    void attach(MainWindowModel &model);
    // Where readings are published to, out of the way: the title's tooltip.
    void showBrokerState(const BrokerState &state);
    // Where alarms are shown: across the top, over the title, where the user looks first.
    QRect alarmArea() const;

    void showCaption(const QString &text) override;
    void showStatus(const QString &text) override;
    void showError(const QString &text, ErrorTone tone) override;
    void showError(const QString &text) override;
    void setLoggingControls(bool logging) override;
    void setIntervalEditable(bool editable) override;
    void showInterval(const QString &seconds) override;
    void buildLiveList(const LiveListLayout &layout) override;
    void setMessageLinesVisible(bool visible) override;
    void showLiveRows(const QStringList &values, const QStringList &labels) override;
    void showMode(const QString &text) override;
    void flashDataLamp() override;
    void flashLogLamp() override;
    void resetLamps() override;
    void showFrameHealth(const QString &summary) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The window's rows, top to bottom, at their places on the design.
    void addTitle(const Twips &twips);
    void addLiveList(const Twips &twips);
    void addLoggingControls(const Twips &twips);
    void addButtonRow(const Twips &twips);
    void addStatusLines(const Twips &twips);
    QLabel *label(const char *name, const QString &text, const QRect &geometry);
    QPushButton *button(const char *name, const QString &caption, const QRect &geometry);
    QPushButton *lamp(const char *name, const QRect &geometry, const QColor &colour);
    void styleErrorLine(ErrorTone tone);
    void addLiveRow(const QString &value, const QString &label);

    MainWindowModel *m_model = nullptr;
    QTreeWidget *m_liveList = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_mode = nullptr;
    QPushButton *m_dataLamp = nullptr;
    QPushButton *m_logLamp = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_stop = nullptr;
    QLineEdit *m_interval = nullptr;
    QPushButton *m_showLogs = nullptr;
    QPushButton *m_setup = nullptr;
    QPushButton *m_calibrate = nullptr;
    QCheckBox *m_messagesShown = nullptr;
    QPushButton *m_exit = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_error = nullptr;
};

} // namespace Brolant
