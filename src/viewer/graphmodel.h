// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "viewer/dayrecords.h"
#include "viewer/plotmodel.h"
#include "viewer/viewersettings.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

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
    Q_DECLARE_TR_FUNCTIONS(Brolant::GraphModel)

public:
    enum Switch
    {
        VoltsBox,
        AmpsBox,
        WattsBox,
        RpmBox,
        WindSpeedBox,
        ScaledBox
    };
    enum Readout
    {
        TimeReadout,
        VoltsReadout,
        AmpsReadout,
        WattsReadout,
        RpmReadout,
        WindSpeedReadout
    };

    GraphModel(QString programFolder, ViewerSession &session, GraphView &view);

    void open();
    void folderChosen(const QString &path);
    void fileClicked(const QString &name);
    // DISPLAY and .CSV, with the texts of the four time boxes as the user left them.
    void displayClicked(const QStringList &typedTimes);
    // .CSV: the view shown, named for the times of its first and last record.
    void exportClicked();
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
    // What a press on the plot changed, put back when the release zooms nothing.
    struct BeforePress
    {
        double first = 0.0;
        QString hour;
        QString minute;
    };

    QString m_programFolder;
    ViewerSession &m_session;
    GraphView &m_view;
    ViewerSettings m_settings;
    PlotOptions m_options;
    ViewRange m_range;
    bool m_dragActive = false;
    QString m_timeUnderPointer;
    std::optional<BeforePress> m_beforePress;
    QString m_folder;  // the folder the file list shows
    QString m_dayFile; // the day in text1, in the folder it was chosen from
    // The time boxes: start hour and minute, finish hour and minute.
    QStringList m_times{QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("23"), QStringLiteral("59")};
};

} // namespace Brolant
