// Renders the main window without a display and saves it as PNG: for machines without a screen, for
// the pictures in the README, and for looking at every page on a screen size before a release.
// Usage: tmcalc_snapshot [--size WxH] [--lang en|zh] [--width N] OUTPUT.png [PAGE [FIELD=KEYS]...]
//        tmcalc_snapshot --all [--size WxH] [--lang en|zh] [--width N] FOLDER
// The first form shows page PAGE (its index in the main window) and types KEYS into the field with that
// id first, as a user would.
// The second form saves every page and every tab of a screen WxH (default 1920x1080) in the language
// given (default the desktop's) into FOLDER as page-PP[-tab-T].png; --width N scales each picture
// down to at most N pixels wide (small pictures for the documentation).
#include "app/ui/main_window.h"

#include <QAbstractButton>
#include "app/ui/startup.h"
#include "framework/ui/container_page.h"
#include "resources/string_table.h"
#include "standards/standards_store.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Options {
    bool all = false;
    QSize size{1920, 1080};
    const char* language = nullptr;
    int width = 0;
    QString output;
    int page = -1;
    QStringList typing;  // FIELD=KEYS
};

bool Parse(int argc, char* argv[], Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const bool more = i + 1 < argc;
        if (std::strcmp(argv[i], "--all") == 0) {
            o.all = true;
        } else if (std::strcmp(argv[i], "--size") == 0 && more) {
            int w = 0;
            int h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) != 2 || w < 640 || h < 480) return false;
            o.size = QSize(w, h);
        } else if (std::strcmp(argv[i], "--lang") == 0 && more) {
            o.language = argv[++i];
            if (std::strcmp(o.language, "en") != 0 && std::strcmp(o.language, "zh") != 0) return false;
        } else if (std::strcmp(argv[i], "--width") == 0 && more) {
            o.width = std::atoi(argv[++i]);
        } else if (argv[i][0] != '-' && o.output.isEmpty()) {
            o.output = QString::fromLocal8Bit(argv[i]);
        } else if (argv[i][0] != '-' && !o.all && o.page < 0) {
            o.page = std::atoi(argv[i]);
        } else if (argv[i][0] != '-' && o.page >= 0) {
            o.typing.append(QString::fromLocal8Bit(argv[i]));
        } else {
            return false;
        }
    }
    return !o.output.isEmpty();
}

// Keys as a user types them: the field takes the focus, so it drives the page's other fields. FIELD is
// a field id, or the object name of another box (u_10) or of a button, which is clicked (UncertaintyButton=).
void TypeInto(QWidget* page, const QString& assignment)
{
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (page == nullptr || equals < 0) return;
    const QString name = assignment.left(equals);
    bool numeric = false;
    (void)name.toInt(&numeric);
    if (auto* button = page->findChild<QAbstractButton*>(name); button != nullptr && !numeric) {
        button->click();
        return;
    }
    auto* edit = page->findChild<QLineEdit*>(numeric ? QStringLiteral("edit_") + name : name);
    if (edit == nullptr) return;
    edit->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    for (const QChar c : assignment.mid(equals + 1)) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

bool Save(QWidget& window, const QString& path, int width)
{
    QApplication::processEvents();
    QImage image = window.grab().toImage();
    if (width > 0 && image.width() > width) {
        image = image.scaledToWidth(width, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB888);
    }
    if (image.save(path, "PNG", 0)) return true;
    std::fprintf(stderr, "tmcalc_snapshot: cannot write %s\n", path.toLocal8Bit().constData());
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: tmcalc_snapshot [--size WxH] [--lang en|zh] [--width N] OUTPUT.png [PAGE [FIELD=KEYS]...]\n"
                     "       tmcalc_snapshot --all [--size WxH] [--lang en|zh] [--width N] FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    tmcalc::PrepareApplication(options.size);
    if (options.language != nullptr)
        tmcalc::SetLanguage(std::strcmp(options.language, "zh") == 0 ? tmcalc::Language::Chinese
                                                                     : tmcalc::Language::English);
    // A picture must not leave a standards file where it was taken.
    const QTemporaryDir folder;
    tmcalc::StandardsStore standards(tmcalc::StandardsStoreOptions{folder.path().toStdString(), tmcalc::StandardsClock::System(), {}});
    tmcalc::MainWindow window(standards);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!options.all) {
        if (options.page >= 0) {
            window.ShowPage(options.page);
            QApplication::processEvents();
            for (const QString& assignment : options.typing) TypeInto(window.page(options.page), assignment);
        }
        return Save(window, options.output, options.width) ? 0 : 1;
    }

    if (!QDir().mkpath(options.output)) {
        std::fprintf(stderr, "tmcalc_snapshot: cannot make %s\n", options.output.toLocal8Bit().constData());
        return 1;
    }
    const QDir out(options.output);
    for (int page = 0; page < tmcalc::kPageCount; ++page) {
        window.ShowPage(page);
        const QString name = QStringLiteral("page-%1").arg(page, 2, 10, QLatin1Char('0'));
        auto* container = qobject_cast<tmcalc::ContainerPage*>(window.page(page));
        if (container == nullptr) {
            if (!Save(window, out.filePath(name + QStringLiteral(".png")), options.width)) return 1;
            continue;
        }
        for (int tab = 0; tab < container->tabCount(); ++tab) {
            container->selectTab(tab);
            if (!Save(window, out.filePath(name + QStringLiteral("-tab-%1.png").arg(tab)), options.width))
                return 1;
        }
    }
    return 0;
}
