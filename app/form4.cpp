#include "form4.h"

#include "design.h"
#include "fonts.h"
#include "pictures.h"
#include "twips.h"
#include "version.h"
#include "windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

namespace morvane {
namespace {

// Lines of the About labels end with LF CR, in that order.
const QString kLineEnd = QStringLiteral("\n\r");

QString lines(const QStringList &list)
{
    QString text;
    for (const QString &line : list)
        text += line + kLineEnd;
    return text;
}

// What a label shows for such a text: each LF CR is one line break, and the
// break that ends the last line opens no empty line after it.
QString shown(QString text)
{
    text.replace(kLineEnd, QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

// A label at its place in twips.
QLabel *makeLabel(QWidget *parent, const char *name, const QRect &twips, Qt::Alignment alignment, const QColor &text)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsRect(twips));
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, text);
    label->setPalette(p);
    return label;
}

}  // namespace

QString Form4::label2Text()
{
    return QStringLiteral(u"พฤษภาคม  2543") + kLineEnd + kLineEnd
           + lines({QStringLiteral(u"คณะผู้พัฒนาโปรแกรมมอร์เวน"), QStringLiteral("The Morvane development team"),
                    QStringLiteral(u"ซอฟต์แวร์เสรี สัญญาอนุญาต GPL-3.0 ขึ้นไป")});
}

QString Form4::label3Text()
{
    return QString(46, u' ') + QStringLiteral(u"คำแนะนำ") + kLineEnd
           + lines({QStringLiteral(u"       ดวงชะตาของคนเรานั้นไม่ได้ดีหรือร้ายเหมือนกันไปเสียทุกด้าน"),
                    QStringLiteral(u"บางคนหน้าที่การงานรุ่งเรืองก้าวหน้าดี แต่กลับอาภัพในเรื่องความรัก"),
                    QStringLiteral(u"เพราะดวงด้านความรักในช่วงเวลานั้นยังอ่อนอยู่ จึงยิ่งควรตรวจดูดวง-"),
                    QStringLiteral(u"ความรักของคุณให้ถี่ถ้วนตั้งแต่วันนี้")});
}

QString Form4::label4Text()
{
    return QStringLiteral(u"คณะผู้พัฒนามอร์เวนเขียนคำทำนายทั้งหมดขึ้นสำหรับโปรแกรมนี้โดยเฉพาะ");
}

Form4 *Form4::open(QWidget &owner)
{
    auto *about = new Form4(owner);
    centreOver(*about, owner);
    about->show();
    return about;
}

Form4::Form4(QWidget &owner)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      owner_(owner)
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(u"เกี่ยวกับโปรแกรม"));
    setFixedSize(px(design::kForm4Client.width()), px(design::kForm4Client.height()));
    QPalette p = palette();
    p.setColor(QPalette::Window, design::kForm4Back);
    setPalette(p);
    setAutoFillBackground(true);

    Image1 = new PictureLabel(&aboutPicture, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(design::kForm4Picture));

    Label1 = makeLabel(this, "Label1", design::kForm4Title, Qt::AlignCenter, design::kForm4TitleText);
    Label1->setFont(resolveFont(design::kForm4TitleFace));
    Label2 = makeLabel(this, "Label2", design::kForm4Credits, Qt::AlignCenter, design::kForm4CreditsText);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(design::kForm4Frame));
    Label3
        = makeLabel(Frame1, "Label3", design::kForm4Advice, Qt::AlignLeft | Qt::AlignVCenter, design::kForm4AdviceText);

    Label4 = makeLabel(this, "Label4", design::kForm4Book, Qt::AlignCenter, design::kForm4BookText);
    QPalette grey = Label4->palette();
    grey.setColor(QPalette::Window, design::kForm4BookBack);
    Label4->setPalette(grey);
    Label4->setAutoFillBackground(true);

    // Design-time captions, replaced by Form_Load as each opening begins.
    Label1->setText(QStringLiteral("Label1"));
    Label2->setText(QStringLiteral("Label2"));
    Label3->setText(QStringLiteral("Label3"));
    Label4->setText(QStringLiteral("Label4"));

    setCursor(pointingHand());
    for (QWidget *w :
         {static_cast<QWidget *>(Image1), static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2),
          static_cast<QWidget *>(Frame1), static_cast<QWidget *>(Label3), static_cast<QWidget *>(Label4)}) {
        w->setToolTip(QStringLiteral(u"คลิ๊กเพื่อปิด"));
        w->setCursor(pointingHand());
        w->installEventFilter(this);
    }
    setToolTip(QStringLiteral(u"คลิ๊กเพื่อปิด"));
    owner_.installEventFilter(this);
    Form_Load();
}

void Form4::Form_Load()
{
    if (owner_.isEnabled())
        owner_.setEnabled(false);
    Label1->setText(QStringLiteral(u"โปรแกรม ''Morvane'' เวอร์ชั่น ") + QLatin1String(kVersion));
    Label2->setText(shown(label2Text()));
    Label3->setText(shown(label3Text()));
    Label4->setText(label4Text());
}

void Form4::Form_Click()
{
    close();
}

void Form4::done(int result)
{
    // Every way out ends here, a click, Esc or the title bar: Form1 takes
    // input again.
    QDialog::done(result);
    owner_.removeEventFilter(this);
    if (!owner_.isEnabled())
        owner_.setEnabled(true);
}

void Form4::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Form_Click();
}

bool Form4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &owner_) {
        // The window manager can still close the disabled input window (its
        // title bar, Alt+F4), and with it gone the next click here would end
        // the program. It stays until this window has closed.
        if (event->type() == QEvent::Close) {
            event->ignore();
            raise();
            activateWindow();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Form_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace morvane
