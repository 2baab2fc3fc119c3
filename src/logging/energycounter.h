#pragma once

#include <QDate>
#include <QString>

class QDateTime;

// The watt-hours delivered since start-up or since the last midnight, integrated from the latest
// power every 5 seconds, with the lines it leaves in logs/Whours.txt.
class EnergyCounter
{
public:
    double total() const { return m_total; }
    void reset() { m_total = 0.0; }

    // A power older than this is not integrated: a board that died at 500 W adds nothing all night.
    static constexpr int kStalePowerSeconds = 60;

    // One 5-second tick at `now` with the latest power, read from a frame at `readingTime`.
    // On the first tick of a new day the finished day's total is returned as its archive line and
    // the count starts again; then the tick's own energy is added while the power is fresh.
    std::optional<QString> tick(const QDateTime &now, double watts, const QDateTime &readingTime);

    // The line written when the program ends: the date, a blank, the time and the total.
    QString exitLine(const QDateTime &now) const;

    static QString archivePath(const QString &programFolder);

private:
    QString line(const QDateTime &now, QChar separator) const;

    double m_total = 0.0;
    QDate m_lastTickDate;
};
