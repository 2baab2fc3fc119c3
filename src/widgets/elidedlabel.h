// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace Brolant {

// A one-line plain-text label that, given less room than its text needs, draws the text with its
// middle left out ("P_2010_…_move.txt") and offers the whole in its tooltip. Its text, and so
// what a screen reader announces, stays whole.
class ElidedLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setText(const QString &text);
    // What it draws now.
    QString shownText() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Brolant
