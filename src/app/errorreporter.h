#pragma once

#include "app/errorlog.h"

#include <QString>

class Clock;
class MainWindowView;

// The main window's one way of recording trouble: an entry in errorlog.txt with the stage under
// way and the text received last, and the error shown in red.
class ErrorReporter
{
public:
    ErrorReporter(const QString &programFolder, const Clock &clock, MainWindowView &view);

    // The stage under way, named before each step that may fail.
    QString context;
    // The characters received at the last read.
    QString receivedText;

    void log(const QString &description = QString());
    void log(const QString &stage, const QString &description)
    {
        context = stage;
        log(description);
    }

private:
    ErrorLog m_log;
    const Clock &m_clock;
    MainWindowView &m_view;
};
