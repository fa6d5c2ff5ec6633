#include "framework/ui/numeric_edit.h"

#include <QKeyEvent>
#include <QPainter>

namespace tmcalc {

bool IsNumericFieldChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || u == u'e' || u == u'E' || u == u'.' || u == u'-' || u == u'~';
}

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Disabled, QPalette::Base, QColor(240, 240, 240));
    colours.setColor(QPalette::Disabled, QPalette::Text, QColor(109, 109, 109));
    setPalette(colours);
}

void NumericEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(200, 200, 200));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void NumericEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool control = (mods & (Qt::ControlModifier | Qt::MetaModifier)) != 0 && (mods & Qt::AltModifier) == 0;
    const int key = event->key();
    if (key == Qt::Key_Backspace && !control) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (control) {
        // Control letters type a control character: only copy and paste (handled above) pass.
        if ((key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_Backspace) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);  // word-wise cursor movement and the like
        return;
    }
    const QString text = event->text();
    if (text.isEmpty() || key == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);  // cursor keys, Delete, modifiers alone
        return;
    }
    for (QChar c : text) {
        if (!IsNumericFieldChar(c)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace tmcalc
