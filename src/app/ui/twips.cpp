// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/twips.h"

#include <QWidget>

#include <cmath>

namespace Brolant {

namespace {
constexpr double kTwipsPerInch = 1440.0;
// The layout was drawn for smaller system fonts than today's desktops use; scaling the whole
// arrangement keeps every caption whole without moving anything relative to anything else.
constexpr double kDesignScale = 1.35;
} // namespace

Twips::Twips(const QWidget &widget) : m_pixelsPerTwip(widget.logicalDpiY() * kDesignScale / kTwipsPerInch) {}

int Twips::operator()(int twips) const
{
    return int(std::lround(twips * m_pixelsPerTwip));
}

QRect Twips::rect(int left, int top, int width, int height) const
{
    return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
}

} // namespace Brolant
