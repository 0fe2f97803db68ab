#include "windows.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace morvane {
namespace {

// The top-left corner of a frame moved as little as it takes to lie in the
// screen's free area; a frame too large for it keeps its top left there.
QPoint inside(QRect frame, const QScreen *screen)
{
    if (!screen)
        return frame.topLeft();
    const QRect free = screen->availableGeometry();
    frame.moveLeft(std::max(free.left(), std::min(frame.left(), free.left() + free.width() - frame.width())));
    frame.moveTop(std::max(free.top(), std::min(frame.top(), free.top() + free.height() - frame.height())));
    return frame.topLeft();
}

// A window's frame as it will be once shown. Before its first showing the
// window system has not told its frame yet: the frame of another window of
// the program with a title bar stands in.
QRect frameOf(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    if (frame != window.geometry() || window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return frame;
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        const QRect otherFrame = other->frameGeometry();
        if (other != &window && otherFrame != other->geometry()) {
            const QMargins margins(
                other->geometry().left() - otherFrame.left(), other->geometry().top() - otherFrame.top(),
                otherFrame.right() - other->geometry().right(), otherFrame.bottom() - other->geometry().bottom());
            return window.geometry().marginsAdded(margins);
        }
    }
    return frame;
}

// Moves a window so that its frame comes to lie at `frame`, inside the
// screen's free area. A window's position is its frame's once the window
// system has told the frame, and its own until then.
void moveFrame(QWidget &window, const QRect &frame, const QScreen *screen)
{
    if (!window.testAttribute(Qt::WA_WState_Created))
        (void)window.winId();  // positions mean the same, shown or not, from here on
    window.move(inside(frame, screen) + (window.pos() - frameOf(window).topLeft()));
}

QWidget *widgetOf(const QWindow &window)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->windowHandle() == &window)
            return w;
    return nullptr;
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// A window held to one size (min and max equal): the input window, the
// About window, the sheet and every message box.
bool fixedSize(const QWidget &window)
{
    return window.minimumSize() == window.maximumSize();
}

// While a fixed-size window is maximized, or about to be, it is freed of
// its size so that it takes the size the window system gives, as a
// maximized window must; it asks once to be normal again, and is held to
// its size again when it is. A child of the window, found by its name.
class Freed : public QObject
{
public:
    explicit Freed(QWidget &window) : QObject(&window), minimum_(window.minimumSize()), maximum_(window.maximumSize())
    {
        setObjectName(QLatin1String(kName));
        // A main window's layout would fix the size again at its next turn.
        if (QLayout *layout = window.layout(); layout && layout->sizeConstraint() == QLayout::SetFixedSize) {
            layout->setSizeConstraint(QLayout::SetNoConstraint);
            fixedLayout_ = layout;
        }
        window.setMinimumSize(0, 0);
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    static Freed *of(const QWidget &window)
    {
        return static_cast<Freed *>(window.findChild<QObject *>(QLatin1String(kName), Qt::FindDirectChildrenOnly));
    }

    // Held to its size again; deletes this.
    void hold()
    {
        auto *window = static_cast<QWidget *>(parent());
        window->setMinimumSize(minimum_);
        window->setMaximumSize(maximum_);
        if (fixedLayout_)
            fixedLayout_->setSizeConstraint(QLayout::SetFixedSize);
        window->setUpdatesEnabled(true);
        delete this;
    }

    bool maximized = false;  // the window system has given the state
    bool askedNormal = false;

private:
    static constexpr const char *kName = "morvane_freed";
    const QSize minimum_;
    const QSize maximum_;
    QPointer<QLayout> fixedLayout_;
};

void askNormal(QWindow &window, Freed &freed)
{
    freed.askedNormal = true;
    window.setWindowStates(window.windowStates() & ~Qt::WindowMaximized);
}

class WindowManners : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((event->type() == QEvent::WindowStateChange || event->type() == QEvent::Show) && watched->isWindowType()) {
            auto *window = static_cast<QWindow *>(watched);
            if (QWidget *widget = widgetOf(*window)) {
                if (event->type() == QEvent::WindowStateChange)
                    given(*window, *widget);
                else
                    shown(*window, *widget);
            }
        }
        return false;
    }

