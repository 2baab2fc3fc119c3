// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Brolant {

// An OK-only message box; tests record the texts instead.
class Messages
{
public:
    virtual ~Messages() = default;
    virtual void message(const QString &text) = 0;
};

} // namespace Brolant
