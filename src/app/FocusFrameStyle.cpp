#include "app/FocusFrameStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

const QColor focusColour(0x30, 0x8C, 0xC6);

// Draws with a copy of the option whose selection colour is the focus
// colour, which Fusion takes for the outline, and with `ring` a second line
// inside it, so that a field's or button's frame is two pixels wide. False
// when the option is not of the type Fusion reads for the element.
template <typename Option, typename Draw>
bool DrawFocused(const QStyleOption* option, QPainter* painter, Draw draw, bool ring = true)
{
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed)
        return false;
    Option focused(*typed);
    focused.palette.setColor(QPalette::Highlight, focusColour);
    draw(&focused);
    if (ring) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(focusColour);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5), 1.7, 1.7);
        painter->restore();
    }
    return true;
}

bool KeyboardFocus(const QStyleOption* option)
{
    return (option->state & QStyle::State_HasFocus) && (option->state & QStyle::State_KeyboardFocusChange);
}

} // namespace

FocusFrameStyle::FocusFrameStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion")))
{
}

// As in Fusion, buttons and combo boxes show the focus only when it came by
// the keyboard; line edits show it however it came. A focus rectangle (a
// check box's text, the current page tab) is drawn only for what has the
// focus, whatever its option's state says.
void FocusFrameStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto draw
        = [&](const QStyleOption* focused) { QProxyStyle::drawPrimitive(element, focused, painter, widget); };
    bool drawn = false;
    if (element == PE_FrameFocusRect)
        drawn = DrawFocused<QStyleOptionFocusRect>(option, painter, draw, false);
    else if (element == PE_FrameLineEdit && (option->state & State_HasFocus))
        drawn = DrawFocused<QStyleOptionFrame>(option, painter, draw);
    else if (element == PE_PanelButtonCommand && KeyboardFocus(option))
        drawn = DrawFocused<QStyleOptionButton>(option, painter, draw);
    else if ((element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton) && KeyboardFocus(option))
        drawn = DrawFocused<QStyleOptionButton>(option, painter, draw, false);
    if (!drawn)
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FocusFrameStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto draw = [&](const QStyleOption* focused) {
        QProxyStyle::drawComplexControl(
            control, static_cast<const QStyleOptionComplex*>(focused), painter, widget);
    };
    const bool drawn = control == CC_SpinBox && (option->state & State_HasFocus)
        && DrawFocused<QStyleOptionSpinBox>(option, painter, draw);
    if (!drawn)
        QProxyStyle::drawComplexControl(control, option, painter, widget);
}
