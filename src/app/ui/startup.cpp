#include "app/ui/startup.h"

#include "framework/ui/ui_context.h"
#include "resources/string_table.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

namespace tmcalc {

void PrepareApplication(QSize screenSize)
{
    SetLanguage(LanguageForLocaleName(QLocale::system().name().toStdString()));

    if (screenSize.isEmpty()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        screenSize = screen != nullptr ? screen->size() : QSize(1920, 1080);
    }
    InitUiContext(screenSize.width(), screenSize.height());
}

}  // namespace tmcalc
