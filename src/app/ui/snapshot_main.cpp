// Renders the main window without a display and saves it as a PNG: for machines without a screen and
// for the pictures in the README. Usage: tmcalc_snapshot OUTPUT.png
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "standards/standards_store.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tmcalc_snapshot OUTPUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    tmcalc::PrepareApplication(QSize(1920, 1080));
    // A picture must not leave a standards file where it was taken.
    const QTemporaryDir folder;
    tmcalc::StandardsStore standards(tmcalc::StandardsStoreOptions{folder.path().toStdString(), tmcalc::StandardsClock::System(), {}});
    tmcalc::MainWindow window(standards);
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "tmcalc_snapshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
