#include "form2.h"

#include "clock.h"
#include "design.h"
#include "fonts.h"
#include "form3.h"
#include "outline.h"
#include "pictures.h"
#include "printcommand.h"
#include "sharecommands.h"
#include "text.h"
#include "twips.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QWindow>

#include <algorithm>

namespace morvane {
namespace {

using design::kCommandHover;
using design::kCommandRest;
using design::kSheet;

// The mouse-button mask of an event: 1 left, 2 right, 4 middle, as Qt has it.
int buttonMask(Qt::MouseButtons buttons)
{
    return static_cast<int>(buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

// The commands, and the sheet itself as a window of its own (a plain
// widget is only a part of one to assistive technology).
QAccessibleInterface *accessibleSheet(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<CommandLabel *>(object))
        return accessibleCommand(label);
    if (auto *sheet = qobject_cast<Form2 *>(object))
        return new QAccessibleWidget(sheet, QAccessible::Window);
    return nullptr;
}

}  // namespace

Form2::Form2(qreal scale) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), scale_(scale)
{
    // Before any part of the sheet is made: assistive technology keeps what
    // it first learns of each.
    static const bool accessible = (QAccessible::installFactory(&accessibleSheet), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_DeleteOnClose);
    // Wayland takes a mask only as the part of the window that answers the
    // mouse, so the window paints nothing outside the outline and leaves
    // it transparent; on X11 the mask cuts the window itself as well.
    setAttribute(Qt::WA_TranslucentBackground);
    buildWindow();
    const QRegion outline = windowOutline(scale_);
    setMask(outline);
    // The picture is the only control reaching past the outline.
    Image1->setClip(outline.translated(-Image1->pos()));
}

qreal Form2::scaleFor(QSize freeArea)
{
    const QSize sheet = twipsRect(QRect(QPoint(), design::kForm2Size)).size();
    return std::min({1.0, qreal(freeArea.width()) / sheet.width(), qreal(freeArea.height()) / sheet.height()});
}

qreal Form2::scaleFor(const QScreen *screen)
{
    return screen ? scaleFor(screen->availableGeometry().size()) : 1.0;
}

void Form2::load(const BirthEntry &entry)
{
    entry_ = entry;
    Prophesy();
}

void Form2::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRegion(mask());
    painter.fillRect(rect(), palette().color(QPalette::Window));
}

void Form2::buildWindow()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(u"ตรวจสอบก่อนพิมพ์"));
    setFixedSize(twipsRect(QRect(QPoint(), design::kForm2Size), scale_).size());
    setFont(resolveFont(design::scaled(design::kForm2Face, scale_)));
    QPalette p = palette();
    p.setColor(QPalette::Window, design::kForm2Back);  // painted inside the outline only
    setPalette(p);
    setMouseTracking(true);

    Image1 = new PictureLabel(&parchment, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(design::kForm2Picture, scale_));
    Image1->setScaledContents(true);
    Image1->setMouseTracking(true);

    DisplayName = makeLabel<LineLabel>(this, "DisplayName", QStringLiteral("DisplayName"), design::kForm2Name,
                                       design::kNameText, design::kForm2NameFace, QStringLiteral("Your name"), scale_);
    DisplayBirthday = makeLabel<LineLabel>(this, "DisplayBirthday", QStringLiteral("DisplayBirthday"),
                                           design::kForm2Birthday, design::kBirthdayText, design::kForm2BirthdayFace,
                                           QStringLiteral("Your Birthday"), scale_);

    TxtDisplayProphesy = new ReadingBox(this);
    TxtDisplayProphesy->setObjectName(QStringLiteral("TxtDisplayProphesy"));
    TxtDisplayProphesy->setGeometry(twipsRect(design::kForm2Reading, scale_));
    TxtDisplayProphesy->setReadOnly(true);
    TxtDisplayProphesy->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    TxtDisplayProphesy->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtDisplayProphesy->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtDisplayProphesy->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TxtDisplayProphesy->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    TxtDisplayProphesy->setFrameShape(QFrame::NoFrame);
    setColours(TxtDisplayProphesy, kSheet, QColor());
    TxtDisplayProphesy->viewport()->setMouseTracking(true);
    TxtDisplayProphesy->setText(QStringLiteral("DisplayProphesy\r\n"));

    auto *printCommand
        = makeLabel<CommandLabel>(this, "Lbl_Print", QStringLiteral(u"พิมพ์"), design::kForm2Print, kCommandRest,
                                  design::kForm2CommandFace, QStringLiteral("Print"), scale_);
    auto *closeCommand
        = makeLabel<CommandLabel>(this, "Lbl_Close", QStringLiteral(u"ปิด"), design::kForm2Close, kCommandRest,
                                  design::kForm2CommandFace, QStringLiteral("Close"), scale_);
    Lbl_Print = printCommand;
    Lbl_Close = closeCommand;
    for (QLabel *command : {Lbl_Print, Lbl_Close})
        command->setCursor(pointingHand());

    // What a screen reader says, in Thai where the tooltips are English.
    DisplayName->setAccessibleDescription(QStringLiteral(u"ชื่อ"));
    DisplayBirthday->setAccessibleDescription(QStringLiteral(u"วันเกิด ราศี และปีนักษัตร"));
    TxtDisplayProphesy->setAccessibleName(QStringLiteral(u"คำทำนาย"));
    Lbl_Print->setAccessibleDescription(QStringLiteral(u"พิมพ์คำทำนาย แล้วปิดหน้านี้ (Ctrl+P)"));
    Lbl_Close->setAccessibleDescription(QStringLiteral(u"ปิดหน้านี้ กลับไปหน้ากรอกชื่อและวันเกิด (Esc)"));
    connect(printCommand, &CommandLabel::pressed, this, &Form2::Lbl_Print_Click);
    connect(closeCommand, &CommandLabel::pressed, this, &Form2::Lbl_Close_Click);

    for (QObject *o : {static_cast<QObject *>(Image1), static_cast<QObject *>(DisplayName),
                       static_cast<QObject *>(DisplayBirthday), static_cast<QObject *>(Lbl_Print),
                       static_cast<QObject *>(Lbl_Close), static_cast<QObject *>(TxtDisplayProphesy->viewport())})
        o->installEventFilter(this);

    // Only the reading box takes the keyboard; Esc closes like "ปิด" and
    // Ctrl+P prints like "พิมพ์".
    TxtDisplayProphesy->setFocus();
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &Form2::Lbl_Close_Click);
    auto *print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, [this] {
        if (Lbl_Print->isEnabled())
            Lbl_Print_Click();
    });

    // Lbl_Print stays disabled until the window closes, or until nothing
    // went out and the user may try again.
    print_ = new PrintCommand(*this);
    connect(print_, &PrintCommand::started, this, [this] { Lbl_Print->setEnabled(false); });
    connect(print_, &PrintCommand::printed, this, &Form2::Lbl_Close_Click);
    connect(print_, &PrintCommand::cancelled, this, [this] { Lbl_Print->setEnabled(true); });

    // The context menu: another printer, PDF and picture, copy.
    new ShareCommands(*this);
}

