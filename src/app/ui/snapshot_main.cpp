// Renders the main window without a display and saves it as a PNG: for machines without a screen and
// for the pictures in the README and the docs. Usage: tmcalc_snapshot OUTPUT.png [PAGE [FIELD=KEYS]...]
// shows page PAGE (its index in the main window) and types KEYS into the field with that id first.
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "standards/standards_store.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Keys as a user types them: the field takes the focus, so it drives the page's other fields.
void TypeInto(QWidget* page, const QString& assignment)
{
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (page == nullptr || equals < 0) return;
    auto* edit = page->findChild<QLineEdit*>(QStringLiteral("edit_") + assignment.left(equals));
    if (edit == nullptr) return;
    edit->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    for (const QChar c : assignment.mid(equals + 1)) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tmcalc_snapshot OUTPUT.png [PAGE [FIELD=KEYS]...]\n");
        return 2;
    }
    QApplication app(argc, argv);
    tmcalc::PrepareApplication(QSize(1920, 1080));
    // A picture must not leave a standards file where it was taken.
    const QTemporaryDir folder;
    tmcalc::StandardsStore standards(tmcalc::StandardsStoreOptions{folder.path().toStdString(), tmcalc::StandardsClock::System(), {}});
    tmcalc::MainWindow window(standards);
    window.show();
    QApplication::setActiveWindow(&window);
    if (argc >= 3) {
        const int page = std::atoi(argv[2]);
        window.ShowPage(page);
        QApplication::processEvents();
        for (int i = 3; i < argc; ++i) TypeInto(window.page(page), QString::fromLocal8Bit(argv[i]));
    }
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "tmcalc_snapshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
