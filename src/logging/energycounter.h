#pragma once

#include <QDate>
#include <QObject>
#include <QString>

class QDateTime;

// The watt-hours delivered since start-up or since the last midnight, integrated from the latest
// power every 5 seconds, with the lines it leaves in logs/Whours.txt.
class EnergyCounter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    double total() const { return m_total; }

    // A power older than this is not integrated: a board that died at 500 W adds nothing all night.
    static constexpr int kStalePowerSeconds = 60;

    // The first look at the clock on a new date closes the finished day: dayClosed carries its
    // archive line and the count starts again. Every user of the total calls this first, so no
    // record of the new day carries yesterday's energy, whichever timer comes first.
    void settleDay(const QDateTime &now);

    // One 5-second tick at `now` with the latest power, read from a frame at `readingTime`: the
    // day is settled, then the tick's own energy is added while the power is fresh. A power that
    // is not a finite positive number adds nothing.
    void tick(const QDateTime &now, double watts, const QDateTime &readingTime);

    // The line written when the program ends: the date, a blank, the time and the total.
    QString exitLine(const QDateTime &now) const;

    static QString archivePath(const QString &programFolder);

signals:
    void dayClosed(const QString &archiveLine);

private:
    QString line(const QDateTime &now, QChar separator) const;

    double m_total = 0.0;
    QDate m_lastSeenDate;
};
