// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acquisition/livelist.h"
#include "app/mainwindowview.h"

#include <QStringList>

namespace Brolant {

// Keeps what the model last showed, and a journal of every call in order.
class RecordingView final : public MainWindowView
{
public:
    QString caption;
    QString status;
    QString error;
    ErrorTone errorTone = ErrorTone::Notice;
    bool logging = false;
    bool loggingControlsSet = false;
    bool intervalEditable = true;
    QString intervalText = QStringLiteral("60");
    LiveListLayout liveList;
    bool liveListBuilt = false;
    bool messageLinesVisible = true;
    QStringList liveValues;
    QStringList liveLabels;
    QString mode = QStringLiteral("unset");
    int dataLampFlashes = 0;
    bool dataLampLit = false;
    int logLampFlashes = 0;
    QStringList journal;

    void showCaption(const QString &text) override;
    void showStatus(const QString &text) override;
    void showError(const QString &text, ErrorTone tone) override;
    void showError(const QString &text) override;
    void setLoggingControls(bool on) override;
    void setIntervalEditable(bool editable) override;
    void showInterval(const QString &seconds) override;
    void buildLiveList(const LiveListLayout &layout) override;
    void setMessageLinesVisible(bool visible) override;
    void showLiveRows(const QStringList &values, const QStringList &labels) override;
    void showMode(const QString &text) override;
    void flashDataLamp() override;
    void flashLogLamp() override;
    void resetLamps() override;
    void showFrameHealth(const QString &summary) override { frameHealth = summary; }
    QString frameHealth;
};

} // namespace Brolant
