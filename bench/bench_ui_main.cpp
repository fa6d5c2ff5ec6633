// Entry point of every widget benchmark: an offscreen QApplication with the 1920 x 1080 geometry.
#include "framework/ui/ui_context.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tmcalc::InitUiContext(1920, 1080);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
