// The program's look: Qt's Fusion style, which draws the buttons' face
// colours on every desktop, with changes of its own.
#pragma once

#include <QList>
#include <QPalette>
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
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    // One palette object for each set of colours scroll bars are drawn with.
    QPalette shared(const QPalette &palette) const;

    mutable QList<QPalette> palettes_;
};

}  // namespace morvane
