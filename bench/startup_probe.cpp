// Started by startup_bench: shows either the real main window or a bare Qt window, and as soon as the
// first paint of it has finished prints the monotonic clock (ns) and the peak resident size (KiB), then
// exits. Usage: tmcalc_startup_probe app|bare|text (a window with one line of text)
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "standards/standards_store.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool text = argc > 1 && std::strcmp(argv[1], "text") == 0;
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    const QTemporaryDir folder;  // the program's first start writes its standards file there
    std::unique_ptr<tmcalc::StandardsStore> standards;
    if (bare || text) {
        window = std::make_unique<QWidget>();
        window->resize(1300, 831);
        if (text) (new QLabel(QStringLiteral("Temperature 温度"), window.get()))->move(20, 20);
    } else {
        tmcalc::PrepareApplication(QSize(1920, 1080));
        standards = std::make_unique<tmcalc::StandardsStore>(
            tmcalc::StandardsStoreOptions{folder.path().toStdString(), tmcalc::StandardsClock::System(), {}});
        window = std::make_unique<tmcalc::MainWindow>(*standards);
    }
    FirstPaint probe;
    window->installEventFilter(&probe);
    window->show();
    return QApplication::exec();
}
