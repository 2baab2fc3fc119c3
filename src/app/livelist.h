#pragma once

#include <QString>
#include <QStringList>

// The rows of the live readings list: which rows there are, in which order, at which font size.
struct LiveListLayout
{
    int fontPoints = 24;
    QStringList labels;

    static LiveListLayout forSettings(const QString &displayRpm, const QString &displayWs,
                                      const QString &wsUnits);
};
