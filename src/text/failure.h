#pragma once

#include <QString>

// A stage that fails throws this; the handler that owns the stage catches it, logs the
// description with its context and carries on.
struct Failure
{
    QString description;
};
