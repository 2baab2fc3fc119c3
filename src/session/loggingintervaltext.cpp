// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/loggingintervaltext.h"

#include "text/numerictext.h"

namespace Brolant {

namespace {
constexpr double kLongestInterval = 600.0;
constexpr double kShortestInterval = 1.0;
} // namespace

std::optional<LoggingIntervalText> LoggingIntervalText::from(const QString &given)
{
    const auto seconds = NumericText::parse(given);
    if (!seconds)
        return std::nullopt;
    // The limits are applied to the text in turn, as the box shows them, and the seconds are read
    // back from the text.
    QString text = given;
    if (*seconds > kLongestInterval)
        text = NumericText::shortest(kLongestInterval);
    if (NumericText::valueOrZero(text) < kShortestInterval)
        text = NumericText::shortest(kShortestInterval);
    return LoggingIntervalText{NumericText::valueOrZero(text), text};
}

} // namespace Brolant
