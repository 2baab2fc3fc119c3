// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/ui/alarmbanner.h"

#include "alarms/alarmservice.h"
#include "problems/problemlog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QSystemTrayIcon>

#include <algorithm>

namespace Brolant {

namespace {
const QString kRaisedStyle = QStringLiteral(
    "QFrame { background-color: #c00000; } QLabel { color: white; font-weight: bold; }");
const QString kClearedStyle = QStringLiteral("QFrame { background-color: #d8f0d8; } QLabel { color: #004000; }");
const QString kNotifySend = QStringLiteral("notify-send");
constexpr int kNotifyEndWait = 1000; // ms: notify-send hands its message over in a moment

// "LowVolts 11.70 V" kept on one line: a line may break between alarms, never inside one.
QString unbroken(const QString &text)
{
    return QString(text).replace(u' ', QChar::Nbsp);
}

QString shown(const AlarmChange &change)
{
    return unbroken(change.shownName() + u' ' + change.valueText());
}

QString shownCleared(const AlarmChange &change)
{
    const QString how = change.switchedOff ? change.shownState() : change.valueText();
    return unbroken(QCoreApplication::translate("Brolant::AlarmBanner", "%1 %2 at %3")
                        .arg(change.shownName(), how, change.time.time().toString(QStringLiteral("HH:mm:ss"))));
}
} // namespace

AlarmBanner::AlarmBanner(AlarmBoard &board, ProblemLog &problems, QWidget *parent)
    : QFrame(parent),
      m_board(board),
      m_problems(problems),
      m_text(new QLabel(this)),
      m_acknowledge(new QPushButton(tr("Acknowledge"), this))
{
    setObjectName(QStringLiteral("AlarmBanner"));
    setAutoFillBackground(true);
    m_text->setObjectName(QStringLiteral("AlarmText"));
    m_text->setAccessibleDescription(tr("alarms"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_acknowledge->setAccessibleDescription(tr("silence the alarm notifications; alarms stay listed until they clear"));
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

AlarmBanner::~AlarmBanner()
{
    // Destroyed running, notify-send would be killed before its notification is out.
    for (QProcess *process : findChildren<QProcess *>(Qt::FindDirectChildrenOnly))
        process->waitForFinished(kNotifyEndWait);
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
        raised << shown(entry.change);
        allAcknowledged = allAcknowledged && entry.acknowledged;
    }
    QStringList cleared;
    for (const AlarmChange &change : m_board.cleared())
        cleared << shownCleared(change);
    QStringList parts;
    if (!raised.isEmpty())
        parts << tr("ALARM: ") + raised.join(QStringLiteral(", "))
                     + (allAcknowledged ? tr(" (acknowledged)") : QString());
    if (!cleared.isEmpty())
        parts << tr("Cleared: ") + cleared.join(QStringLiteral(", "));
    m_text->setText(parts.join(QStringLiteral(". ")));
    setStyleSheet(raised.isEmpty() ? kClearedStyle : kRaisedStyle);
    m_acknowledge->setEnabled(!allAcknowledged || !cleared.isEmpty());
    setVisible(!parts.isEmpty());
    if (m_tray)
        m_tray->setVisible(!raised.isEmpty());
    if (isVisible()) {
        fitHeight();
        raise();
    }
}

void AlarmBanner::fitHeight()
{
    // Every alarm stays in sight: the strip grows down over the window rather than cutting one off.
    const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width()) : sizeHint().height();
    resize(width(), std::max(needed, minimumHeight()));
}

void AlarmBanner::notify(const QString &title, const QString &text)
{
    if (m_tray) {
        m_tray->show();
        m_tray->showMessage(title, text, QSystemTrayIcon::Warning);
        return;
    }
    const QString notifySend = QStandardPaths::findExecutable(kNotifySend);
    if (notifySend.isEmpty()) {
        reportSilence(QStringLiteral("is not installed (package libnotify-bin)"));
        return;
    }
    // Waited for, not detached: without a notification service (no desktop session bus) it
    // fails, and only its exit code reports it.
    auto *process = new QProcess(this);
    connect(process, &QProcess::finished, this, [this, process](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            reportSilence(
                QStringLiteral("failed: %1")
                    .arg(QString::fromLocal8Bit(process->readAllStandardError()).trimmed().section(u'\n', 0, 0)));
        process->deleteLater();
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        reportSilence(QStringLiteral("would not start"));
        process->deleteLater();
    });
    process->start(notifySend, {title, text});
}

void AlarmBanner::reportSilence(const QString &why)
{
    m_problems.report(Problem::AlarmNotificationNotShown,
                      QStringLiteral("there is no system tray and %1 %2: alarms show only "
                                     "in this window, alarms.txt and the alarm command")
                          .arg(kNotifySend, why));
}

} // namespace Brolant
