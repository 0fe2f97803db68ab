#include "form2.h"

#include "assembly.h"
#include "calendar.h"
#include "clock.h"
#include "fonts.h"
#include "form1.h"
#include "form3.h"
#include "outline.h"
#include "pictures.h"
#include "twips.h"
#include "writeprophesy.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QWindow>

namespace morvane {
namespace {

const QColor kSheet(255, 255, 192);
const QColor kRest(255, 0, 0);
const QColor kHover(0, 255, 0);

QString fromStd(const std::u16string &s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

void setColours(QWidget *w, const QColor &back, const QColor &text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::Base, back);
    if (text.isValid()) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColour(QWidget *w, const QColor &text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
}

template <typename Label>
Label *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                 const QColor &colour, qreal size, const QString &tip)
{
    auto *label = new Label(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);  // names are shown as typed, never as markup
    label->setFont(resolveFont(kBrowallia, size, true));
    label->setToolTip(tip);
    label->setMouseTracking(true);
    setColours(label, kSheet, colour);
    return label;
}

// The mouse-button mask of an event: 1 left, 2 right, 4 middle, as Qt has it.
int buttonMask(Qt::MouseButtons buttons)
{
    return static_cast<int>(buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

}  // namespace

void LineLabel::paintEvent(QPaintEvent *)
{
    const QRect area = contentsRect();
    if (shownFor_ != text() || shownWidth_ != area.width()) {
        // One line whatever was pasted: line breaks and tabs become spaces.
        QString line = text();
        for (QChar &c : line)
            if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
                c = u' ';
        shown_ = fontMetrics().elidedText(line, Qt::ElideRight, area.width());
        shownFor_ = text();
        shownWidth_ = area.width();
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, static_cast<int>(alignment()) | Qt::TextSingleLine, shown_);
}

void ReadingBox::setText(const QString &text)
{
    text_ = text;
    // QPlainTextEdit starts a paragraph at each of CR and LF; one break each.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    setPlainText(shown);
}

Form2 *Form2::open(Form1 &form1)
{
    auto *form2 = new Form2(form1);
    QRect frame = form2->frameGeometry();
    if (const QScreen *s = form1.screen() ? form1.screen() : QGuiApplication::primaryScreen())
        frame.moveCenter(s->availableGeometry().center());
    form2->move(frame.topLeft());
    form2->show();
    return form2;
}

Form2::Form2(Form1 &form1) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), form1_(form1)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildWindow();
    // Form_Load: the reading first, while Form1 can still be read; then
    // Form1 goes out of sight and the outline is cut.
    Prophesy();
    form1_.hide();
    setMask(windowOutline());
}

void Form2::buildWindow()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(u"ตรวจสอบก่อนพิมพ์"));
    setFixedSize(px(8535), px(7125));
    setFont(resolveFont(kMsSansSerif, 9.75));
    setColours(this, QColor(255, 192, 255), QColor());
    setMouseTracking(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(0, 120, 8415, 6915));
    Image1->setPixmap(parchment());
    Image1->setScaledContents(true);
    Image1->setMouseTracking(true);

    DisplayName = makeLabel<LineLabel>(this, "DisplayName", QStringLiteral("DisplayName"),
                                       twipsRect(1200, 600, 6135, 615), QColor(0, 128, 0), 24,
                                       QStringLiteral("Your name"));
    DisplayBirthday = makeLabel<LineLabel>(this, "DisplayBirthday", QStringLiteral("DisplayBirthday"),
                                           twipsRect(840, 1200, 6855, 375), QColor(0, 0, 255), 15.75,
                                           QStringLiteral("Your Birthday"));

    TxtDisplayProphesy = new ReadingBox(this);
    TxtDisplayProphesy->setObjectName(QStringLiteral("TxtDisplayProphesy"));
    TxtDisplayProphesy->setGeometry(twipsRect(840, 1800, 7095, 4095));
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

    Lbl_Print = makeLabel<QLabel>(this, "Lbl_Print", QStringLiteral(u"พิมพ์"), twipsRect(2400, 6000, 1095, 495),
                                  kRest, 21.75, QStringLiteral("Print"));
    Lbl_Close = makeLabel<QLabel>(this, "Lbl_Close", QStringLiteral(u"ปิด"), twipsRect(5160, 6000, 855, 495),
                                  kRest, 21.75, QStringLiteral("Close"));
    for (QLabel *command : {Lbl_Print, Lbl_Close})
        command->setCursor(pointingHand());

    for (QObject *o : {static_cast<QObject *>(Image1), static_cast<QObject *>(DisplayName),
                       static_cast<QObject *>(DisplayBirthday), static_cast<QObject *>(Lbl_Print),
                       static_cast<QObject *>(Lbl_Close),
                       static_cast<QObject *>(TxtDisplayProphesy->viewport())})
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
}

