// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ui/plotwidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace Brolant {

namespace {
const QColor kBackground(64, 64, 64);
const QColor kSeriesColours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 0),
                                 QColor(255, 255, 255)};
// Apart from all five series.
const QColor kZeroLine(255, 0, 255);
const QColor kDragMark(255, 0, 0);

// A one-pixel cosmetic pen uses Qt's fast antialiased line path; a wider pen builds and fills
// the outline of the whole polyline, a hundred times slower for a full day.
QPen linePen(const QColor &colour)
{
    QPen pen(colour, 1.0);
    pen.setCosmetic(true);
    return pen;
}

// The polyline in pixels, with each pixel column reduced to its first point, its true lowest and
// highest points in the order they came, and its last point: the same picture, every spike
// included, but a day of 9,999 records costs as little as a few hundred.
QPolygonF toPixels(const QList<QPointF> &points, double xScale, double yScale)
{
    QPolygonF pixels;
    const auto pixel = [&](qsizetype at) { return QPointF(points[at].x() * xScale, points[at].y() * yScale); };
    for (qsizetype at = 0; at < points.size();) {
        const QPointF first = pixel(at);
        const int column = int(first.x());
        QPointF low = first, high = first, last = first;
        qsizetype lowAt = at, highAt = at;
        for (++at; at < points.size(); ++at) {
            const QPointF next = pixel(at);
            if (int(next.x()) != column)
                break;
            if (next.y() < low.y()) {
                low = next;
                lowAt = at;
            }
            if (next.y() > high.y()) {
                high = next;
                highAt = at;
            }
            last = next;
        }
        pixels << first;
        if (lowAt < highAt)
            pixels << low << high;
        else
            pixels << high << low;
        pixels << last;
    }
    return pixels;
}
} // namespace

PlotWidget::PlotWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Plot"));
    setAccessibleName(QStringLiteral("Plot"));
    setAccessibleDescription(tr("the day's readings; drag from left to right to zoom"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotWidget::clear()
{
    m_picture.reset();
    render();
}

void PlotWidget::showPicture(const PlotPicture &picture)
{
    m_picture = picture;
    m_width = picture.width;
    render();
}

void PlotWidget::render()
{
    m_pixmap = QPixmap(size() * devicePixelRatioF());
    m_pixmap.setDevicePixelRatio(devicePixelRatioF());
    m_pixmap.fill(kBackground);
    if (m_picture && m_picture->width > 0) {
        QPainter painter(&m_pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const double xScale = width() / m_picture->width;
        for (const auto &zero : {m_picture->ampsZero, m_picture->wattsZero}) {
            if (!zero)
                continue;
            const double y = zero->y * height() / zero->height;
            painter.setPen(linePen(kZeroLine));
            painter.drawLine(QPointF(0, y), QPointF(width(), y));
        }
        for (const PlotPicture::Line &line : m_picture->lines) {
            painter.setPen(linePen(kSeriesColours[line.series]));
            painter.drawPolyline(toPixels(line.points, xScale, height() / line.height));
        }
    }
    update();
}

void PlotWidget::markDrag(double fromX, double toX)
{
    QPainter painter(&m_pixmap);
    painter.setPen(QPen(kDragMark, 2));
    const double xScale = width() / m_width;
    // Along the top edge, inside the surface.
    painter.drawLine(QPointF(fromX * xScale, 1), QPointF(toX * xScale, 1));
    update();
}

void PlotWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

void PlotWidget::resizeEvent(QResizeEvent *)
{
    render();
}

double PlotWidget::plotX(const QMouseEvent *event) const
{
    return event->position().x() / width() * m_width;
}

void PlotWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(plotX(event));
}

void PlotWidget::mousePressEvent(QMouseEvent *event)
{
    // One press and one release a drag, whichever buttons are used: a second button pressed
    // meanwhile would otherwise start the drag again from where it is.
    if (event->buttons() != event->button())
        return;
    m_pressedAt = event->position().x();
    m_pressX = plotX(event);
    emit pressed(m_pressX);
}

void PlotWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        return;
    // A hand never holds quite still: less than a drag across is a click, released where pressed.
    const bool dragged = qAbs(event->position().x() - m_pressedAt) >= QApplication::startDragDistance();
    emit released(dragged ? plotX(event) : m_pressX);
}

} // namespace Brolant
