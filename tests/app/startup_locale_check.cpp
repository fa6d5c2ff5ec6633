// Started by ctest with a desktop's locale in the environment: the program's start-up must choose the
// language that locale names. Usage: startup_locale_check en|zh
#include "app/ui/startup.h"
#include "resources/string_table.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tmcalc::PrepareApplication(QSize(1920, 1080));
    const bool chinese = tmcalc::CurrentLanguage() == tmcalc::Language::Chinese;
    const bool wanted = argc > 1 && std::strcmp(argv[1], "zh") == 0;
    std::printf("LANG=%s: %s\n", qgetenv("LANG").constData(), chinese ? "Chinese" : "English");
    return chinese == wanted ? 0 : 1;
}
