#include "app/command_line.h"
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "standards/standards_store.h"

#include <QApplication>

#include <cstdio>
#include <optional>
#include <string>

int main(int argc, char* argv[])
{
    // --help and --version are answered before Qt looks for a display, and before the standards file is
    // touched.
    if (const std::optional<std::string> answer = tmcalc::CommandLineAnswer(argc, argv)) {
        std::fputs(answer->c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    // The standards file is put in place (from its templates, if missing) before any window exists; the
    // pages that manage standards work on this one store, in the current directory, for the life of the
    // program.
    tmcalc::StandardsStore standards;
    QApplication app(argc, argv);
    tmcalc::PrepareApplication();
    tmcalc::MainWindow window(standards);
    window.show();
    if (!window.isVisible()) {
        std::fprintf(stderr, "tmcalc: the main window could not be created\n");
        return 1;
    }
    return QApplication::exec();
}
