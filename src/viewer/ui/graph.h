// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "viewer/graphmodel.h"
#include "viewer/graphview.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

namespace Brolant {

class ElidedLabel;
class Messages;
class PlotWidget;

// The "Graph" window: a day's log plotted, read off, zoomed and exported.
class Graph final : public QDialog, public GraphView
{
    Q_OBJECT

public:
    Graph(const QString &programFolder, ViewerSession &session, Messages &messages, QWidget *parent = nullptr);

    GraphModel &model() { return m_model; }

    void showFolder(const QString &path, const QStringList &subfolders, const QStringList &files) override;
    void showFileName(const QString &name) override;
    void showStartTime(const QString &hour, const QString &minute) override;
    void showFinishTime(const QString &hour, const QString &minute) override;
    // The four time boxes' texts, handed to the model with a click.
    QStringList times() const;
    void setPlotOptionsShown(const PlotOptions &options) override;
    void showScaledCaption(const QString &caption) override;
    void clearPlot() override;
    void clearDay() override;
    void showPlot(const PlotPicture &picture, const PlotTexts &texts) override;
    void showReadout(int which, const QString &text) override;
    void markDrag(double fromX, double toX) override;
    void clearDragMarks() override;
    void message(const QString &text) override;

signals:
    // The user asked for the Energy History; whoever composes the windows opens it.
    void historyRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLineEdit *timeBox(const char *name, const QString &text, const QString &description);
    // The panel left of the plot, top to bottom: the day's file, the time range, the buttons
    // and the readouts.
    QWidget *buildFilePanel();
    void addDayLists(QWidget *panel, QVBoxLayout *column, QLabel *title);
    QLayout *buildRangeGrid();
    QLayout *buildButtonRow(QWidget *panel);
    QWidget *buildHistoryButton(QWidget *panel);
    QLayout *buildReadoutGrid();
    QWidget *buildLegend();

    Messages &m_messages;
    GraphModel m_model;
    ElidedLabel *m_fileName = nullptr;
    QListWidget *m_folders = nullptr;
    QListWidget *m_files = nullptr;
    std::array<QLineEdit *, 4> m_times{};
    std::array<QCheckBox *, 6> m_switches{};
    std::array<QLabel *, 5> m_tops{};
    std::array<QLabel *, 5> m_bottoms{};
    std::array<QLabel *, 6> m_readouts{};
    QLabel *m_start = nullptr;
    QLabel *m_finish = nullptr;
    QLabel *m_energy = nullptr;
    PlotWidget *m_plot = nullptr;
};

} // namespace Brolant
