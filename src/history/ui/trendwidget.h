#pragma once

#include "history/trendenvelope.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace Brolant {

// Draws a TrendPicture: five series each on its own fitted scale, volts labelled on the left and
// watts on the right, time along the bottom, a legend along the top.
namespace TrendPainter {

// Where the series are drawn inside a widget of `size`: the margins hold the axes and legend.
QRect plotArea(const QSize &size);
// `names` are the five series' names with their units ("Volts (V)" ...).
void paint(QPainter &painter, const QSize &size, const HistoryRecords &records,
           const TrendPicture &picture, const std::array<QString, 5> &names);
QColor colour(int series);

} // namespace TrendPainter

// The trend surface: a cached picture of the span shown, the pointer reading the nearest
// record, a drag from left to right zooming into the dragged span, and a stack of spans to step
// back out through.
class TrendWidget final : public QWidget
{
    Q_OBJECT

public:
    explicit TrendWidget(const std::array<QString, 5> &names, QWidget *parent = nullptr);

    void setEnvelope(std::shared_ptr<const TrendEnvelope> envelope);
    void zoomTo(std::int64_t from, std::int64_t to);
    void zoomOut();
    bool canZoomOut() const { return !m_spans.empty(); }
    const TrendPicture &picture() const { return m_picture; }

signals:
    // The record under the pointer (an index into the records), or a cleared readout.
    void pointed(std::optional<size_t> record);
    void zoomChanged(bool canZoomOut);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void render();
    double secondAt(double x) const;

    std::array<QString, 5> m_names;
    std::shared_ptr<const TrendEnvelope> m_envelope;
    std::vector<std::pair<std::int64_t, std::int64_t>> m_spans; // the spans zoomed out of
    TrendPicture m_picture;
    QImage m_image;
    std::optional<double> m_dragFrom; // x where a drag began
    double m_pointerX = -1.0;
};

} // namespace Brolant
