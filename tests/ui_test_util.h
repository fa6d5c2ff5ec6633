#pragma once
// Helpers for driving widgets as a person would: focus a field by clicking it, type keys, paste; and the
// rectangle a page has in the main window.

#include "framework/geometry.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace tmcalc::test {

// A page's rectangle in the main window on a 1920 x 1080 screen, and the same size at the origin for a
// page shown on its own.
inline QRect MainWindowPageRect()
{
    const Rect r = PageRect(ComputeScreenGeometry(1920, 1080));
    return {r.x, r.y, r.width, r.height};
}
inline QRect PageRectAtOrigin() { return {QPoint(0, 0), MainWindowPageRect().size()}; }

// Shows a top-level widget and makes it the active window so that focus events are delivered.
inline bool ShowActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Clicks into the field (which gives it the focus) and moves the cursor to the end.
inline void Focus(QLineEdit* edit)
{
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(edit->width() / 2, edit->height() / 2));
    edit->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    edit->end(false);
}

inline void Type(QLineEdit* edit, const QString& keys)
{
    Focus(edit);
    QTest::keyClicks(edit, keys);
}

// Replaces the whole text of the field by pasting, as a user who selects all with the mouse and pastes.
inline void PasteOver(QLineEdit* edit, const QString& text)
{
    Focus(edit);
    edit->selectAll();
    QApplication::clipboard()->setText(text);
    QTest::keySequence(edit, QKeySequence::Paste);
}

inline void Backspace(QLineEdit* edit, int times = 1)
{
    Focus(edit);
    for (int i = 0; i < times; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
}

}  // namespace tmcalc::test
