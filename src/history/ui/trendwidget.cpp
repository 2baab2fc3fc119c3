#include "history/ui/trendwidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace Brolant {

namespace {
constexpr int kLeftMargin = 64;
constexpr int kRightMargin = 64;
constexpr int kTopMargin = 28;
constexpr int kBottomMargin = 34;
constexpr int kGridLines = 4;
constexpr int kLeastTickSpacing = 110;
constexpr int kLeastZoomPixels = 4;
constexpr std::int64_t kSecondsPerDay = 86400;
const QColor kSeriesColours[] = {QColor(200, 0, 0), QColor(0, 130, 0), QColor(0, 0, 220),
                                 QColor(190, 110, 0), QColor(140, 0, 160)};
const QColor kGrid(220, 220, 220);
const QColor kDragBand(0, 120, 215, 50);

// A series' extent with room above and below, never empty.
std::pair<double, double> scale(const TrendPicture &picture, int series)
{
    double low = picture.lowest[size_t(series)];
    double high = picture.highest[size_t(series)];
    if (high - low < 1e-6) {
        low -= 1.0;
        high += 1.0;
    }
    const double margin = (high - low) / 40.0;
    return {low - margin, high + margin};
}

double yOf(double value, const std::pair<double, double> &range, const QRect &area)
{
    return area.top() + (range.second - value) / (range.second - range.first) * area.height();
}

QString valueLabel(double value)
{
    return QString::number(value, 'f', std::fabs(value) < 100 ? 1 : 0);
}

void paintSeries(QPainter &painter, const QRect &area, const TrendPicture &picture, int series)
{
    const auto range = scale(picture, series);
    QPen pen(kSeriesColours[series], 1.0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    QPolygonF line;
    const auto &columns = picture.columns[size_t(series)];
    for (size_t column = 0; column < columns.size(); ++column) {
        const TrendColumn &at = columns[column];
        if (!at.filled) {
            // A pause: the line breaks rather than bridging hours without records.
            painter.drawPolyline(line);
            line.clear();
            continue;
        }
        const double x = area.left() + double(column) + 0.5;
        line << QPointF(x, yOf(at.first, range, area)) << QPointF(x, yOf(at.low, range, area))
             << QPointF(x, yOf(at.high, range, area)) << QPointF(x, yOf(at.last, range, area));
    }
    painter.drawPolyline(line);
}

// Time ticks at a round step at least kLeastTickSpacing pixels apart.
void paintTimeAxis(QPainter &painter, const QRect &area, const HistoryRecords &records,
                   const TrendPicture &picture)
{
    static const std::int64_t kSteps[] = {60,    300,   900,   1800,  3600,   3 * 3600, 6 * 3600,
                                          12 * 3600, kSecondsPerDay, 2 * kSecondsPerDay,
                                          7 * kSecondsPerDay, 14 * kSecondsPerDay, 28 * kSecondsPerDay};
    const double span = double(picture.to - picture.from);
    std::int64_t step = kSteps[std::size(kSteps) - 1];
    for (const std::int64_t candidate : kSteps) {
        if (candidate / span * area.width() >= kLeastTickSpacing) {
            step = candidate;
            break;
        }
    }
    const QString format = step >= kSecondsPerDay ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("MM-dd HH:mm");
    const QDateTime origin(records.firstDay.isValid() ? records.firstDay : QDate(2000, 1, 1), QTime(0, 0));
    for (std::int64_t tick = (picture.from + step - 1) / step * step; tick < picture.to; tick += step) {
        const double x = area.left() + double(tick - picture.from) / span * area.width();
        painter.setPen(kGrid);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
        const QString text = origin.addSecs(tick).toString(format);
        painter.drawText(QRectF(x - 60, area.bottom() + 6, 120, 20), Qt::AlignHCenter | Qt::AlignTop, text);
    }
}

void paintValueAxes(QPainter &painter, const QRect &area, const TrendPicture &picture,
                    const std::array<QString, 5> &names)
{
    const std::pair<int, Qt::Alignment> sides[] = {{DayRecords::Volts, Qt::AlignRight},
                                                   {DayRecords::Watts, Qt::AlignLeft}};
    for (int line = 0; line <= kGridLines; ++line) {
        const double y = area.top() + double(line) / kGridLines * area.height();
        painter.setPen(kGrid);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        for (const auto &[series, alignment] : sides) {
            const auto range = scale(picture, series);
            const double value = range.second - double(line) / kGridLines * (range.second - range.first);
            painter.setPen(kSeriesColours[series]);
            const QRectF box = alignment == Qt::AlignRight
                                   ? QRectF(0, y - 10, area.left() - 6, 20)
                                   : QRectF(area.right() + 6, y - 10, kRightMargin - 6, 20);
            painter.drawText(box, alignment | Qt::AlignVCenter, valueLabel(value));
        }
    }
    painter.setPen(kSeriesColours[DayRecords::Volts]);
    painter.drawText(QRectF(0, 0, kLeftMargin, kTopMargin), Qt::AlignCenter, names[DayRecords::Volts]);
    painter.setPen(kSeriesColours[DayRecords::Watts]);
    painter.drawText(QRectF(area.right(), 0, kRightMargin, kTopMargin), Qt::AlignCenter, names[DayRecords::Watts]);
}

void paintLegend(QPainter &painter, const QRect &area, const TrendPicture &picture,
                 const std::array<QString, 5> &names)
{
    const double width = double(area.width()) / HistoryRecords::kSeriesCount;
    for (int series = 0; series < HistoryRecords::kSeriesCount; ++series) {
        const double x = area.left() + series * width;
        painter.fillRect(QRectF(x, 9, 14, 10), kSeriesColours[series]);
        painter.setPen(Qt::black);
        const QString text = names[size_t(series)] + u' ' + valueLabel(picture.lowest[size_t(series)])
                             + QStringLiteral(" to ") + valueLabel(picture.highest[size_t(series)]);
        painter.drawText(QRectF(x + 18, 0, width - 20, kTopMargin), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}
} // namespace

namespace TrendPainter {

QRect plotArea(const QSize &size)
{
    return QRect(kLeftMargin, kTopMargin, std::max(1, size.width() - kLeftMargin - kRightMargin),
                 std::max(1, size.height() - kTopMargin - kBottomMargin));
}

QColor colour(int series)
{
    return kSeriesColours[series];
}

void paint(QPainter &painter, const QSize &size, const HistoryRecords &records,
           const TrendPicture &picture, const std::array<QString, 5> &names)
{
    const QRect area = plotArea(size);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    paintValueAxes(painter, area, picture, names);
    paintTimeAxis(painter, area, records, picture);
    painter.setPen(Qt::black);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    paintLegend(painter, area, picture, names);
    painter.setClipRect(area);
    for (int series = 0; series < HistoryRecords::kSeriesCount; ++series)
        paintSeries(painter, area, picture, series);
}

} // namespace TrendPainter

TrendWidget::TrendWidget(const std::array<QString, 5> &names, QWidget *parent)
    : QWidget(parent), m_names(names)
{
    setAccessibleName(QStringLiteral("Trend plot"));
    setAccessibleDescription(QStringLiteral(
        "the five series over the chosen days; the readout below names the record under the pointer; drag from left to right to zoom"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setMinimumSize(480, 260);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrendWidget::setEnvelope(std::shared_ptr<const TrendEnvelope> envelope)
{
    m_envelope = std::move(envelope);
    m_spans.clear();
    zoomTo(m_envelope->start(), m_envelope->finish());
}

void TrendWidget::zoomTo(std::int64_t from, std::int64_t to)
{
    m_picture = m_envelope->picture(from, to, TrendPainter::plotArea(size()).width());
    render();
    emit zoomChanged(canZoomOut());
}

void TrendWidget::zoomOut()
{
    if (m_spans.empty())
        return;
    const auto [from, to] = m_spans.back();
    m_spans.pop_back();
    zoomTo(from, to);
}

void TrendWidget::render()
{
    m_image = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&m_image);
    if (m_envelope)
        TrendPainter::paint(painter, size(), m_envelope->records(), m_picture, m_names);
    else
        m_image.fill(Qt::white);
    update();
}

void TrendWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
    const QRect area = TrendPainter::plotArea(size());
    if (m_dragFrom)
        painter.fillRect(QRectF(QPointF(*m_dragFrom, area.top()), QPointF(m_pointerX, area.bottom())), kDragBand);
    else if (m_pointerX >= area.left() && m_pointerX <= area.right()) {
        painter.setPen(Qt::gray);
        painter.drawLine(QPointF(m_pointerX, area.top()), QPointF(m_pointerX, area.bottom()));
    }
}

void TrendWidget::resizeEvent(QResizeEvent *)
{
    if (m_envelope)
        zoomTo(m_picture.from, m_picture.to);
    else
        render();
}

double TrendWidget::secondAt(double x) const
{
    const QRect area = TrendPainter::plotArea(size());
    return m_picture.from + (x - area.left()) / area.width() * double(m_picture.to - m_picture.from);
}

void TrendWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_pointerX = event->position().x();
    update();
    emit pointed(m_envelope ? m_envelope->nearest(secondAt(m_pointerX)) : std::nullopt);
}

void TrendWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_envelope)
        m_dragFrom = event->position().x();
}

void TrendWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragFrom)
        return;
    const double from = *std::exchange(m_dragFrom, std::nullopt);
    const double to = event->position().x();
    update();
    if (to - from < kLeastZoomPixels)
        return;
    m_spans.emplace_back(m_picture.from, m_picture.to);
    zoomTo(std::int64_t(std::floor(secondAt(from))), std::int64_t(std::ceil(secondAt(to))));
}

} // namespace Brolant
