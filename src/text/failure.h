// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace Brolant {

// A stage that fails throws this; the handler that owns the stage catches it, reports the
// description as the problem of its stage and carries on.
struct Failure
{
    QString description;
};

// What a step that may fail returns where nobody traps: nothing, or the failure with its reason.
using MaybeFailure = std::optional<Failure>;

} // namespace Brolant
