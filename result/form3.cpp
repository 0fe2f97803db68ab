#include "form3.h"

#include "design.h"
#include "fonts.h"
#include "text.h"
#include "twips.h"
#include "writeprophesy.h"

#include <QLabel>

namespace morvane {
namespace {

Form3 *theLayout = nullptr;

QLabel *printLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setFont(resolveFont(design::kPrintFace));
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, design::kSheet);
    p.setColor(QPalette::WindowText, design::kPrintText);
    label->setPalette(p);
    return label;
}

}  // namespace

Form3::Form3()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral(u"สำหรับพิมพ์ออกเครื่องพิมพ์"));
    resize(px(design::kForm3Client.width()), px(design::kForm3Client.height()));
    PrintEveryYNow = printLabel(this, "PrintEveryYNow", twipsRect(design::kForm3Now));
    PrintPro = printLabel(this, "PrintPro", twipsRect(design::kForm3Pro));
    PrintEveryYNext = printLabel(this, "PrintEveryYNext", twipsRect(design::kForm3Next));
}

Form3::~Form3()
{
    if (theLayout == this)
        theLayout = nullptr;
}

void Form3::fill(const ProphesyTexts &texts)
{
    PrintPro->setText(toQString(texts.printPro));
    PrintEveryYNow->setText(toQString(texts.printNow));
    PrintEveryYNext->setText(toQString(texts.printNext));
}

Form3 &Form3::instance()
{
    if (!theLayout)
        theLayout = new Form3;
    return *theLayout;
}

bool Form3::loaded()
{
    return theLayout != nullptr;
}

void Form3::unload()
{
    delete theLayout;
}

}  // namespace morvane
