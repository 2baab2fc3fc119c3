// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/mainwindowview.h"

#include <QObject>
#include <QString>

class QTextStream;

namespace Brolant {

struct AlarmChange;
struct BrokerState;
struct Record;

// What the headless logger prints on its terminal: one status line per logging interval on
// standard output, each alarm as it changes, and every trapped error on standard error.
class ConsoleStatus final : public QObject, public ErrorLine
{
    Q_OBJECT

public:
    ConsoleStatus(QTextStream &out, QTextStream &errors, QObject *parent = nullptr);

    // "14:05:10  13.00 V  3.3 A  42 W  300 rpm  5 wind  1234.6 Wh  (58 frames, 0 rejected, ...)"
    // With the broker's state appended when readings are published.
    static QString statusLine(const Record &record, const QString &brokerState = QString());
    // "connected to broker:1883", "broker not available: wrong user name or password"; with
    // "; another logger publishes as site S" once one was seen. Empty while publishing is off.
    static QString brokerWords(const BrokerState &state);

    void printIntervalLine(const Record &record);
    void printAlarm(const AlarmChange &change);
    void printLine(const QString &text);
    void setBrokerState(const BrokerState &state);

    void showError(const QString &text, ErrorTone tone) override;
    void showError(const QString &) override {}

private:
    QTextStream &m_out;
    QTextStream &m_errors;
    QString m_brokerState;
};

} // namespace Brolant
