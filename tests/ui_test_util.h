#pragma once
// Helpers for driving widgets as a person would: focus a field by clicking it, type keys, paste.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace tmcalc::test {

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

#include "framework/ui/numeric_edit.h"
#include "framework/ui/page.h"
#include "standards/standards_store.h"
#include "standards/standards_test_support.h"

#include <QLabel>
#include <QRect>

#include <string>
#include <vector>

namespace tmcalc::test {

// Product numbers end in the milliseconds since start-up, so two Adds by a test in one millisecond would
// share one: this clock moves on a second at every reading.
inline StandardsClock SteppingClock()
{
    auto ticks = std::make_shared<std::uint64_t>(10'000'000);
    return {[] { return LocalDateTime{2026, 12, 6, 9, 30, 0}; }, [ticks] { return *ticks += 1000; }};
}

// A standards store in a folder of its own, removed afterwards: no test leaves a standards file behind.
struct ScratchStandards {
    TempFolder folder;
    StandardsStore store{StandardsStoreOptions{folder.Path(), SteppingClock(), {}}};
};

// The part of a label that its text covers (labels right-aligned, units left-aligned).
inline QRect TextExtent(const QLabel* label)
{
    const int w = label->fontMetrics().horizontalAdvance(label->text().trimmed());
    const QRect g = label->geometry();
    const int h = label->fontMetrics().height();
    const int top = g.center().y() - h / 2;
    return {label->alignment() & Qt::AlignRight ? g.right() - w + 1 : g.left(), top, w, h};
}

// Every label and unit text of a page is whole (not wider than its box), inside the page, and clear of
// every edit box and of every other text. Returns the problems found, empty when all texts can be read.
inline std::vector<std::string> UnreadableTexts(const Page& page)
{
    std::vector<std::string> problems;
    std::vector<std::pair<QRect, QString>> texts;
    for (Field* f : page.fields()) {
        if (!f->edit->isVisibleTo(&page)) continue;
        for (QLabel* l : {f->label, f->unit}) {
            if (l == nullptr || l->text().trimmed().isEmpty()) continue;
            const QRect extent = TextExtent(l);
            const QString name = l->objectName() + QLatin1Char(' ') + l->text();
            if (extent.width() > l->width()) problems.push_back("cut: " + name.toStdString());
            if (!page.clientRect().contains(extent)) problems.push_back("outside the page: " + name.toStdString());
            texts.emplace_back(extent, name);
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (Field* f : page.fields())
            if (f->edit->isVisibleTo(&page) && texts[i].first.intersects(f->edit->geometry()))
                problems.push_back("under an edit box: " + texts[i].second.toStdString());
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            if (texts[i].first.intersects(texts[j].first))
                problems.push_back("overlap: " + texts[i].second.toStdString() + " / " + texts[j].second.toStdString());
    }
    return problems;
}

}  // namespace tmcalc::test
