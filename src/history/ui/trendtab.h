#pragma once

#include "history/historyloader.h"

#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QPushButton;

namespace Brolant {

class DayRangeBar;
class LoadStatus;
class TrendEnvelope;
class TrendWidget;

// The five series over any range of days, every spike kept, zoomed by dragging.
class TrendTab final : public QWidget
{
    Q_OBJECT

public:
    TrendTab(const QString &programFolder, const std::array<QString, 5> &units, const QDate &today,
             QWidget *parent = nullptr);

    void showClicked();
    TrendWidget *plot() const { return m_plot; }

private:
    void loaded(std::shared_ptr<const HistoryRecords> records);
    void pointed(std::optional<size_t> record);

    std::array<QString, 5> m_units;
    HistoryLoad m_load;
    std::shared_ptr<const TrendEnvelope> m_envelope;

    DayRangeBar *m_range = nullptr;
    QPushButton *m_zoomOut = nullptr;
    TrendWidget *m_plot = nullptr;
    QLabel *m_readout = nullptr;
    LoadStatus *m_status = nullptr;
};

} // namespace Brolant
