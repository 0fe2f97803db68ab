#include "style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

namespace morvane {
namespace {

// How many distinct palettes the scroll bars are drawn with; the windows
// use one or two.
constexpr qsizetype kSharedPalettes = 8;

// A standard icon read from the base style the first time it is drawn or
// measured. Reading one while building a window costs the start-up more
// than the picture: Qt's image reader opens every image plugin installed
// (and Qt SVG behind one) to ask whether it reads PNG.
class DeferredIcon : public QIconEngine
{
public:
    DeferredIcon(const QStyle *style, QStyle::StandardPixmap which) : style_(style), which_(which) { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredIcon(*this); }

private:
    const QIcon &icon()
    {
        if (!read_ && style_)
            icon_ = style_->standardIcon(which_);
        read_ = true;
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    bool read_ = false;
    QIcon icon_;
};

}  // namespace

Style::Style() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) { }

void Style::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                        const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButton || !button || !(button->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // Fusion marks focus only after the keyboard moved it, so a button
    // focused by a click looked like any other and took the next space
    // typed. A focused button always shows it: Fusion's highlighted
    // outline, and a dotted rectangle inside it as on Windows.
    QStyleOptionButton focused(*button);
    focused.state |= State_KeyboardFocusChange;
    QProxyStyle::drawControl(element, &focused, painter, widget);
    painter->save();
    QPen pen(focused.palette.color(QPalette::ButtonText), 1, Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(focused.rect.adjusted(4, 4, -5, -5));
    painter->restore();
}

void Style::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (control == CC_ComboBox && (option->state & State_HasFocus)) {
        if (const auto *list = qstyleoption_cast<const QStyleOptionComboBox *>(option)) {
            // As for buttons: a focused list shows it however it got focus.
            QStyleOptionComboBox focused(*list);
            focused.state |= State_KeyboardFocusChange;
            QProxyStyle::drawComplexControl(control, &focused, painter, widget);
            return;
        }
    }
    if (control == CC_ScrollBar) {
        if (const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option)) {
            // Fusion keeps the scroll bar's pieces in the pixmap cache under
            // the palette's identity, and every result window has palettes
            // of its own: each one left its pictures behind until the cache
            // was full. Drawn with one palette for equal colours, they are
            // found again.
            QStyleOptionSlider same(*bar);
            same.palette = shared(bar->palette);
            same.palette.setCurrentColorGroup(bar->palette.currentColorGroup());
            QProxyStyle::drawComplexControl(control, &same, painter, widget);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QPalette Style::shared(const QPalette &palette) const
{
    for (const QPalette &known : std::as_const(palettes_))
        if (known == palette)
            return known;
    if (palettes_.size() == kSharedPalettes)
        palettes_.removeFirst();
    palettes_.append(palette);
    return palette;
}

QIcon Style::standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const
{
    // Every menu bar and tool bar asks for its extension button's icon as
    // it is built; the button shows only when the bar is too narrow for
    // its menus, which the windows' bars never are.
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}

}  // namespace morvane
