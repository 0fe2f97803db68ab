#include "form2.h"

#include "calendar.h"
#include "clock.h"
#include "design.h"
#include "filedialog.h"
#include "fonts.h"
#include "form3.h"
#include "messages.h"
#include "outline.h"
#include "pictures.h"
#include "prepare.h"
#include "printer.h"
#include "report.h"
#include "text.h"
#include "twips.h"
#include "writeprophesy.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QWindow>

#include <algorithm>

namespace morvane {
namespace {

using design::kCommandHover;
using design::kCommandRest;
using design::kSheet;

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
Label *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QColor &colour,
                 qreal size, const QString &tip)
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

// A message box over the result window. Qt makes a box as wide as its
// heading, so the Thai lines under a short heading would wrap into a narrow
// column; the box is widened to fit its longest line, up to half a screen.
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
        const QScreen *screen = parent->screen();
        const int limit = screen ? screen->availableGeometry().width() / 2 : 500;
        label->setMinimumWidth(std::min(widest + label->fontMetrics().averageCharWidth(), limit));
    }
    return box;
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

Form2::Form2() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Wayland takes a mask only as the part of the window that answers the
    // mouse, so the window paints nothing outside the outline and leaves
    // it transparent; on X11 the mask cuts the window itself as well.
    setAttribute(Qt::WA_TranslucentBackground);
    buildWindow();
    const QRegion outline = windowOutline();
    setMask(outline);
    // The picture is the only control reaching past the outline.
    Image1->setClip(outline.translated(-Image1->pos()));
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
    setFixedSize(px(design::kForm2Size.width()), px(design::kForm2Size.height()));
    setFont(resolveFont(kMsSansSerif, 9.75));
    QPalette p = palette();
    p.setColor(QPalette::Window, design::kForm2Back);  // painted inside the outline only
    setPalette(p);
    setMouseTracking(true);

    Image1 = new PictureLabel(&parchment, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(design::kForm2Picture));
    Image1->setScaledContents(true);
    Image1->setMouseTracking(true);

    DisplayName
        = makeLabel<LineLabel>(this, "DisplayName", QStringLiteral("DisplayName"), twipsRect(design::kForm2Name),
                               QColor(0, 128, 0), 24, QStringLiteral("Your name"));
    DisplayBirthday = makeLabel<LineLabel>(this, "DisplayBirthday", QStringLiteral("DisplayBirthday"),
                                           twipsRect(design::kForm2Birthday), QColor(0, 0, 255), 15.75,
                                           QStringLiteral("Your Birthday"));

    TxtDisplayProphesy = new ReadingBox(this);
    TxtDisplayProphesy->setObjectName(QStringLiteral("TxtDisplayProphesy"));
    TxtDisplayProphesy->setGeometry(twipsRect(design::kForm2Reading));
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

    Lbl_Print = makeLabel<QLabel>(this, "Lbl_Print", QStringLiteral(u"พิมพ์"), twipsRect(design::kForm2Print),
                                  kCommandRest, 21.75, QStringLiteral("Print"));
    Lbl_Close = makeLabel<QLabel>(this, "Lbl_Close", QStringLiteral(u"ปิด"), twipsRect(design::kForm2Close),
                                  kCommandRest, 21.75, QStringLiteral("Close"));
    for (QLabel *command : {Lbl_Print, Lbl_Close})
        command->setCursor(pointingHand());

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
}

