#include "app/main_window.h"
#include "app/startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tmcalc::PrepareApplication();
    tmcalc::MainWindow window;
    window.show();
    if (!window.isVisible()) {
        std::fprintf(stderr, "tmcalc: the main window could not be created\n");
        return 1;
    }
    return QApplication::exec();
}
