// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QSystemTrayIcon;

namespace Brolant {

struct AlarmChange;
class AlarmBoard;
class ProblemLog;

// The alarms where the user looks first: each raised alarm's name and value in red, every alarm
// cleared since the last acknowledgement, and an Acknowledge button that silences the desktop
// notifications. The desktop is notified through the tray where there is one, else through
// notify-send; where neither is, or notify-send fails (no notification service), the error log
// reports it once.
class AlarmBanner final : public QFrame
{
    Q_OBJECT

public:
    AlarmBanner(AlarmBoard &board, ProblemLog &problems, QWidget *parent = nullptr);
    // A notification sent as the program ends goes out before it does.
    ~AlarmBanner() override;

    QString text() const;

private:
    void showBoard();
    void notify(const QString &title, const QString &text);
    // Logs once that the desktop cannot be notified, because notify-send `why`.
    void reportSilence(const QString &why);
    void fitHeight();

    AlarmBoard &m_board;
    ProblemLog &m_problems;
    QLabel *m_text = nullptr;
    QPushButton *m_acknowledge = nullptr;
    QSystemTrayIcon *m_tray = nullptr;
};

} // namespace Brolant
