// brolant-bench: prints one line per figure, "name: value unit".

#include "receivebench.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    benchReceivePath();
    return 0;
}
