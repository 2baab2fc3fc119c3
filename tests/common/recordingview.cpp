// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingview.h"

namespace Brolant {

void RecordingView::showCaption(const QString &text)
{
    caption = text;
    journal << QStringLiteral("caption: ") + text;
}

void RecordingView::showStatus(const QString &text)
{
    status = text;
    journal << QStringLiteral("status: ") + text;
}

void RecordingView::showError(const QString &text, ErrorTone tone)
{
    error = text;
    errorTone = tone;
    journal << QStringLiteral("error: ") + text;
}

void RecordingView::showError(const QString &text)
{
    error = text;
    journal << QStringLiteral("error: ") + text;
}

void RecordingView::setLoggingControls(bool on)
{
    logging = on;
    loggingControlsSet = true;
    journal << (on ? QStringLiteral("controls: logging") : QStringLiteral("controls: idle"));
}

void RecordingView::setIntervalEditable(bool editable)
{
    intervalEditable = editable;
}

void RecordingView::showInterval(const QString &seconds)
{
    intervalText = seconds;
    journal << QStringLiteral("interval: ") + seconds;
}

void RecordingView::buildLiveList(const LiveListLayout &layout)
{
    liveList = layout;
    liveListBuilt = true;
    journal << QStringLiteral("list: ") + layout.labels.join(u',');
}

void RecordingView::setMessageLinesVisible(bool visible)
{
    messageLinesVisible = visible;
}

void RecordingView::showLiveRows(const QStringList &values, const QStringList &labels)
{
    liveValues = values;
    liveLabels = labels;
    journal << QStringLiteral("rows: ") + values.join(u',');
}

void RecordingView::showMode(const QString &text)
{
    mode = text;
}

void RecordingView::flashDataLamp()
{
    ++dataLampFlashes;
    dataLampLit = true;
}

void RecordingView::flashLogLamp()
{
    ++logLampFlashes;
}

void RecordingView::resetLamps()
{
    dataLampLit = false;
}

} // namespace Brolant
