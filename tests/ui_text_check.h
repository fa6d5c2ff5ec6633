#pragma once
// Checks that every text of a window can be read whole: texts fit their boxes, nothing is cut or overlaps.

#include "framework/ui/numeric_edit.h"
#include "framework/ui/page.h"
#include "framework/ui/text_fit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QRect>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTableView>

#include <string>
#include <tuple>
#include <vector>

namespace tmcalc::test {

// The part of a label that its text covers, in the label's parent (labels right-aligned, units left).
inline QRect TextExtent(const QLabel* label)
{
    const int w = label->fontMetrics().horizontalAdvance(label->text().trimmed());
    const QRect g = label->geometry();
    const int h = label->fontMetrics().height();
    const int top = g.center().y() - h / 2;
    return {label->alignment() & Qt::AlignRight ? g.right() - w + 1 : g.left(), top, w, h};
}

// The rows of an edit box its text line takes (the face's ascent and descent), as QLineEdit places it.
inline std::pair<int, int> EditLineRows(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QRect r = edit->style()
                        ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                        .marginsRemoved(edit->textMargins());
    const int h = edit->fontMetrics().height();
    int top = r.y() + (r.height() - h + 1) / 2;
    if (edit->alignment() & Qt::AlignTop) top = r.y() + 1;
    if (edit->alignment() & Qt::AlignBottom) top = r.bottom() + 1 - h - 1;
    return {std::max(top, r.top()), std::min(top + h, r.bottom() + 1)};  // QLineEdit clips at r
}

// Whether a line of text, placed in `box` as Qt places it with `alignment`, keeps its ink inside the box:
// no wider than the box and no glyph cut at its top or bottom.
inline bool InkFits(const QFontMetrics& fm, const QString& text, const QRect& box, Qt::Alignment alignment)
{
    if (fm.horizontalAdvance(text) > box.width()) return false;
    const QRect ink = fm.tightBoundingRect(text);
    int baseline = box.y() + (box.height() - fm.height()) / 2 + fm.ascent();
    if (alignment & Qt::AlignTop) baseline = box.y() + fm.ascent();
    if (alignment & Qt::AlignBottom) baseline = box.bottom() + 1 - fm.descent();
    return baseline + ink.top() >= box.top() && baseline + ink.bottom() <= box.bottom();
}

// Every text of a window or page can be read whole: each label, button, tab, heading, tile and field
// text fits its box (width, and ascent plus descent), every edit box shows its digits uncut inside its
// frame, nothing lies outside the part of its parents that shows, and no two texts or boxes overlap.
// `painted` are the texts painted into boxes while the widget was drawn (PaintedTextsOf). Returns the
// problems found, empty when all texts can be read.
inline std::vector<std::string> UnreadableTexts(const QWidget& root, const std::vector<PaintedText>& painted = {})
{
    std::vector<std::string> problems;
    const auto name = [](const QWidget* w, const QString& text) {
        return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName()) +
               QLatin1String(" \"") + text +
               QStringLiteral("\" at %1,%2 %3 x %4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
    };
    // The part of a widget that shows, in root coordinates: its rectangle cut by every parent's.
    const auto shown = [&root](const QWidget* w) {
        QRect r(w->mapTo(&root, QPoint(0, 0)), w->size());
        for (const QWidget* p = w->parentWidget(); p != nullptr && p != &root; p = p->parentWidget())
            r &= QRect(p->mapTo(&root, QPoint(0, 0)), p->size());
        return r & root.rect();
    };
    const auto inner = [](const QWidget* w) {
        for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget())
            if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractScrollArea*>(p) ||
                qobject_cast<const QAbstractSpinBox*>(p))
                return true;
        return false;
    };
    std::vector<std::tuple<QRect, QString, bool>> boxes;  // text extents and boxes, in root coordinates
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&root) || w->isWindow() || inner(w)) continue;
        const QPoint at = w->parentWidget()->mapTo(&root, QPoint(0, 0));
        QRect extent = w->geometry();
        QString what;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().trimmed().isEmpty()) continue;
            what = name(w, label->text());
            const QRect c = label->contentsRect();
            const bool laidOut = label->textFormat() == Qt::RichText || label->wordWrap();
            const QMargins m = label->contentsMargins();
            const bool fits = laidOut
                                  ? label->minimumSizeHint().width() - m.left() - m.right() <= c.width() &&
                                        label->heightForWidth(label->width()) - m.top() - m.bottom() <= c.height()
                                  : InkFits(label->fontMetrics(), label->text().trimmed(), c, label->alignment());
            if (!fits) problems.push_back("cut: " + what.toStdString());
            extent =
                label->textFormat() == Qt::RichText || label->wordWrap() ? label->geometry() : TextExtent(label);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (button->text().isEmpty()) continue;
            what = name(w, button->text());
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
            const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
            const QStyle* style = button->style();
            const QRect contents = radio   ? style->subElementRect(QStyle::SE_RadioButtonContents, &option, button)
                                   : check ? style->subElementRect(QStyle::SE_CheckBoxContents, &option, button)
                                           : style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            if (!InkFits(button->fontMetrics(), button->text(), contents, Qt::AlignVCenter))
                problems.push_back("cut: " + what.toStdString());
            if (radio || check) {
                const QRect dot = style->subElementRect(
                    radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
                if (!button->rect().contains(dot)) problems.push_back("indicator cut: " + what.toStdString());
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            what = name(w, edit->text());
            const auto [top, bottom] = EditLineRows(edit);
            const int frame = qobject_cast<NumericEdit*>(edit) != nullptr ? 1 : 0;  // drawn over the edge
            if (bottom - top < edit->fontMetrics().height() || top < frame || bottom > edit->height() - frame)
                problems.push_back("digits clipped: " + what.toStdString());
            const QMargins m = edit->textMargins();
            if (edit->fontMetrics().horizontalAdvance(edit->text()) + m.left() + m.right() + 4 >
                edit->width() - 2 * frame)
                problems.push_back("cut: " + what.toStdString());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            what = name(w, combo->currentText());
            if (combo->fontMetrics().height() + 2 > combo->height())
                problems.push_back("cut: " + what.toStdString());
        } else if (auto* view = qobject_cast<QTableView*>(w)) {
            what = name(w, QString());
            const QHeaderView* header = view->horizontalHeader();
            const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int c = 0; c < header->count(); ++c) {
                if (header->isSectionHidden(c)) continue;
                const QString text = view->model()->headerData(c, Qt::Horizontal).toString();
                const QFontMetrics fm(header->font());
                if (fm.horizontalAdvance(text) + margin > header->sectionSize(c) || fm.height() > header->height())
                    problems.push_back("cut: " + name(header, text).toStdString());
            }
            if (view->model()->rowCount() > 0 && view->fontMetrics().height() > view->rowHeight(0))
                problems.push_back("rows cut: " + what.toStdString());
        } else {
            continue;
        }
        extent.translate(at);
        if (!shown(w).contains(extent)) problems.push_back("outside its parent: " + what.toStdString());
        // Edit boxes side by side or stacked may share their one-pixel frame line, as cells of a table, and
        // stacked buttons their edge rows.
        const bool framed = qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QAbstractButton*>(w) != nullptr;
        for (const auto& [other, otherName, otherFramed] : boxes) {
            const QRect common = other & extent;
            if (common.isEmpty() || (framed && otherFramed && std::min(common.width(), common.height()) <= 1))
                continue;
            problems.push_back("overlap: " + otherName.toStdString() + " / " + what.toStdString());
        }
        boxes.emplace_back(extent, what, framed);
    }
    for (const PaintedText& p : painted) {
        if (!p.widget->isVisibleTo(&root) && p.widget != &root) continue;
        const QString what = name(p.widget, p.text);
        const QRect need = QFontMetrics(p.font).boundingRect(p.box, p.flags, p.text);
        if (need.width() > p.box.width() || need.height() > p.box.height())
            problems.push_back("cut: " + what.toStdString());
        const QRect box(p.widget->mapTo(&root, p.box.topLeft()), p.box.size());
        const QRect visible = p.widget == &root ? root.rect() : shown(p.widget);
        if (!visible.contains(box)) problems.push_back("outside its parent: " + what.toStdString());
    }
    return problems;
}

// Draws the widget and returns the texts it painted into boxes.
inline std::vector<PaintedText> PaintedTextsOf(QWidget& widget)
{
    std::vector<PaintedText> painted;
    RecordPaintedTexts(&painted);
    widget.grab();
    RecordPaintedTexts(nullptr);
    return painted;
}

}  // namespace tmcalc::test
