#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QSystemTrayIcon;

namespace Brolant {

class AlarmBoard;

// The alarms where the user looks first: each raised alarm's name and value in red, the last one
// cleared until it is seen, and an Acknowledge button that silences the desktop notifications.
// The desktop is told through the tray where there is one, else through notify-send.
class AlarmBanner final : public QFrame
{
    Q_OBJECT

public:
    AlarmBanner(AlarmBoard &board, QWidget *parent = nullptr);

    QString text() const;

private:
    void showBoard();
    void notify(const QString &title, const QString &text);

    AlarmBoard &m_board;
    QLabel *m_text = nullptr;
    QPushButton *m_acknowledge = nullptr;
    QSystemTrayIcon *m_tray = nullptr;
};

} // namespace Brolant
