// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <QString>

#include <optional>

namespace Brolant {

// What a settings file of a part beside the core asks for: the settings while it switches its
// part on, nothing while it does not (or there is no file), and why not when it cannot be used.
template <typename Settings>
struct SettingsReading
{
    std::optional<Settings> settings;
    QString problem; // empty when the file can be used

    bool operator==(const SettingsReading &) const = default;

    // The outcome of `load`, which gives the settings or nothing and throws Failure when the
    // file or a value cannot be used.
    template <typename Load>
    static SettingsReading from(Load &&load)
    {
        try {
            return {load(), QString()};
        } catch (const Failure &failure) {
            return {std::nullopt, failure.description};
        }
    }
};

} // namespace Brolant
