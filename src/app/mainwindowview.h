// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace Brolant {

struct LiveListLayout;

// How the error line is coloured: a notice (blue) at start-up, an error (red), or cleared (green).
enum class ErrorTone
{
    Notice,
    Error,
    Cleared
};

// The second message line, the last trapped error: all the error reporter needs of a screen.
class ErrorLine
{
public:
    virtual ~ErrorLine() = default;
    virtual void showError(const QString &text, ErrorTone tone) = 0;
    virtual void showError(const QString &text) = 0; // keeps the colour
};

// The two indicator lamps: all the lamp timer needs of a screen.
class IndicatorLamps
{
public:
    virtual ~IndicatorLamps() = default;
    virtual void flashDataLamp() = 0;
    virtual void flashLogLamp() = 0;
    virtual void resetLamps() = 0;
};

// What the main window's model asks of its screen. Intentions only: the widget decides how.
class MainWindowView : public ErrorLine, public IndicatorLamps
{
public:
    virtual void showCaption(const QString &text) = 0;
    // The first message line: received text and serial status.
    virtual void showStatus(const QString &text) = 0;
    virtual void setLoggingControls(bool logging) = 0;
    virtual void setIntervalEditable(bool editable) = 0;
    virtual void showInterval(const QString &seconds) = 0;
    // Empties the live list and lays out its rows, each showing "0.0".
    virtual void buildLiveList(const LiveListLayout &layout) = 0;
    // Rebuilds the live list's rows with these values and labels.
    virtual void showLiveRows(const QStringList &values, const QStringList &labels) = 0;
    virtual void showMode(const QString &text) = 0;
    // How the frames have been arriving, where the user can look it up without being bothered.
    virtual void showFrameHealth(const QString &summary) = 0;
    virtual void setMessageLinesVisible(bool visible) = 0;
};

} // namespace Brolant
