// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/trendwidget.h"

#include "history/localday.h"
#include "platform/translation.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace Brolant {

namespace {
constexpr int kLeftMargin = 64;
constexpr int kRightMargin = 16;
constexpr int kTopMargin = 4;
constexpr int kBottomMargin = 30;
constexpr int kLaneGap = 6;
constexpr int kLeastTickSpacing = 28; // pixels between value ticks in a lane
constexpr int kLabelGap = 16;         // pixels at least between two time labels
constexpr int kTickLength = 4;
constexpr int kLeastZoomPixels = 4;
constexpr double kDotWidth = 4.0; // a lone record's dot, in pixels
constexpr int kFrameRoom = 3;     // pixels between a lane's frame and its extreme values
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kShortestMonthDays = 28;
const QColor kSeriesColours[] = {QColor(200, 0, 0), QColor(0, 130, 0), QColor(0, 0, 220), QColor(190, 110, 0),
                                 QColor(140, 0, 160)};
const QColor kGrid(225, 225, 225);
const QColor kDragBand(0, 120, 215, 50);

// A step of the time axis: seconds, or whole months from the first of a month.
struct TimeStep
{
    std::int64_t seconds = 0;
    int months = 0;
    const char *format = "";
};

const TimeStep kTimeSteps[] = {{60, 0, "MM-dd HH:mm"},
                               {5 * 60, 0, "MM-dd HH:mm"},
                               {15 * 60, 0, "MM-dd HH:mm"},
                               {30 * 60, 0, "MM-dd HH:mm"},
                               {kSecondsPerHour, 0, "MM-dd HH:mm"},
                               {3 * kSecondsPerHour, 0, "MM-dd HH:mm"},
                               {6 * kSecondsPerHour, 0, "MM-dd HH:mm"},
                               {12 * kSecondsPerHour, 0, "MM-dd HH:mm"},
                               {kSecondsPerDay, 0, "yyyy-MM-dd"},
                               {2 * kSecondsPerDay, 0, "yyyy-MM-dd"},
                               {7 * kSecondsPerDay, 0, "yyyy-MM-dd"},
                               {14 * kSecondsPerDay, 0, "yyyy-MM-dd"},
                               {0, 1, "MMM yyyy"},
                               {0, 2, "MMM yyyy"},
                               {0, 3, "MMM yyyy"},
                               {0, 6, "MMM yyyy"},
                               {0, 12, "yyyy"}};

double stepPixels(const TimeStep &step, double pixelsPerSecond)
{
    const std::int64_t seconds = step.months > 0 ? step.months * kShortestMonthDays * kSecondsPerDay : step.seconds;
    return double(seconds) * pixelsPerSecond;
}

// The first step whose labels, at their widest, leave room between them.
const TimeStep &timeStep(const QFontMetrics &metrics, double pixelsPerSecond)
{
    const QDateTime widest(QDate(2026, 12, 28), QTime(23, 58));
    for (const TimeStep &step : kTimeSteps)
        if (stepPixels(step, pixelsPerSecond)
            >= metrics.horizontalAdvance(Translation::names().toString(widest, QLatin1String(step.format))) + kLabelGap)
            return step;
    return kTimeSteps[std::size(kTimeSteps) - 1];
}

// The ticks of the span as seconds from the first day's midnight, at round times of the local
// clock: a day the clocks change is an hour shorter or longer, and its ticks keep to the clock.
std::vector<std::int64_t> timeTicks(const TimeStep &step, const TrendMinutes &minutes, std::int64_t from,
                                    std::int64_t to)
{
    std::vector<std::int64_t> ticks;
    const auto addTick = [&](std::int64_t tick) {
        if (tick >= from && tick < to && (ticks.empty() || tick > ticks.back()))
            ticks.push_back(tick);
    };
    // From a day early, as clock changes may have moved midnights.
    const std::int64_t fromDay = std::max<std::int64_t>(0, from / kSecondsPerDay - 1);
    if (step.months > 0) {
        const QDate start = minutes.firstDay.addDays(fromDay);
        for (QDate month(start.year(), 1, 1); minutes.secondsTo(month) < to; month = month.addMonths(step.months))
            addTick(minutes.secondsTo(month));
        return ticks;
    }
    const std::int64_t everyDays = std::max<std::int64_t>(1, step.seconds / kSecondsPerDay);
    for (QDate day = minutes.firstDay.addDays(fromDay / everyDays * everyDays); minutes.secondsTo(day) < to;
         day = day.addDays(everyDays)) {
        const std::int64_t midnight = minutes.secondsTo(day);
        const LocalDay local(day);
        for (std::int64_t clockSecond = 0; clockSecond < kSecondsPerDay;
             clockSecond += std::min(step.seconds, kSecondsPerDay))
            addTick(midnight + local.secondOf(int(clockSecond), false));
    }
    return ticks;
}

void paintTimeAxis(QPainter &painter, const QSize &size, const QRect &area, const TrendMinutes &minutes,
                   const TrendPicture &picture)
{
    const double span = double(picture.to - picture.from);
    double labelEnd = -1.0;
    for (const auto &[tick, text] :
         TrendPainter::timeLabels(painter.fontMetrics(), minutes, picture.from, picture.to, area.width())) {
        const double x = area.left() + double(tick - picture.from) / span * area.width();
        painter.setPen(kGrid);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + kTickLength));
        const double width = painter.fontMetrics().horizontalAdvance(text);
        const double left = std::clamp(x - width / 2, 0.0, double(size.width()) - width);
        // Never over the label before it, whatever the width.
        if (left < labelEnd + kLabelGap / 2)
            continue;
        painter.drawText(QRectF(left, area.bottom() + kTickLength + 2, width, painter.fontMetrics().height()),
                         Qt::AlignLeft | Qt::AlignTop, text);
        labelEnd = left + width;
    }
}

