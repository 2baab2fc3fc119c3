// brolant-bench: prints one line per figure, "name: value unit".

#include "loggingbench.h"
#include "receivebench.h"
#include "startupbench.h"
#include "viewerbench.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    benchStartUp();
    benchReceivePath();
    benchViewer();
    benchLogging();
    return 0;
}
