#include "report.h"

#include "calendar.h"
#include "clock.h"
#include "form2.h"
#include "form3.h"
#include "printer.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace morvane {
namespace {

// Lines are centred against the result window's width, not the page's.
constexpr float kWindowWidthTwips = 8535;

QString fromView(std::u16string_view s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

void left(PrintDevice &p, qreal size, const QString &text)
{
    p.setFontSize(size);
    p.print(text);
}

// Sets the size first, so the width is measured at the line's own size. A
// line wider than the window would start left of the page; it starts at the
// edge instead.
void centred(PrintDevice &p, qreal size, float divisor, const QString &text)
{
    p.setFontSize(size);
    const float x = (kWindowWidthTwips - p.textWidth(text)) / divisor;
    p.setCurrentX(x > 0 ? x : 0);
    p.print(text);
}

}  // namespace

const QString kNoteLine1 = QStringLiteral(
    u"             คำทำนายทั้งหมดนี้กล่าวไว้เฉพาะเรื่องที่ควรรู้ เพื่อให้คุณนำไปปรับปรุงตนเองหรือใช้เตือนใจให้ระมัดระวัง "
    u"ส่วนเรื่องปลีกย่อยที่ไม่สำคัญจึงมิได้นำมากล่าวถึง");
const QString kNoteLine2 =
    QStringLiteral(u"    หากมีสติและหมั่นปรับปรุงตนเองอยู่เสมอ เหตุการณ์ทั้งปวงก็ย่อมเปลี่ยนไปในทางที่ดี.");

QString stampDate(const QDate &date)
{
    const int yearBE = date.year() + kBuddhistEraOffset;
    return QStringLiteral(u"วัน") + fromView(DayOfweek(DweekNum(date.day(), date.month(), yearBE)))
        + QStringLiteral(u" ที่ ") + QString::number(date.day()) + u' ' + fromView(MonthName(date.month()))
        + QStringLiteral(u" พ.ศ. ") + QString::number(yearBE);
}

QString stampTime(const QTime &time)
{
    return QStringLiteral(u"เวลา ") + time.toString(QStringLiteral("HH:mm")) + QStringLiteral(u" น.");
}

bool printReport(PrintDevice &p, const ReportInput &in)
{
    if (!p.begin())
        return false;
    p.setFontSize(22);
    p.setFontName(in.fontName);

    left(p, 22, QString());
    centred(p, 22, 1.4f, in.name);
    left(p, 13, QString());
    left(p, 16, QStringLiteral(u"วันและเวลาการทำนาย :  ") + stampDate(in.moment.date()) + QStringLiteral("  ")
                    + stampTime(in.moment.time()));
    left(p, 16, QStringLiteral(u"วันเกิดของคุณ :  ") + in.birthday);
    left(p, 13, QString());
    left(p, 16, QStringLiteral(u"คำทำนาย"));
    left(p, 12, in.printPro);
    left(p, 16, QStringLiteral(u"ความรักในปีนี้"));
    left(p, 12, in.printNow);
    left(p, 16, QStringLiteral(u"ความรักในปีหน้า"));
    left(p, 12, in.printNext);
    left(p, 12, QString());
    centred(p, 12, 1.3f, QString(30, u'+'));
    centred(p, 16, 1.42f, QStringLiteral(u"หมายเหตุ"));
    left(p, 12, kNoteLine1);
    left(p, 12, kNoteLine2);
    left(p, 12, QString());
    centred(p, 10, 1.33f, QStringLiteral(u"โปรแกรม  ''Morvane''  เวอร์ชั่น  1.0"));
    centred(p, 10, 1.4f, QStringLiteral(u"คณะผู้พัฒนาโปรแกรมมอร์เวน"));
    centred(p, 10, 1.4f, QStringLiteral("The Morvane development team"));
    centred(p, 10, 1.3f, QStringLiteral(u"ออกแบบ เขียนโปรแกรม และแต่งคำทำนายความรักทั้งหมด"));
    centred(p, 13, 1.4f, QStringLiteral(u"ฉบับพฤษภาคม 2543"));
    return p.endDoc();
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

    std::unique_ptr<PrintDevice> printer = defaultPrinter() ? defaultPrinter()() : nullptr;
    if (!printer) {
        offerPdf(input);
        return;
    }
    if (!printReport(*printer, input)) {
        reportFailure(QStringLiteral(u"พิมพ์คำทำนายไม่สำเร็จ"), printer->errorText());
        return;
    }
    Lbl_Close_Click();
}

void Form2::reportFailure(const QString &what, const QString &why)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Morvane"), what, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("PrintFailed"));
    box->setInformativeText(why + QStringLiteral(u"\nคำทำนายยังแสดงอยู่ตามเดิม แก้ไขสาเหตุข้างต้นแล้วคลิก \"พิมพ์\" อีกครั้ง"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    Lbl_Print->setEnabled(true);
}

void Form2::offerPdf(const ReportInput &input)
{
    auto *box = new QMessageBox(QMessageBox::Question, QStringLiteral("Morvane"),
                                QStringLiteral(u"ไม่พบเครื่องพิมพ์ในคอมพิวเตอร์เครื่องนี้"), QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("NoPrinter"));
    box->setInformativeText(QStringLiteral(u"ต้องการบันทึกคำทำนายเป็นไฟล์ PDF แทนหรือไม่"));
    QPushButton *save = box->addButton(QStringLiteral(u"บันทึกเป็น PDF"), QMessageBox::AcceptRole);
    box->addButton(QStringLiteral(u"ยกเลิก"), QMessageBox::RejectRole);
    box->setDefaultButton(save);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, save, input] {
        if (box->clickedButton() != save) {
            Lbl_Print->setEnabled(true);
            return;
        }
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        auto *dialog = new QFileDialog(this, QStringLiteral(u"บันทึกคำทำนายเป็นไฟล์ PDF"),
                                       QDir(folder.isEmpty() ? QDir::homePath() : folder)
                                           .filePath(QStringLiteral(u"คำทำนาย Morvane.pdf")),
                                       QStringLiteral(u"ไฟล์ PDF (*.pdf)"));
        dialog->setObjectName(QStringLiteral("SavePdf"));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setDefaultSuffix(QStringLiteral("pdf"));
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QFileDialog::rejected, this, [this] { Lbl_Print->setEnabled(true); });
        connect(dialog, &QFileDialog::fileSelected, this, [this, input](const QString &path) {
            std::unique_ptr<PrintDevice> pdf = pdfFile(path);
            if (!printReport(*pdf, input)) {
                reportFailure(QStringLiteral(u"บันทึกไฟล์ PDF ไม่สำเร็จ"), pdf->errorText());
                return;
            }
            Lbl_Close_Click();
        });
        dialog->open();
    });
    box->open();
}

}  // namespace morvane
