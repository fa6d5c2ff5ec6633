#pragma once

#include <QProxyStyle>

namespace tmcalc {

// The desktop's style with every indicator sized by the screen scale of the geometry (TextScale):
// radio and check indicators, their spacing, header margins, scroll bars, menu margins and combo-box
// arrows. On 1920 x 1080 it is the desktop's style unchanged.
class ScaledStyle : public QProxyStyle {
    Q_OBJECT
public:
    ScaledStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

}  // namespace tmcalc
