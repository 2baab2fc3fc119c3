// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/mainwindowview.h"

namespace Brolant {

// A screen that shows nothing: measures the main window's model without drawing.
class QuietView final : public MainWindowView
{
public:
    void showCaption(const QString &) override {}
    void showStatus(const QString &) override {}
    void showError(const QString &, ErrorTone) override {}
    void showError(const QString &) override {}
    void setLoggingControls(bool) override {}
    void setIntervalEditable(bool) override {}
    void showInterval(const QString &) override {}
    void buildLiveList(const LiveListLayout &) override {}
    void showLiveRows(const QStringList &, const QStringList &) override {}
    void showMode(const QString &) override {}
    void showFrameHealth(const QString &) override {}
    void setMessageLinesVisible(bool) override {}
    void flashDataLamp() override {}
    void flashLogLamp() override {}
    void resetLamps() override {}
};

} // namespace Brolant
