// The program's look: Qt's Fusion style, which draws the buttons' face
// colours on every desktop, with changes of its own.
#pragma once

#include <QProxyStyle>

namespace morvane {

class Style : public QProxyStyle
{
public:
    Style();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override;
};

}  // namespace morvane