void Form2::Prophesy()
{
    const QDate today = clock().now().date();
    // QDate's years stay far inside int, so adding the era cannot overflow.
    const AssembledReading r = AssembleReading(entry_, today.day(), today.month(), today.year() + kBuddhistEraOffset);

    DisplayName->setText(toQString(r.nameLine));
    DisplayBirthday->setText(toQString(r.birthLine));

    const ProphesyTexts texts = WriteProphesy(r.weekday, r.sign, r.animal, r.yearPosition);
    TxtDisplayProphesy->setText(toQString(texts.display));
    TxtDisplayProphesy->verticalScrollBar()->setValue(0);
    Form3 &layout = Form3::instance();
    layout.PrintPro->setText(toQString(texts.printPro));
    layout.PrintEveryYNow->setText(toQString(texts.printNow));
    layout.PrintEveryYNext->setText(toQString(texts.printNext));
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
    // Stays disabled until the window closes, or until printing has failed
    // and the user may try again.
    Lbl_Print->setEnabled(false);
    const Form3 &layout = Form3::instance();
    const ReportInput input{DisplayName->text(),
                            DisplayBirthday->text(),
                            layout.PrintPro->text(),
                            layout.PrintEveryYNow->text(),
                            layout.PrintEveryYNext->text(),
                            layout.printFontName(),
                            clock().now()};

    PrinterLookup found = defaultPrinter() ? defaultPrinter()() : PrinterLookup{};
    if (!found.device) {
        offerPdf(input, found);
        return;
    }
    PrintDevice &printer = *found.device;
    if (!printReport(printer, input)) {
        reportFailure(messages::kPrintFailed, printer.errorText() + u'\n' + messages::kPrintAgain);
        return;
    }
    const QString note = printer.noteText();
    if (note.isEmpty()) {
        Lbl_Close_Click();
        return;
    }
    // The job is safe in the queue, so the window closes; but only once the
    // user has read why nothing comes out of the printer yet.
    QMessageBox *box
        = messageBox(this, QMessageBox::Information, QStringLiteral("PrintWaits"), messages::kSentToPrinter, note);
    box->setStandardButtons(QMessageBox::Ok);
    connect(box, &QMessageBox::finished, this, &Form2::Lbl_Close_Click);
    box->open();
}

void Form2::reportFailure(const QString &what, const QString &why)
{
    QMessageBox *box = messageBox(this, QMessageBox::Warning, QStringLiteral("PrintFailed"), what, why);
    box->setStandardButtons(QMessageBox::Ok);
    box->open();
    Lbl_Print->setEnabled(true);
}

void Form2::offerPdf(const ReportInput &input, const PrinterLookup &found)
{
    const QString details = messages::noPrinterDetails(found.absence);
    QMessageBox *box = messageBox(
        this, QMessageBox::Question, QStringLiteral("NoPrinter"), messages::noPrinter(found.absence, found.name),
        details.isEmpty() ? messages::kSaveAsPdfInstead : details + u'\n' + messages::kSaveAsPdfInstead);
    QPushButton *save = box->addButton(QStringLiteral(u"บันทึกเป็น PDF"), QMessageBox::AcceptRole);
    box->addButton(QStringLiteral(u"ยกเลิก"), QMessageBox::RejectRole);
    box->setDefaultButton(save);
    connect(box, &QMessageBox::finished, this, [this, box, save, input] {
        if (box->clickedButton() != save) {
            Lbl_Print->setEnabled(true);
            return;
        }
        // Documents when there is such a folder, else home; never the folder
        // the program happened to be started from.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        auto *dialog = new QFileDialog(this, QStringLiteral(u"บันทึกคำทำนายเป็นไฟล์ PDF"),
                                       QDir(folder).filePath(QStringLiteral(u"คำทำนาย Morvane.pdf")),
                                       QStringLiteral(u"ไฟล์ PDF (*.pdf)"));
        dialog->setObjectName(QStringLiteral("SavePdf"));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setDefaultSuffix(QStringLiteral("pdf"));
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        showDetailsInThai(*dialog);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QFileDialog::rejected, this, [this] { Lbl_Print->setEnabled(true); });
        connect(dialog, &QFileDialog::fileSelected, this, [this, input](const QString &path) {
            std::unique_ptr<PrintDevice> pdf = pdfFile(path);
            if (!printReport(*pdf, input)) {
                reportFailure(messages::kSaveFailed, pdf->errorText() + u'\n' + messages::kSaveAgain);
                return;
            }
            Lbl_Close_Click();
        });
        dialog->open();
    });
    box->open();
}

}  // namespace morvane
