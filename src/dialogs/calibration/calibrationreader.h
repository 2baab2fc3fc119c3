// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace Brolant {

// The calibration dialog's forgiving frame reader: as soon as a "[" and a "]" have both arrived,
// in any order, everything collected is one frame. It never rejects anything.
class CalibrationReader
{
public:
    // A bound far beyond any frame; past it the oldest characters are dropped, so a line that
    // never brings both brackets cannot grow it without end.
    static constexpr qsizetype kCapacity = 4096;

    std::optional<QString> append(QStringView characters);
    qsizetype buffered() const { return m_buffer.size(); }

    // The raw V, I, R and S of a frame: a field whose tags are missing or the wrong way round is
    // absent; one that is not a number is 0.
    struct Fields
    {
        double v = 0.0;
        double i = 0.0;
        std::optional<double> r;
        std::optional<double> s;
    };
    static Fields fields(QStringView frame);

private:
    QString m_buffer;
};

} // namespace Brolant
