// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/historyloader.h"
#include "history/trendenvelope.h"

#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;

namespace Brolant {

class DayRangeBar;
class LoadStatus;
class TrendWidget;

// The five series over any range of days, each in a lane of its own that a check box shows or
// hides, every spike kept, zoomed by dragging.
class TrendTab final : public QWidget
{
    Q_OBJECT

public:
    TrendTab(std::shared_ptr<HistorySource> source, const std::array<QString, 5> &units, const QDate &today,
             QWidget *parent = nullptr);

    void showClicked();
    TrendWidget *plot() const { return m_plot; }
    DayRangeBar *range() const { return m_range; }

private:
    void loaded();
    void pointed(std::optional<TrendRecord> record);

    std::array<QString, 5> m_units;
    HistoryLoadOf<std::shared_ptr<const TrendEnvelope>> m_load;
    std::shared_ptr<const TrendEnvelope> m_envelope;
    QString m_problems;

    DayRangeBar *m_range = nullptr;
    QPushButton *m_zoomOut = nullptr;
    TrendWidget *m_plot = nullptr;
    QLabel *m_readout = nullptr;
    QLabel *m_note = nullptr;
    LoadStatus *m_status = nullptr;
};

} // namespace Brolant
