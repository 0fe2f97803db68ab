#include "report.h"

#include "calendar.h"
#include "design.h"
#include "fonts.h"
#include "prediction.h"
#include "printdevice.h"
#include "text.h"
#include "version.h"

namespace morvane {
namespace {

// Lines are centred against the result window's width, not the page's.
constexpr float kWindowWidthTwips = design::kForm2Size.width();

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

const QString kNoteLine1
    = QStringLiteral(u"             คำทำนายทั้งหมดนี้กล่าวไว้เฉพาะเรื่องที่ควรรู้ เพื่อให้คุณนำไปปรับปรุงตนเองหรือใช้เตือนใจให้ระมัดระวัง "
                     u"ส่วนเรื่องปลีกย่อยที่ไม่สำคัญจึงมิได้นำมากล่าวถึง");
const QString kNoteLine2 = QStringLiteral(u"    หากมีสติและหมั่นขัดเกลาตนเองอยู่เสมอ เหตุการณ์ทั้งหลายก็ย่อมเปลี่ยนไปในทางที่ดี.");

QString stampDate(const QDate &date)
{
    return toQString(ThaiDate(date.day(), date.month(), BuddhistYear(date.year())));
}

QString stampTime(const QTime &time)
{
    return QStringLiteral(u"เวลา ") + time.toString(QStringLiteral("HH:mm")) + QStringLiteral(u" น.");
}

bool printReport(PrintDevice &p, const Prediction &prediction, const QDateTime &printed)
{
    if (!p.begin())
        return false;
    // The size first; then the print layout's family, whose size is not taken.
    p.setFontSize(22);
    p.setFontName(familyName(design::kPrintFace.family));

    const ProphesyTexts &texts = prediction.texts;
    left(p, 22, QString());
    centred(p, 22, 1.4f, toQString(prediction.assembled.nameLine));
    left(p, 13, QString());
    left(p, 16,
         QStringLiteral(u"วันและเวลาการทำนาย :  ") + stampDate(printed.date()) + QStringLiteral("  ")
             + stampTime(printed.time()));
    left(p, 16, QStringLiteral(u"วันเกิดของคุณ :  ") + toQString(prediction.assembled.birthLine));
    left(p, 13, QString());
    left(p, 16, QStringLiteral(u"คำทำนาย"));
    left(p, 12, toQString(texts.printPro));
    left(p, 16, QStringLiteral(u"ความรักในปีนี้"));
    left(p, 12, toQString(texts.printNow));
    left(p, 16, QStringLiteral(u"ความรักในปีหน้า"));
    left(p, 12, toQString(texts.printNext));
    left(p, 12, QString());
    centred(p, 12, 1.3f, QString(30, u'+'));
    centred(p, 16, 1.42f, QStringLiteral(u"หมายเหตุ"));
    left(p, 12, kNoteLine1);
    left(p, 12, kNoteLine2);
    left(p, 12, QString());
    centred(p, 10, 1.33f, QStringLiteral(u"โปรแกรม  ''Morvane''  เวอร์ชั่น  ") + QLatin1String(kVersion));
    centred(p, 10, 1.4f, QStringLiteral(u"คณะผู้พัฒนาโปรแกรมมอร์เวน"));
    centred(p, 10, 1.4f, QStringLiteral("The Morvane development team"));
    centred(p, 10, 1.3f, QStringLiteral(u"ออกแบบ เขียนโปรแกรม และแต่งคำทำนายความรักทั้งหมด"));
    centred(p, 13, 1.4f, QStringLiteral(u"ฉบับพฤษภาคม 2543"));
    return p.endDoc();
}

}  // namespace morvane