void Form2::Prophesy()
{
    prediction_ = MakePrediction(entry_, toMoment(clock().now()));
    DisplayName->setText(toQString(prediction_.assembled.nameLine));
    DisplayBirthday->setText(toQString(prediction_.assembled.birthLine));
    TxtDisplayProphesy->setText(toQString(prediction_.texts.display));
    TxtDisplayProphesy->verticalScrollBar()->setValue(0);
    Form3::instance().fill(prediction_.texts);
}

void Form2::Lbl_Close_Click()
{
    close();
}

void Form2::closeEvent(QCloseEvent *event)
{
    // However the window goes (ปิด, Esc, the end of printing, the window
    // manager), it leaves the screen before anyone hears it has gone.
    QWidget::closeEvent(event);
    // Not while the print system is being asked: the sheet goes once the
    // job is handed over, or stays with the reading when it is not.
    if (print_->busy())
        event->ignore();
    if (!event->isAccepted() || closed_)
        return;
    closed_ = true;
    hide();
    Form3::unload();
    emit closed();
}

void Form2::resetCommandColours()
{
    setTextColour(Lbl_Close, kCommandRest);
    setTextColour(Lbl_Print, kCommandRest);
}

void Form2::mouseMoveEvent(QMouseEvent *event)
{
    resetCommandColours();  // Form_MouseMove
    QWidget::mouseMoveEvent(event);
}

void Form2::leaveEvent(QEvent *event)
{
    // The pointer may leave the window straight from a command, where no
    // move over the picture or the surface turns it back.
    resetCommandColours();
    QWidget::leaveEvent(event);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    const int pressed = buttonMask(type == QEvent::MouseMove ? mouse->buttons() : mouse->button());

    if (watched == Image1 || watched == DisplayName || watched == DisplayBirthday) {
        auto *control = static_cast<QWidget *>(watched);
        // Drag positions are in twips: the press relative to the window, the
        // moves on the screen (see DoDrag).
        const auto twips = [](QPointF p) {
            return std::pair{static_cast<float>(p.x() * kTwipsPerPixel), static_cast<float>(p.y() * kTwipsPerPixel)};
        };
        if (type == QEvent::MouseButtonPress) {
            control->setCursor(grabHand());
            const auto [x, y] = twips(control->mapTo(this, mouse->position()));
            StartDrag(pressed, x, y);
        } else if (type == QEvent::MouseMove) {
            if (watched == Image1)
                resetCommandColours();
            const auto [x, y] = twips(mouse->globalPosition());
            DoDrag(pressed, x, y);
        } else {
            control->unsetCursor();
            EndDrag(pressed);
        }
        return true;
    }
    if (watched == Lbl_Print || watched == Lbl_Close) {
        auto *label = static_cast<QLabel *>(watched);
        if (type == QEvent::MouseMove) {
            setTextColour(label, kCommandHover);
        } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton
                   && label->rect().contains(mouse->position().toPoint()) && label->isEnabled()) {
            if (label == Lbl_Print)
                Lbl_Print_Click();
            else
                Lbl_Close_Click();
        }
        return true;
    }
    if (watched == TxtDisplayProphesy->viewport() && type == QEvent::MouseMove)
        resetCommandColours();
    return QWidget::eventFilter(watched, event);
}

void Form2::StartDrag(int button, float x, float y)
{
    if (button != 1 || Dragging)
        return;
    // Wayland does not let a program place its own window; the compositor
    // moves it for us and no drag of our own is needed.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && windowHandle()
        && windowHandle()->startSystemMove())
        return;
    DragX = x;
    Dragging = true;
    DragY = y;
}

void Form2::DoDrag(int button, float x, float y)
{
    // The window goes where the pointer on the screen says, the press point
    // under it. Adding the pointer's offset to pos() instead would run away
    // on X11: a move is carried out later, and the motion events already
    // queued by then are relative to where the window was.
    if (button != 1 || !Dragging)
        return;
    const float newTop = y - DragY;
    const float newLeft = x - DragX;
    move(qRound(newLeft / kTwipsPerPixel), qRound(newTop / kTwipsPerPixel));
}

void Form2::EndDrag(int button)
{
    if (button == 1 && Dragging)
        Dragging = false;
}

void Form2::Lbl_Print_Click()
{
    print_->print(prediction_);  // which disables Lbl_Print first
}

}  // namespace morvane
