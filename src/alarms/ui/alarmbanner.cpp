#include "alarms/ui/alarmbanner.h"

#include "alarms/alarmservice.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QSystemTrayIcon>

namespace Brolant {

namespace {
const QString kRaisedStyle = QStringLiteral("QFrame { background-color: #c00000; } QLabel { color: white; font-weight: bold; }");
const QString kClearedStyle = QStringLiteral("QFrame { background-color: #d8f0d8; } QLabel { color: #004000; }");
} // namespace

AlarmBanner::AlarmBanner(AlarmBoard &board, QWidget *parent)
    : QFrame(parent), m_board(board), m_text(new QLabel(this)),
      m_acknowledge(new QPushButton(QStringLiteral("Acknowledge"), this))
{
    setObjectName(QStringLiteral("AlarmBanner"));
    setAutoFillBackground(true);
    m_text->setObjectName(QStringLiteral("AlarmText"));
    m_text->setAccessibleDescription(QStringLiteral("alarms"));
    m_text->setWordWrap(true);
    m_acknowledge->setAccessibleDescription(QStringLiteral("silence the alarm notifications; alarms stay listed until they clear"));
    m_acknowledge->setAutoDefault(false);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(m_text, 1);
    row->addWidget(m_acknowledge);
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning), this);
        m_tray->setToolTip(QStringLiteral("Brolant"));
    }
    connect(m_acknowledge, &QPushButton::clicked, &board, &AlarmBoard::acknowledge);
    connect(&board, &AlarmBoard::changed, this, &AlarmBanner::showBoard);
    connect(&board, &AlarmBoard::notify, this, &AlarmBanner::notify);
    showBoard();
}

QString AlarmBanner::text() const
{
    return m_text->text();
}

void AlarmBanner::showBoard()
{
    QStringList raised;
    bool allAcknowledged = true;
    for (const AlarmBoard::Entry &entry : m_board.raised()) {
        raised << entry.change.definition().name + u' ' + entry.change.valueText();
        allAcknowledged = allAcknowledged && entry.acknowledged;
    }
    if (!raised.isEmpty()) {
        m_text->setText(QStringLiteral("ALARM: ") + raised.join(QStringLiteral(", "))
                        + (allAcknowledged ? QStringLiteral(" (acknowledged)") : QString()));
        setStyleSheet(kRaisedStyle);
    } else if (const auto &cleared = m_board.lastCleared()) {
        m_text->setText(QStringLiteral("Cleared at %1: %2")
                            .arg(cleared->time.time().toString(QStringLiteral("HH:mm:ss")),
                                 cleared->definition().name + u' ' + cleared->valueText()));
        setStyleSheet(kClearedStyle);
    } else {
        m_text->clear();
    }
    m_acknowledge->setEnabled(!raised.isEmpty() ? !allAcknowledged : m_board.lastCleared().has_value());
    setVisible(!m_text->text().isEmpty());
    if (m_tray)
        m_tray->setVisible(!raised.isEmpty());
    if (isVisible())
        raise();
}

void AlarmBanner::notify(const QString &title, const QString &text)
{
    if (m_tray) {
        m_tray->show();
        m_tray->showMessage(title, text, QSystemTrayIcon::Warning);
        return;
    }
    const QString notifySend = QStandardPaths::findExecutable(QStringLiteral("notify-send"));
    if (!notifySend.isEmpty())
        QProcess::startDetached(notifySend, {title, text});
}

} // namespace Brolant