QString tickText(double value, double step)
{
    const int decimals = std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 3);
    return QString::number(value, 'f', decimals);
}

// Where `value` lies in the lane from `low` to `high`, inside the frame: a record at the scale's
// end is not hidden under it.
double laneY(const QRect &lane, double low, double high, double value)
{
    return lane.bottom() - kFrameRoom - (value - low) / (high - low) * (lane.height() - 1 - 2 * kFrameRoom);
}

// The lane's grid and tick labels at `values`, its frame and its title.
void paintLaneScale(QPainter &painter, const QRect &lane, const std::vector<double> &values, const QColor &colour,
                    const QString &name)
{
    const double step = values.size() > 1 ? values[1] - values[0] : 1.0;
    for (const double value : values) {
        const double y = laneY(lane, values.front(), values.back(), value);
        painter.setPen(kGrid);
        painter.drawLine(QPointF(lane.left(), y), QPointF(lane.right(), y));
        painter.setPen(colour);
        painter.drawText(
            QRectF(0, y - painter.fontMetrics().height() / 2.0, lane.left() - 6, painter.fontMetrics().height()),
            Qt::AlignRight | Qt::AlignVCenter, tickText(value, step));
    }
    painter.setPen(Qt::black);
    painter.drawRect(lane.adjusted(0, 0, -1, -1));
    painter.setPen(colour);
    const int titleHeight = painter.fontMetrics().height();
    painter.drawText(QRect(lane.left(), lane.top() - titleHeight, lane.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignBottom, name);
}

// The series as a line through its columns, scaled from `low` to `high` of the lane.
void paintLaneLine(QPainter &painter, const QRect &lane, const std::vector<TrendColumn> &columns, const QColor &colour,
                   double low, double high)
{
    const auto yOf = [&](double value) { return laneY(lane, low, high, value); };
    painter.save();
    painter.setClipRect(lane);
    QPen pen(colour, 1.0);
    pen.setCosmetic(true);
    QPen dot(colour, kDotWidth, Qt::SolidLine, Qt::RoundCap);
    dot.setCosmetic(true);
    QPolygonF line;
    int lineColumns = 0;
    const auto drawLine = [&] {
        // A lone column of equal values would be a line of no length: a dot shows it.
        painter.setPen(lineColumns == 1 ? dot : pen);
        painter.drawPolyline(line);
        if (lineColumns == 1)
            painter.drawPoint(line.back());
        line.clear();
        lineColumns = 0;
    };
    for (size_t column = 0; column < columns.size(); ++column) {
        const TrendColumn &at = columns[column];
        if (!at.filled)
            continue;
        // A pause: the line breaks rather than bridging hours without records.
        if (!at.joinsPrevious)
            drawLine();
        const double x = lane.left() + double(column) + 0.5;
        line << QPointF(x, yOf(at.first)) << QPointF(x, yOf(at.low)) << QPointF(x, yOf(at.high))
             << QPointF(x, yOf(at.last));
        ++lineColumns;
    }
    drawLine();
    painter.restore();
}

void paintLane(QPainter &painter, const QRect &lane, const TrendPicture &picture, int series, const QString &name)
{
    const std::vector<double> values = TrendPainter::ticks(picture.lowest[size_t(series)],
                                                           picture.highest[size_t(series)],
                                                           std::max(2, lane.height() / kLeastTickSpacing));
    const QColor colour = TrendPainter::colour(series);
    paintLaneScale(painter, lane, values, colour, name);
    paintLaneLine(painter, lane, picture.columns[size_t(series)], colour, values.front(), values.back());
}
} // namespace

