#pragma once

#include <QString>

// An OK-only message box; tests record the texts instead.
class Messages
{
public:
    virtual ~Messages() = default;
    virtual void message(const QString &text) = 0;
};