private:
    // Qt's own title bar on Wayland asks the compositor to maximize any
    // window, fixed in size or not, and the compositor's answer must find
    // the window free to take the size it brings. Heard from the window
    // too when the window system gives the state unasked; the answer has
    // come then, and given() is first.
    static void requested(QWindow &window, Qt::WindowState state)
    {
        if (state != Qt::WindowMaximized || !onWayland())
            return;
        QMetaObject::invokeMethod(
            &window,
            [&window] {
                QWidget *widget = widgetOf(window);
                if (!widget || Freed::of(*widget) || !fixedSize(*widget))
                    return;
                auto *freed = new Freed(*widget);
                // A compositor may refuse the state to a window of fixed
                // size, and then says nothing.
                QTimer::singleShot(2000, freed, [&window, freed] {
                    if (freed->maximized)
                        return;
                    window.setWindowStates(window.windowStates() & ~Qt::WindowMaximized);
                    freed->hold();
                });
            },
            Qt::QueuedConnection);
    }

    // The state the window system gives a window, before the widget hears.
    static void given(QWindow &window, QWidget &widget)
    {
        Freed *freed = Freed::of(widget);
        if (!(window.windowStates() & Qt::WindowMaximized)) {
            // Normal again; or not yet maximized, the state asked for on
            // its way.
            if (freed && freed->maximized)
                freed->hold();
            return;
        }
        if (!freed) {
            if (!fixedSize(widget))
                return;  // a window the user may size takes the state as it is
            // Maximized unasked while held to its size, the window has
            // answered with its own size. A Wayland compositor takes the
            // next picture of it for a protocol error and drops the
            // connection, so none goes out until the window system gives a
            // state again, which finds the window free.
            freed = new Freed(widget);
            freed->maximized = true;
            if (onWayland())
                widget.setUpdatesEnabled(false);
            askNormal(window, *freed);
            return;
        }
        // Free, the window took the size given: it shows itself at that
        // size, as it must, then asks once to be normal again.
        freed->maximized = true;
        widget.setUpdatesEnabled(true);
        if (!freed->askedNormal)
            QMetaObject::invokeMethod(
                freed, [&window, freed] { askNormal(window, *freed); }, Qt::QueuedConnection);
    }

    // A window about to appear, at its final size. Qt centres a dialog over
    // its parent before the dialog has its size (a message box sizes itself
    // as it is shown), so it would open off the middle.
    void shown(QWindow &window, QWidget &widget)
    {
        if (!window.property(kHeard).toBool()) {
            window.setProperty(kHeard, true);
            connect(&window, &QWindow::windowStateChanged, &window,
                    [&window](Qt::WindowState state) { requested(window, state); });
        }
        if (qobject_cast<QDialog *>(&widget) && widget.parentWidget() && !widget.testAttribute(Qt::WA_Moved))
            centreOver(widget, *widget.parentWidget()->window());
    }

    static constexpr const char *kHeard = "morvane_state_heard";
};

}  // namespace

void centreOnScreen(QWidget &window, const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameOf(window);
    frame.moveCenter(screen->availableGeometry().center());
    moveFrame(window, frame, screen);
}

void centreOver(QWidget &window, const QWidget &owner)
{
    QRect frame = frameOf(window);
    frame.moveCenter(frameOf(owner).center());
    moveFrame(window, frame, owner.screen());
}

void installWindowManners(QApplication &app)
{
    app.installEventFilter(new WindowManners(&app));
}

QMessageBox *messageBox(QWidget *parent, QMessageBox::Icon icon, const QString &name, const QString &text,
                        const QString &details)
{
    auto *box = new QMessageBox(icon, QStringLiteral("Morvane"), text, QMessageBox::NoButton, parent);
    box->setObjectName(name);
    box->setInformativeText(details);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel"))) {
        int widest = 0;
        for (const QString &line : details.split(u'\n'))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        const int limit = screen ? screen->availableGeometry().width() / 2 : 500;
        label->setMinimumWidth(std::min(widest + label->fontMetrics().averageCharWidth(), limit));
    }
    return box;
}

}  // namespace morvane