namespace TrendPainter {

std::vector<TimeLabel> timeLabels(const QFontMetrics &metrics, const TrendMinutes &minutes, std::int64_t from,
                                  std::int64_t to, int width)
{
    const TimeStep &step = timeStep(metrics, width / double(std::max<std::int64_t>(to - from, 1)));
    std::vector<TimeLabel> labels;
    if (!minutes.firstDay.isValid())
        return labels;
    for (const std::int64_t tick : timeTicks(step, minutes, from, to))
        // Month names in the language of the window; the digits are the same in every one.
        labels.push_back({tick, Translation::names().toString(minutes.timeAt(tick), QLatin1String(step.format))});
    return labels;
}

QRect plotArea(const QSize &size)
{
    return QRect(kLeftMargin, kTopMargin, std::max(1, size.width() - kLeftMargin - kRightMargin),
                 std::max(1, size.height() - kTopMargin - kBottomMargin));
}

std::vector<std::pair<int, QRect>> lanes(const QSize &size, const Shown &shown, int titleHeight)
{
    const QRect area = plotArea(size);
    const int count = int(std::count(shown.begin(), shown.end(), true));
    std::vector<std::pair<int, QRect>> result;
    if (count == 0)
        return result;
    const int each = (area.height() - (count - 1) * kLaneGap) / count;
    int top = area.top();
    for (int series = 0; series < int(shown.size()); ++series) {
        if (!shown[size_t(series)])
            continue;
        result.emplace_back(series,
                            QRect(area.left(), top + titleHeight, area.width(), std::max(1, each - titleHeight)));
        top += each + kLaneGap;
    }
    return result;
}

std::vector<double> ticks(double low, double high, int most)
{
    if (!(high - low > 1e-9)) {
        low -= 1.0;
        high += 1.0;
    }
    const double rough = (high - low) / std::max(1, most);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double multiple : {1.0, 2.0, 5.0, 10.0}) {
        step = multiple * power;
        if (step >= rough)
            break;
    }
    std::vector<double> values;
    for (double value = std::floor(low / step) * step; value < high + step * 0.999; value += step)
        values.push_back(std::abs(value) < step * 1e-9 ? 0.0 : value);
    return values;
}

QColor colour(int series)
{
    return kSeriesColours[series];
}

void paint(QPainter &painter, const QSize &size, const TrendMinutes &minutes, const TrendPicture &picture,
           const std::array<QString, 5> &names, const Shown &shown)
{
    const QRect area = plotArea(size);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const auto shownLanes = lanes(size, shown, painter.fontMetrics().height());
    if (shownLanes.empty()) {
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignCenter,
                         QCoreApplication::translate("Brolant::TrendWidget", "Tick a series to draw it."));
        return;
    }
    paintTimeAxis(painter, size,
                  QRect(area.left(), area.top(), area.width(), shownLanes.back().second.bottom() - area.top() + 1),
                  minutes, picture);
    for (const auto &[series, lane] : shownLanes) {
        const QString range = QCoreApplication::translate("Brolant::TrendWidget", "  (%1 to %2)")
                                  .arg(picture.lowest[size_t(series)], 0, 'f', 1)
                                  .arg(picture.highest[size_t(series)], 0, 'f', 1);
        paintLane(painter, lane, picture, series, names[size_t(series)] + range);
    }
}

} // namespace TrendPainter

TrendWidget::TrendWidget(const std::array<QString, 5> &names, QWidget *parent) : QWidget(parent), m_names(names)
{
    setAccessibleName(tr("Trend plot"));
    setAccessibleDescription(tr(
        "each series ticked in a lane of its own over the chosen days; the readout below names the record under the pointer; drag from left to right to zoom"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setMinimumSize(400, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrendWidget::setEnvelope(std::shared_ptr<const TrendEnvelope> envelope)
{
    m_envelope = std::move(envelope);
    m_spans.clear();
    zoomTo(m_envelope->start(), m_envelope->finish());
}

void TrendWidget::setShown(int series, bool shown)
{
    m_shown[size_t(series)] = shown;
    render();
}

void TrendWidget::zoomTo(std::int64_t from, std::int64_t to)
{
    m_picture = m_envelope->picture(from, to, TrendPainter::plotArea(size()).width());
    render();
    emit zoomChanged(canZoomOut());
    // What is under the pointer changed with the span.
    if (m_pointerX >= 0)
        pointAt(m_pointerX);
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
    painter.setFont(font());
    if (m_envelope)
        TrendPainter::paint(painter, size(), m_envelope->minutes(), m_picture, m_names, m_shown);
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

void TrendWidget::pointAt(double x)
{
    emit pointed(m_envelope ? m_envelope->nearest(secondAt(x)) : std::nullopt);
}

void TrendWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_pointerX = event->position().x();
    update();
    pointAt(m_pointerX);
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
