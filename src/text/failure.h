#pragma once

#include <QString>

#include <optional>

namespace Brolant {

// A stage that fails throws this; the handler that owns the stage catches it, logs the
// description with the stage it was in and carries on.
struct Failure
{
    QString description;
    QString stage = {}; // what was under way, where the handler that logs it does not know
};

// What a step that may fail returns where nobody traps: nothing, or the failure with its reason.
using MaybeFailure = std::optional<Failure>;

} // namespace Brolant
