#pragma once

#include "viewer/dayrecords.h"
#include "viewer/plotmodel.h"
#include "viewer/viewersettings.h"

#include <QString>
#include <QStringList>

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
    // DISPLAY and .CSV, with the texts of the four time boxes as the user left them.
    void displayClicked(const QStringList &typedTimes);
    void exportClicked(const QStringList &typedTimes);
    void switchToggled(Switch which, bool ticked);
    void pointerMoved(double x);
    void pressed(double x);
    void released(double x);

    const ViewRange &range() const { return m_range; }
    const PlotOptions &options() const { return m_options; }
    bool dragActive() const { return m_dragActive; }

private:
    void display();
    void exportCsv();
    void showStartTime(const QString &hour, const QString &minute);
    void showFinishTime(const QString &hour, const QString &minute);
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
    QString m_fileName; // the day in text1
    // The time boxes: start hour and minute, finish hour and minute.
    QStringList m_times{QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("23"),
                        QStringLiteral("59")};
};

} // namespace Brolant
