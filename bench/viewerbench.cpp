// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewerbench.h"

#include "benchmark.h"
#include "programfolder.h"
#include "scriptedprompts.h"
#include "viewer/ui/graph.h"

#include <QTime>

using namespace Brolant;

void benchViewer()
{
    ProgramFolder folder;
    folder.writeProgramConfig("0", "0", "10");
    QByteArray day;
    for (int record = 1; record <= 9999; ++record) {
        const QTime time = QTime(0, 0).addSecs(record * 8);
        day += "<T>" + time.toString("HH:mm").toLatin1() + "</T><V>"
               + QByteArray::number(12.5 + (record % 37) / 20.0, 'f', 2) + "</V><I>"
               + QByteArray::number((record % 53) / 5.0, 'f', 2) + "</I><W>" + QByteArray::number(record % 300)
               + ".00</W><R>" + QByteArray::number(record % 450) + "</R><S>" + QByteArray::number(record % 20)
               + ".0</S><M>0</M>   12.5Wh\r\n";
    }
    folder.write("logs/P_2010_03_07.txt", day);

    ScriptedPrompts messages;
    ViewerSession session;
    Graph graph(folder.path(), session, messages);
    graph.show();
    graph.model().switchToggled(GraphModel::WindSpeedBox, true); // all five series
    const Timing load = nanosecondsPerRound(50, [&](long) { graph.model().fileClicked("P_2010_03_07.txt"); });
    report("viewer load and draw of 9,999 records", load, 1e6, "ms");
    const Timing redraw = nanosecondsPerRound(
        50, [&](long i) { graph.model().switchToggled(GraphModel::ScaledBox, i % 2 == 0); });
    report("viewer redraw", redraw, 1e6, "ms");
    const Timing move = nanosecondsPerRound(20000, [&](long i) { graph.model().pointerMoved(double(i % 9000)); });
    report("viewer pointer move", move, 1000.0, "us");
}
