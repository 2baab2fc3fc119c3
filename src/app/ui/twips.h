// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace Brolant {

// The windows are laid out in twips (1/1440 inch), as designed; this turns them into pixels for
// the screen the widget is on.
class Twips
{
public:
    explicit Twips(const QWidget &widget);

    int operator()(int twips) const;
    QRect rect(int left, int top, int width, int height) const;

private:
    double m_pixelsPerTwip;
};

} // namespace Brolant
