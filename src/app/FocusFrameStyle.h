#pragma once

#include <QProxyStyle>

// The program's style: Fusion, with the keyboard focus drawn in a colour of
// its own. Fusion draws focus frames in the selection colour, which the
// program keeps white, so a focused line edit, spin box or combo box would
// look like any other. Only what has the focus is drawn differently:
// selections keep their colour.
class FocusFrameStyle : public QProxyStyle {
    Q_OBJECT

public:
    FocusFrameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};
