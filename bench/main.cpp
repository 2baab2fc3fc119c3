// brolant-bench: prints one line per figure, "name: value unit".

#include "loggingbench.h"
#include "receivebench.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    benchReceivePath();
    benchLogging();
    return 0;
}
