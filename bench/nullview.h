#pragma once

#include "app/mainwindowview.h"

// A screen that shows nothing: measures the model alone.
class NullView final : public MainWindowView
{
public:
    void showCaption(const QString &) override {}
    void showStatus(const QString &) override {}
    void showError(const QString &, ErrorTone) override {}
    void showError(const QString &) override {}
    void setLoggingControls(bool) override {}
    void setIntervalEditable(bool) override {}
    void showInterval(const QString &text) override { m_interval = text; }
    QString interval() const override { return m_interval; }
    void buildLiveList(const LiveListLayout &) override {}
    void setMessageLinesVisible(bool) override {}
    void showLiveRows(const QStringList &, const QStringList &) override {}
    void showMode(const QString &) override {}
    void flashDataLamp() override {}
    void flashLogLamp() override {}
    void resetLamps() override {}
    void showFrameHealth(const QString &) override {}

private:
    QString m_interval;
};
