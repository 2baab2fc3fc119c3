// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Brolant {

// How the board's data has been arriving: whether a mean stands on 60 frames or on 2.
struct FrameCounts
{
    long long accepted = 0;
    long long rejected = 0;
    long long checksumErrors = 0;
    long long droppedCharacters = 0;

    // "58 frames, 1 rejected, 0 checksum errors, 12 characters dropped", as the page's data and
    // the logs give it; shownSummary() in the user's language.
    QString summary() const;
    QString shownSummary() const;
};

struct FrameHealth
{
    FrameCounts sinceStart;
    FrameCounts thisInterval;

    void accepted() { ++sinceStart.accepted, ++thisInterval.accepted; }
    void rejected() { ++sinceStart.rejected, ++thisInterval.rejected; }
    void checksumError() { ++sinceStart.checksumErrors, ++thisInterval.checksumErrors; }
    void dropped(qsizetype characters)
    {
        sinceStart.droppedCharacters += characters;
        thisInterval.droppedCharacters += characters;
    }
    // Both counts in the user's language, for the windows.
    QString shownSummary() const;
};

} // namespace Brolant
