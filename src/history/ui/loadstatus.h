// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace Brolant {

class HistoryLoad;

// A bar and a Cancel button that show while a tab's daily logs are being read.
class LoadStatus final : public QWidget
{
    Q_OBJECT

public:
    LoadStatus(HistoryLoad &load, QWidget *parent = nullptr);

    // Shows the bar for a load of `days` days just requested.
    void started(int days);
    void finished();

private:
    QLabel *m_caption = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace Brolant
