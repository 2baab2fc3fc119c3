// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <optional>

namespace Brolant {

// What a settings file of a part beside the core gives that part: the settings while it switches
// its part on, nothing while it does not (or there is no file), and why not when it cannot be used.
template <typename Settings>
struct SettingsFileReading
{
    std::optional<Settings> settings;
    std::optional<Failure> failure; // nothing when the file can be used

    bool operator==(const SettingsFileReading &) const = default;

    // The settings `fromFile` reads from `file`: nothing when there is no file to read.
    template <typename File, typename FromFile>
    static SettingsFileReading of(const Result<std::optional<File>> &file, FromFile &&fromFile)
    {
        if (!file)
            return {std::nullopt, file.failure()};
        if (!file.value())
            return {};
        Result<Settings> read = fromFile(*file.value());
        if (!read)
            return {std::nullopt, read.failure()};
        return {std::move(read).value(), std::nullopt};
    }
};

} // namespace Brolant
