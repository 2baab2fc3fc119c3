// brolant-bench: prints one line per figure, "name: value unit".

#include "historybench.h"
#include "loggingbench.h"
#include "receivebench.h"
#include "startupbench.h"
#include "viewerbench.h"
#include "webbench.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // First, so the month's memory is the history's own and not what earlier figures left.
    benchHistory();
    benchStartUp();
    benchReceivePath();
    benchViewer();
    benchLogging();
    benchWeb();
    return 0;
}
