// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/trendenvelope.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace Brolant {

// Draws a TrendPicture: each series shown in a lane of its own, with its own scale ticked at
// round values and its name and units above it, over one time axis along the bottom whose date
// labels are spaced so they never meet.
namespace TrendPainter {

using Shown = std::array<bool, TrendMinutes::kSeriesCount>;

// The span of the lanes inside a widget of `size`: the margins hold the scales and the times.
QRect plotArea(const QSize &size);
// Where each shown series' lane is, top to bottom.
std::vector<std::pair<int, QRect>> lanes(const QSize &size, const Shown &shown, int titleHeight);
// Round values from `low` to `high`, at most about `most` of them, covering both ends.
std::vector<double> ticks(double low, double high, int most);
// A tick of the time axis: where it stands, in seconds from midnight of the first day, and its
// label, the local clock's time there.
struct TimeLabel
{
    std::int64_t second = 0;
    QString text;
};
// The ticks of the time axis from `from` to `to`, `width` pixels wide, at round times of the
// clock and spaced so their labels, at their widest, never meet.
std::vector<TimeLabel> timeLabels(const QFontMetrics &metrics, const TrendMinutes &minutes, std::int64_t from,
                                  std::int64_t to, int width);
// `names` are the five series' names with their units ("Volts (V)" ...).
void paint(QPainter &painter, const QSize &size, const TrendMinutes &minutes, const TrendPicture &picture,
           const std::array<QString, 5> &names, const Shown &shown);
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
    void setShown(int series, bool shown);
    void zoomTo(std::int64_t from, std::int64_t to);
    void zoomOut();
    bool canZoomOut() const { return !m_spans.empty(); }
    const TrendPicture &picture() const { return m_picture; }
    const TrendPainter::Shown &shown() const { return m_shown; }

signals:
    // The record under the pointer, or a cleared readout.
    void pointed(std::optional<TrendRecord> record);
    void zoomChanged(bool canZoomOut);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void render();
    void pointAt(double x);
    double secondAt(double x) const;

    std::array<QString, 5> m_names;
    TrendPainter::Shown m_shown{true, true, true, true, true};
    std::shared_ptr<const TrendEnvelope> m_envelope;
    std::vector<std::pair<std::int64_t, std::int64_t>> m_spans; // the spans zoomed out of
    TrendPicture m_picture;
    QImage m_image;
    std::optional<double> m_dragFrom; // x where a drag began
    double m_pointerX = -1.0;
};

} // namespace Brolant
