// SPDX-License-Identifier: GPL-3.0-or-later
// brolant-bench: prints one line per figure, "name: value unit". With an argument (history,
// startup, receive, viewer, logging) only that group runs.

#include "historybench.h"
#include "loggingbench.h"
#include "receivebench.h"
#include "startupbench.h"
#include "viewerbench.h"
#include "webbench.h"

#include <QApplication>

#include <utility>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // History first, so the month's memory is the history's own and not what earlier figures left.
    const std::pair<const char *, void (*)()> groups[] = {{"history", benchHistory},     {"startup", benchStartUp},
                                                          {"receive", benchReceivePath}, {"viewer", benchViewer},
                                                          {"logging", benchLogging},     {"web", benchWeb}};
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const auto &[name, bench] : groups)
        if (only.isEmpty() || only == QLatin1String(name))
            bench();
    return 0;
}
