#pragma once

#include "viewer/dayrecords.h"
#include "viewer/plotmodel.h"
#include "viewer/viewersettings.h"

#include <QString>

namespace Brolant {

class GraphView;

// What the log viewer keeps from one opening to the next within a run: the loaded day, the
// scales and total of the last redraw, and whether a zoom was being applied.
struct ViewerSession
{
    DayRecords records;
    PlotModel plot;
    bool zoomApplying = false;
};

// The log viewer's state and handlers: choosing and loading a day, redrawing, the series and
// scale switches, the readouts under the pointer, zooming by dragging, and the CSV export.
class GraphModel
{
public:
    enum Switch { VoltsBox, AmpsBox, WattsBox, RpmBox, WindSpeedBox, ScaledBox };
    enum Readout { TimeReadout, VoltsReadout, AmpsReadout, WattsReadout, RpmReadout, WindSpeedReadout };

    GraphModel(QString programFolder, ViewerSession &session, GraphView &view);

    void open();
    void folderChosen(const QString &path);
    void fileClicked(const QString &name);
    void display();
    void switchClicked(Switch which, bool ticked);
    void pointerMoved(double x);
    void pressed(double x);
    void released(double x);
    void exportCsv();

    const ViewRange &range() const { return m_range; }
    const PlotOptions &options() const { return m_options; }
    bool dragActive() const { return m_dragActive; }

private:
    void redraw();
    void loadFailed(const QString &message);
    QString logsFolder() const;

    QString m_programFolder;
    ViewerSession &m_session;
    GraphView &m_view;
    ViewerSettings m_settings;
    PlotOptions m_options;
    ViewRange m_range;
    bool m_dragActive = false;
    QString m_timeUnderPointer;
};

} // namespace Brolant