void Form2::Prophesy()
{
    BirthEntry entry;
    entry.name = form1_.TxtName->text().toStdU16String();
    entry.day = form1_.CobDay->currentIndex() + 1;
    entry.month = form1_.CobMonth->currentIndex() + 1;
    entry.dayText = form1_.CobDay->currentText().toStdU16String();
    entry.monthText = form1_.CobMonth->currentText().toStdU16String();
    entry.yearText = form1_.CobYear->currentText().toStdU16String();
    const QDate today = clock().now().date();
    // QDate's years stay far inside int, so adding the era cannot overflow.
    const AssembledReading r = AssembleReading(entry, today.day(), today.month(), today.year() + kBuddhistEraOffset);

    DisplayName->setText(fromStd(r.nameLine));
    DisplayBirthday->setText(fromStd(r.birthLine));

    const ProphesyTexts texts = WriteProphesy(r.weekday, r.sign, r.animal, r.yearPosition);
    TxtDisplayProphesy->setText(fromStd(texts.display));
    TxtDisplayProphesy->verticalScrollBar()->setValue(0);
    Form3 &layout = Form3::instance();
    layout.PrintPro->setText(fromStd(texts.printPro));
    layout.PrintEveryYNow->setText(fromStd(texts.printNow));
    layout.PrintEveryYNext->setText(fromStd(texts.printNext));
}

void Form2::Lbl_Close_Click()
{
    close();
}

void Form2::closeEvent(QCloseEvent *event)
{
    // However the window goes (ปิด, Esc, the end of printing, the window
    // manager), Form1 comes back ready for the next prediction.
    QWidget::closeEvent(event);
    if (!event->isAccepted() || restored_)
        return;
    restored_ = true;
    Form3::unload();
    form1_.show();
    form1_.TxtName->setText(QString());
    form1_.CmdPredict->setEnabled(true);
    form1_.unsetCursor();
}

void Form2::resetCommandColours()
{
    setTextColour(Lbl_Close, kRest);
    setTextColour(Lbl_Print, kRest);
}

void Form2::mouseMoveEvent(QMouseEvent *event)
{
    resetCommandColours();  // Form_MouseMove
    QWidget::mouseMoveEvent(event);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    // Positions in twips relative to the control, as the drag arithmetic wants.
    const float x = static_cast<float>(mouse->position().x() * kTwipsPerPixel);
    const float y = static_cast<float>(mouse->position().y() * kTwipsPerPixel);
    const int pressed = buttonMask(type == QEvent::MouseMove ? mouse->buttons() : mouse->button());

    if (watched == Image1 || watched == DisplayName || watched == DisplayBirthday) {
        auto *control = static_cast<QWidget *>(watched);
        if (type == QEvent::MouseButtonPress) {
            control->setCursor(grabHand());
            StartDrag(pressed, x, y);
        } else if (type == QEvent::MouseMove) {
            if (watched == Image1)
                resetCommandColours();
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
            setTextColour(label, kHover);
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
    if (button != 1 || !Dragging)
        return;
    const float left = static_cast<float>(pos().x() * kTwipsPerPixel);
    const float top = static_cast<float>(pos().y() * kTwipsPerPixel);
    const float newTop = y - DragY + top;
    const float newLeft = x - DragX + left;
    move(qRound(newLeft / kTwipsPerPixel), qRound(newTop / kTwipsPerPixel));
}

void Form2::EndDrag(int button)
{
    if (button == 1 && Dragging)
        Dragging = false;
}

}  // namespace morvane
