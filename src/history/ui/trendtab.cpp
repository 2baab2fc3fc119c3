#include "history/ui/trendtab.h"

#include "history/ui/historywidgets.h"
#include "history/ui/loadstatus.h"
#include "history/ui/trendwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brolant {

namespace {
constexpr int kRecentDays = 30;
const QString kNoReadout = QStringLiteral("Point at the plot to read a record.");

std::array<QString, 5> seriesNames(const std::array<QString, 5> &units)
{
    const char *const names[] = {"Volts", "Amps", "Watts", "RPM", "Wind"};
    std::array<QString, 5> named;
    for (size_t series = 0; series < named.size(); ++series) {
        const QString unit = units[series].trimmed();
        named[series] = QLatin1String(names[series]);
        // "RPM (RPM)" would say it twice.
        if (!unit.isEmpty() && unit.compare(named[series], Qt::CaseInsensitive) != 0)
            named[series] += QStringLiteral(" (") + unit + u')';
    }
    return named;
}
} // namespace

TrendTab::TrendTab(const QString &programFolder, const std::array<QString, 5> &units,
                   const QDate &today, QWidget *parent)
    : QWidget(parent), m_units(units), m_load(programFolder)
{
    auto *column = new QVBoxLayout(this);
    auto *controls = new QHBoxLayout;
    m_range = new DayRangeBar(today.addDays(-(kRecentDays - 1)), today, this);
    controls->addWidget(m_range, 1);
    m_zoomOut = new QPushButton(QStringLiteral("Zoom out"), this);
    m_zoomOut->setAccessibleDescription(QStringLiteral("step back to the span before the last zoom"));
    m_zoomOut->setAutoDefault(false);
    m_zoomOut->setEnabled(false);
    controls->addWidget(m_zoomOut);
    column->addLayout(controls);
    m_plot = new TrendWidget(seriesNames(units), this);
    column->addWidget(m_plot, 1);
    m_readout = new QLabel(kNoReadout, this);
    m_readout->setObjectName(QStringLiteral("Readout"));
    m_readout->setAccessibleDescription(QStringLiteral("the record nearest the pointer"));
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_readout->setTextFormat(Qt::PlainText); // the wind speed's unit is the user's text
    column->addWidget(m_readout);
    m_status = new LoadStatus(m_load, this);
    column->addWidget(m_status);

    connect(m_range, &DayRangeBar::showClicked, this, &TrendTab::showClicked);
    connect(m_zoomOut, &QPushButton::clicked, m_plot, &TrendWidget::zoomOut);
    connect(m_plot, &TrendWidget::zoomChanged, m_zoomOut, &QPushButton::setEnabled);
    connect(m_plot, &TrendWidget::pointed, this, &TrendTab::pointed);
    connect(&m_load, &HistoryLoad::loaded, this, &TrendTab::loaded);
    showClicked();
}

void TrendTab::showClicked()
{
    const auto days = HistoryFiles::daysBetween(m_range->from(), m_range->to());
    m_status->started(int(days.size()));
    m_load.request(days);
}

void TrendTab::loaded(std::shared_ptr<const HistoryRecords> records)
{
    m_status->finished();
    m_envelope = std::make_shared<const TrendEnvelope>(std::move(records));
    m_plot->setEnvelope(m_envelope);
    pointed(std::nullopt);
}

void TrendTab::pointed(std::optional<size_t> record)
{
    if (record)
        m_readout->setText(m_envelope->records().readout(*record, m_units));
    else
        m_readout->setText(m_envelope && m_envelope->records().size() == 0 ? QStringLiteral("No records in these days.")
                                                                           : kNoReadout);
}

} // namespace Brolant
