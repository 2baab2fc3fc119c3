#include "app/twips.h"

#include <QWidget>

#include <cmath>

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

Twips::Twips(const QWidget &widget) : m_pixelsPerTwip(widget.logicalDpiY() / kTwipsPerInch) {}

int Twips::operator()(int twips) const
{
    return int(std::lround(twips * m_pixelsPerTwip));
}

QRect Twips::rect(int left, int top, int width, int height) const
{
    return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
}
