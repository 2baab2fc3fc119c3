// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace Brolant {

struct ProgramConfig;
struct Reading;

// The rows of the live readings list: which rows there are, in which order, at which font size.
struct LiveListLayout
{
    int fontPoints = 24;
    QStringList labels;
    bool showsRpm = false;
    bool showsWindSpeed = false;

    static LiveListLayout forSettings(const ProgramConfig &program);

    // The value column of each row, formatted for display.
    QStringList values(const Reading &reading, double energyCounter) const;
};

// The window caption for a reading: "Brolant  13.00V 3.3A 42W".
QString liveCaption(const Reading &reading);

} // namespace Brolant
