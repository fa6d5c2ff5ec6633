// Entry point of the widget tests: a QApplication on the offscreen platform, English, 1920 x 1080.
#include "framework/ui/ui_context.h"
#include "resources/string_table.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tmcalc::SetLanguage(tmcalc::Language::English);
    tmcalc::InitUiContext(1920, 1080);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
