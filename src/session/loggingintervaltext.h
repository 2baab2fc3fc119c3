// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace Brolant {

// The logging interval as the user gives it, in seconds as text: 1 to 600, fractions allowed.
struct LoggingIntervalText
{
    double seconds = 0.0;
    // The text with the limits applied: "600" for more, "1" for less, else as given.
    QString text;

    // Nothing when the text is no number.
    static std::optional<LoggingIntervalText> from(const QString &given);
};

} // namespace Brolant
