// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/framehealth.h"

#include <QCoreApplication>

namespace Brolant {

namespace {
constexpr const char *kContext = "Brolant::FrameCounts";
const char *const kCounts = QT_TRANSLATE_NOOP("Brolant::FrameCounts",
                                              "%1 frames, %2 rejected, %3 checksum errors, %4 characters dropped");
const char *const kHealth = QT_TRANSLATE_NOOP("Brolant::FrameCounts", "This interval: %1\nSince start-up: %2");

QString counts(const QString &text, const FrameCounts &counted)
{
    return text.arg(counted.accepted).arg(counted.rejected).arg(counted.checksumErrors).arg(counted.droppedCharacters);
}
} // namespace

QString FrameCounts::summary() const
{
    return counts(QString::fromLatin1(kCounts), *this);
}

QString FrameCounts::shownSummary() const
{
    return counts(QCoreApplication::translate(kContext, kCounts), *this);
}

QString FrameHealth::shownSummary() const
{
    return QCoreApplication::translate(kContext, kHealth).arg(thisInterval.shownSummary(), sinceStart.shownSummary());
}

} // namespace Brolant
