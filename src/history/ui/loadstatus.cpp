// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/loadstatus.h"

#include "history/historyloader.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace Brolant {

LoadStatus::LoadStatus(HistoryLoad &load, QWidget *parent)
    : QWidget(parent),
      m_caption(new QLabel(tr("Reading the daily logs..."), this)),
      m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(tr("Cancel"), this))
{
    m_bar->setAccessibleName(tr("Days read"));
    m_cancel->setAccessibleDescription(tr("stop reading the daily logs"));
    m_cancel->setAutoDefault(false);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_caption);
    row->addWidget(m_bar, 1);
    row->addWidget(m_cancel);
    connect(&load, &HistoryLoad::progressed, this, [this](int done, int inAll) {
        m_bar->setRange(0, inAll);
        m_bar->setValue(done);
    });
    connect(m_cancel, &QPushButton::clicked, this, [this, &load] {
        load.cancel();
        m_caption->setText(tr("Reading cancelled; what is shown is from before."));
        m_bar->hide();
        m_cancel->hide();
    });
    hide();
}

void LoadStatus::started(int days)
{
    m_caption->setText(tr("Reading the daily logs..."));
    m_bar->setRange(0, days);
    m_bar->setValue(0);
    m_bar->show();
    m_cancel->show();
    show();
}

void LoadStatus::finished()
{
    hide();
}

} // namespace Brolant
