// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakeclock.h"
#include "history/ui/historywindow.h"
#include "history/ui/loadstatus.h"
#include "platform/messages.h"
#include "problems/problemlog.h"
#include "programfolder.h"

#include <QDir>
#include <QStringList>
#include <QTest>
#include <QTime>

#include <cmath>
#include <functional>
#include <memory>

// A record of a daily log at `second` of the day (written to the minute, as the logger does).
inline QByteArray logLine(int second, double watts, double wind = 5.0)
{
    return QStringLiteral("<T>%1</T><V>12.50</V><I>1.00</I><W>%2</W><R>100</R><S>%3</S><M>0</M>   1.0Wh\r\n")
        .arg(QTime(0, 0).addSecs(second).toString("HH:mm"))
        .arg(watts, 0, 'f', 2)
        .arg(wind, 0, 'f', 1)
        .toLatin1();
}

// Records every `step` seconds from `from` up to (not including) `to`, of `watts`.
inline QByteArray logLines(int from, int to, int step, double watts)
{
    QByteArray text;
    for (int second = from; second < to; second += step)
        text += logLine(second, watts, 3.0 + (second / 600) % 9);
    return text;
}

inline QString logName(const QDate &day)
{
    return "logs/P_" + day.toString("yyyy_MM_dd") + ".txt";
}

struct RecordedMessages final : Brolant::Messages
{
    QStringList messages;
    void message(const QString &text) override { messages << text; }
};

// A program folder with logs, and the Energy History window over it.
struct HistoryRig
{
    ProgramFolder folder;
    RecordedMessages messages;
    Brolant::FakeClock clock;
    Brolant::ProblemLog problems{clock};
    std::unique_ptr<Brolant::HistoryWindow> window;

    HistoryRig()
    {
        folder.writeProgramConfig("0", "0", "60");
        QDir(folder.path()).mkpath("logs");
    }
    void open(const QDate &today, const QSize &size = QSize(960, 680))
    {
        window.reset();
        window = std::make_unique<Brolant::HistoryWindow>(folder.path(), today, messages, problems);
        window->resize(size);
        window->show();
    }
    // Every tab's load has ended and been shown.
    bool idle() const
    {
        for (auto *status : window->findChildren<Brolant::LoadStatus *>())
            if (!status->isHidden())
                return false;
        return true;
    }
};
