#include "form3.h"

#include "design.h"
#include "fonts.h"
#include "twips.h"

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
    label->setFont(resolveFont(kBrowallia, 14.25));
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
    PrintEveryYNow = printLabel(this, "PrintEveryYNow", twipsRect(120, 120, 735, 375));
    PrintPro = printLabel(this, "PrintPro", twipsRect(960, 120, 855, 375));
    PrintEveryYNext = printLabel(this, "PrintEveryYNext", twipsRect(1920, 120, 735, 375));
}

Form3::~Form3()
{
    if (theLayout == this)
        theLayout = nullptr;
}

QString Form3::printFontName() const
{
    return kBrowallia;
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
