// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "viewer/plotmodel.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace Brolant {

// The plot surface: draws a PlotPicture once into a cached pixmap (covering and uncovering the
// window costs nothing) and reports the pointer in plot coordinates.
class PlotWidget final : public QWidget
{
    Q_OBJECT

public:
    explicit PlotWidget(QWidget *parent = nullptr);

    void clear();
    void showPicture(const PlotPicture &picture);
    void markDrag(double fromX, double toX);
    // The picture as drawn, without the marks of a drag.
    void clearMarks() { render(); }

signals:
    void pointerMoved(double x);
    void pressed(double x);
    void released(double x);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void render();
    double plotX(const QMouseEvent *event) const;

    std::optional<PlotPicture> m_picture;
    double m_width = 1.0;     // the horizontal extent last set by a drawn picture
    double m_pressedAt = 0.0; // where the drag's first button went down, in pixels
    double m_pressX = 0.0;    // the same in plot coordinates
    QPixmap m_pixmap;
};

} // namespace Brolant
