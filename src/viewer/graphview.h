// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "viewer/plotmodel.h"

#include <QString>
#include <QStringList>

namespace Brolant {

// What the log viewer's model asks of its window.
class GraphView
{
public:
    virtual ~GraphView() = default;

    // The folder the file list shows, and its "*.txt" files.
    virtual void showFolder(const QString &path, const QStringList &subfolders, const QStringList &files) = 0;
    virtual void showFileName(const QString &name) = 0;
    // The four time boxes: start hour and minute, finish hour and minute.
    virtual void showStartTime(const QString &hour, const QString &minute) = 0;
    virtual void showFinishTime(const QString &hour, const QString &minute) = 0;
    virtual void setPlotOptionsShown(const PlotOptions &options) = 0;
    virtual void showScaledCaption(const QString &caption) = 0;
    virtual void clearPlot() = 0;
    // The plot cleared and every label around it back to its start text: nothing is loaded.
    virtual void clearDay() = 0;
    virtual void showPlot(const PlotPicture &picture, const PlotTexts &texts) = 0;
    // The values under the pointer: time, then volts, amps, watts, rpm and wind speed.
    virtual void showReadout(int which, const QString &text) = 0;
    // A red mark along the top edge between two x positions in plot coordinates.
    virtual void markDrag(double fromX, double toX) = 0;
    // The plot as last drawn, without the marks of a drag.
    virtual void clearDragMarks() = 0;
    virtual void message(const QString &text) = 0;
};

} // namespace Brolant
