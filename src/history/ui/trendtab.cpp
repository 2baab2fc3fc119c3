// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/trendtab.h"

#include "history/ui/historywidgets.h"
#include "history/ui/loadstatus.h"
#include "history/ui/trendwidget.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brolant {

namespace {
constexpr int kRecentDays = 30;
const char *const kNoReadout = QT_TRANSLATE_NOOP("Brolant::TrendTab", "Point at the plot to read a record.");

std::array<QString, 5> seriesNames(const std::array<QString, 5> &units)
{
    const char *const names[] = {
        QT_TRANSLATE_NOOP("Brolant::TrendTab", "Volts"), QT_TRANSLATE_NOOP("Brolant::TrendTab", "Amps"),
        QT_TRANSLATE_NOOP("Brolant::TrendTab", "Watts"), QT_TRANSLATE_NOOP("Brolant::TrendTab", "RPM"),
        QT_TRANSLATE_NOOP("Brolant::TrendTab", "Wind")};
    std::array<QString, 5> named;
    for (size_t series = 0; series < named.size(); ++series) {
        const QString unit = units[series].trimmed();
        named[series] = QCoreApplication::translate("Brolant::TrendTab", names[series]);
        // "RPM (RPM)", or "U/min (RPM)", would name the unit twice.
        if (!unit.isEmpty() && unit.compare(QLatin1String(names[series]), Qt::CaseInsensitive) != 0)
            named[series] += QStringLiteral(" (") + unit + u')';
    }
    return named;
}

HistoryLoadOf<std::shared_ptr<const TrendEnvelope>>::Work trendWork(const std::vector<QDate> &days)
{
    return [days](HistoryReader &reader) -> std::shared_ptr<const TrendEnvelope> {
        return std::make_shared<const TrendEnvelope>(
            std::make_shared<const TrendMinutes>(TrendMinutes::of(reader.days(days))));
    };
}
} // namespace

TrendTab::TrendTab(std::shared_ptr<HistorySource> source, const std::array<QString, 5> &units, const QDate &today,
                   QWidget *parent)
    : QWidget(parent), m_units(units), m_load(std::move(source), this)
{
    const auto names = seriesNames(units);
    auto *column = new QVBoxLayout(this);
    auto *controls = new QHBoxLayout;
    m_range = new DayRangeBar(today.addDays(-(kRecentDays - 1)), today, this);
    controls->addWidget(m_range, 1);
    m_zoomOut = new QPushButton(tr("Zoom out"), this);
    m_zoomOut->setAccessibleDescription(tr("step back to the span before the last zoom"));
    m_zoomOut->setAutoDefault(false);
    m_zoomOut->setEnabled(false);
    controls->addWidget(m_zoomOut);
    column->addLayout(controls);
    m_plot = new TrendWidget(names, this);
    auto *series = new QHBoxLayout;
    for (int at = 0; at < int(names.size()); ++at) {
        auto *box = new QCheckBox(names[size_t(at)], this);
        box->setChecked(true);
        box->setAccessibleDescription(tr("draw this series in a lane of its own"));
        series->addWidget(box);
        connect(box, &QCheckBox::toggled, m_plot, [this, at](bool on) { m_plot->setShown(at, on); });
    }
    series->addStretch(1);
    column->addLayout(series);
    column->addWidget(m_plot, 1);
    m_readout = new QLabel(tr(kNoReadout), this);
    m_readout->setObjectName(QStringLiteral("Readout"));
    m_readout->setAccessibleDescription(tr("the record nearest the pointer"));
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_readout->setTextFormat(Qt::PlainText); // the wind speed's unit is the user's text
    column->addWidget(m_readout);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    column->addWidget(m_note);
    m_status = new LoadStatus(m_load, this);
    column->addWidget(m_status);

    connect(m_range, &DayRangeBar::showClicked, this, &TrendTab::showClicked);
    connect(m_zoomOut, &QPushButton::clicked, m_plot, &TrendWidget::zoomOut);
    connect(m_plot, &TrendWidget::zoomChanged, m_zoomOut, &QPushButton::setEnabled);
    connect(m_plot, &TrendWidget::pointed, this, &TrendTab::pointed);
    connect(&m_load, &HistoryLoad::reported, this,
            [this](const LoadReport &report) { m_note->setText(HistoryWidgets::problemsText(report)); });
    connect(&m_load, &HistoryLoad::loaded, this, &TrendTab::loaded);
    showClicked();
}

void TrendTab::showClicked()
{
    const auto days = HistoryFiles::daysBetween(m_range->from(), m_range->to());
    m_status->started(int(days.size()));
    m_load.request(int(days.size()), trendWork(days));
}

void TrendTab::loaded()
{
    m_status->finished();
    m_envelope = m_load.result();
    pointed(std::nullopt);
    m_plot->setEnvelope(m_envelope); // reads out the record under the pointer, if any
}

void TrendTab::pointed(std::optional<TrendRecord> record)
{
    if (record)
        m_readout->setText(m_envelope->readout(*record, m_units));
    else
        m_readout->setText(m_envelope && m_envelope->minutes().size() == 0 ? tr("No records in these days.")
                                                                           : tr(kNoReadout));
}

} // namespace Brolant
