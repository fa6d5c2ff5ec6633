#include "framework/ui/scaled_style.h"

#include "framework/ui/ui_context.h"

#include <QApplication>
#include <QPainter>
#include <QPolygon>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace tmcalc {
namespace {

double Scale()
{
    return TextScale(Ui().geometry);
}

}  // namespace

ScaledStyle::ScaledStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_HeaderMargin:
        case PM_HeaderMarkSize:
        case PM_ScrollBarExtent:
        case PM_SmallIconSize:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuPanelWidth:
        case PM_MenuButtonIndicator:
            return base <= 0 ? base : ScaledPixels(Ui().geometry, base);
        default:
            return base;
    }
}

QRect ScaledStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                  const QWidget* widget) const
{
    QRect r = QProxyStyle::subControlRect(control, option, sub, widget);
    if (control != CC_ComboBox || Scale() == 1.0) return r;
    // The arrow's column grows with the scale; the text field gives up what it takes.
    const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
    const int extra = ScaledPixels(Ui().geometry, arrow.width()) - arrow.width();
    if (sub == SC_ComboBoxArrow) r.setLeft(r.left() - extra);
    if (sub == SC_ComboBoxEditField) r.setRight(r.right() - extra);
    return r;
}

void ScaledStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const
{
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || combo == nullptr || Scale() == 1.0) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The style draws its arrow at a fixed size: the frame without it, then an arrow of the scaled size.
    QStyleOptionComboBox frame = *combo;
    frame.subControls &= ~SC_ComboBoxArrow;
    QProxyStyle::drawComplexControl(control, &frame, painter, widget);
    const QRect box = subControlRect(control, option, SC_ComboBoxArrow, widget);
    const int w = ScaledPixels(Ui().geometry, 8);
    const int h = std::max(1, w / 2);
    const QPoint c = box.center();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(option->palette.color(QPalette::ButtonText));
    painter->drawPolygon(QPolygon({QPoint(c.x() - w / 2, c.y() - h / 2), QPoint(c.x() + w / 2, c.y() - h / 2),
                                   QPoint(c.x(), c.y() + h - h / 2)}));
    painter->restore();
}

}  // namespace tmcalc
