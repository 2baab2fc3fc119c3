#pragma once

#include "app/mainwindowview.h"

#include <QString>

class QTextStream;

namespace Brolant {

struct Record;

// The main window's view for a machine without a screen: errors go to standard error, and each
// logging interval gives one status line on standard output; the rest has nowhere to show.
class ConsoleView final : public MainWindowView
{
public:
    ConsoleView(QTextStream &out, QTextStream &errors);

    // "14:05:10  13.00 V  3.3 A  42 W  300 rpm  5 m/s  1234.6 Wh  (58 frames, 0 rejected, ...)"
    // With `brokerState` appended when readings are published.
    static QString statusLine(const Record &record, const QString &brokerState = QString());
    void printIntervalLine(const Record &record, const QString &brokerState = QString());

    void showCaption(const QString &) override {}
    void showStatus(const QString &) override {}
    void showError(const QString &text, ErrorTone tone) override;
    void showError(const QString &) override {}
    void setLoggingControls(bool) override {}
    void setIntervalEditable(bool) override {}
    void showInterval(const QString &) override {}
    void buildLiveList(const LiveListLayout &) override {}
    void setMessageLinesVisible(bool) override {}
    void showLiveRows(const QStringList &, const QStringList &) override {}
    void showMode(const QString &) override {}
    void flashDataLamp() override {}
    void flashLogLamp() override {}
    void resetLamps() override {}
    void showFrameHealth(const QString &) override {}

private:
    QTextStream &m_out;
    QTextStream &m_errors;
};

} // namespace Brolant
