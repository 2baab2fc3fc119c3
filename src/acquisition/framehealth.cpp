// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/framehealth.h"

namespace Brolant {

QString FrameCounts::summary() const
{
    return QStringLiteral("%1 frames, %2 rejected, %3 checksum errors, %4 characters dropped")
        .arg(accepted)
        .arg(rejected)
        .arg(checksumErrors)
        .arg(droppedCharacters);
}

QString FrameHealth::summary() const
{
    return QStringLiteral("This interval: %1\nSince start-up: %2").arg(thisInterval.summary(), sinceStart.summary());
}

} // namespace Brolant
