#include "messages.h"

#include <QDir>
#include <QFileInfo>

namespace morvane::messages {

const QString kPrintFailed = QStringLiteral(u"พิมพ์คำทำนายไม่สำเร็จ");
const QString kSaveFailed = QStringLiteral(u"บันทึกไฟล์ PDF ไม่สำเร็จ");
const QString kSavePictureFailed = QStringLiteral(u"บันทึกรูปภาพไม่สำเร็จ");
const QString kSentToPrinter = QStringLiteral(u"ส่งคำทำนายไปยังเครื่องพิมพ์แล้ว");

const QString kPrintAgain = QStringLiteral(u"คำทำนายยังแสดงอยู่ตามเดิม แก้ไขสาเหตุข้างต้นแล้วคลิก \"พิมพ์\" อีกครั้ง");
const QString kSaveAgain = QStringLiteral(u"คำทำนายยังแสดงอยู่ตามเดิม คลิก \"พิมพ์\" อีกครั้งเพื่อบันทึกในโฟลเดอร์อื่น");

const QString kPrintOtherAgain = QStringLiteral(u"คำทำนายยังแสดงอยู่ตามเดิม แก้ไขสาเหตุข้างต้นแล้วสั่งพิมพ์อีกครั้ง หรือเลือกเครื่องพิมพ์อื่น");
const QString kSaveFromMenuAgain
    = QStringLiteral(u"คำทำนายยังแสดงอยู่ตามเดิม กด Ctrl+S หรือคลิกขวาบนแผ่นกระดาษเพื่อบันทึกอีกครั้งในโฟลเดอร์อื่น");
const QString kNoAnswerDetails = QStringLiteral(u"รอนานแล้วแต่ยังไม่มีคำตอบกลับมา ระบบการพิมพ์อาจค้างอยู่ หรือเครือข่ายอาจขัดข้อง\n"
                                                u"คำทำนายจึงยังไม่ได้พิมพ์ออกมา");

const QString kNoMemoryForPicture
    = QStringLiteral(u"หน่วยความจำของคอมพิวเตอร์ไม่พอสำหรับสร้างรูปภาพคำทำนาย ลองปิดโปรแกรมอื่นแล้วบันทึกอีกครั้ง");

const QString kSaveAsPdfInstead = QStringLiteral(u"ต้องการบันทึกคำทำนายเป็นไฟล์ PDF แทนหรือไม่");

QString noAnswer(const QString &server)
{
    return server.isEmpty() ? QStringLiteral(u"ระบบการพิมพ์ของคอมพิวเตอร์เครื่องนี้ไม่ตอบสนอง")
                            : QStringLiteral(u"เซิร์ฟเวอร์การพิมพ์ \"%1\" ไม่ตอบสนอง").arg(server);
}

QString noPrinter(PrinterLookup::Absence absence, const QString &name)
{
    switch (absence) {
    case PrinterLookup::Absence::NoPrinters:
        break;
    case PrinterLookup::Absence::NoAnswer:
        return noAnswer(name);
    case PrinterLookup::Absence::NoDefault:
        return QStringLiteral(u"ยังไม่ได้ตั้งเครื่องพิมพ์เริ่มต้น");
    case PrinterLookup::Absence::DefaultGone:
        return QStringLiteral(u"ไม่พบเครื่องพิมพ์เริ่มต้น \"%1\"").arg(name);
    case PrinterLookup::Absence::NoSpooler:
        return QStringLiteral(u"ติดต่อระบบการพิมพ์ของคอมพิวเตอร์เครื่องนี้ไม่ได้");
    }
    return QStringLiteral(u"ไม่พบเครื่องพิมพ์ในคอมพิวเตอร์เครื่องนี้");
}

QString noPrinterDetails(PrinterLookup::Absence absence)
{
    switch (absence) {
    case PrinterLookup::Absence::NoDefault:
        return QStringLiteral(u"มีเครื่องพิมพ์อยู่ แต่ยังไม่ได้เลือกเครื่องใดเป็นเครื่องพิมพ์เริ่มต้น");
    case PrinterLookup::Absence::DefaultGone:
        return QStringLiteral(u"เครื่องพิมพ์ชื่อนี้ถูกตั้งไว้เป็นเครื่องพิมพ์เริ่มต้น แต่ไม่มีอยู่ในคอมพิวเตอร์เครื่องนี้");
    case PrinterLookup::Absence::NoAnswer:
        return kNoAnswerDetails;
    case PrinterLookup::Absence::NoPrinters:
    case PrinterLookup::Absence::NoSpooler:
        break;
    }
    return QString();
}

QString queueTrouble(QueueOutcome outcome, const QString &queue)
{
    switch (outcome) {
    case QueueOutcome::Printing:
        return QString();
    case QueueOutcome::Paused:
        return QStringLiteral(u"เครื่องพิมพ์ \"%1\" ถูกหยุดไว้ชั่วคราว\n"
                              u"งานพิมพ์จึงรออยู่ในคิว "
                              u"และจะพิมพ์ออกมาเมื่อเปิดใช้เครื่องพิมพ์อีกครั้ง")
            .arg(queue);
    case QueueOutcome::Held:
        return QStringLiteral(u"งานพิมพ์ถูกพักไว้ในคิวของเครื่องพิมพ์ \"%1\" และจะพิมพ์ออกมาเมื่อสั่งให้พิมพ์งานนั้นต่อ").arg(queue);
    case QueueOutcome::Rejecting:
        return QStringLiteral(u"เครื่องพิมพ์ \"%1\" ถูกตั้งค่าให้ไม่รับงานพิมพ์ในขณะนี้").arg(queue);
    case QueueOutcome::Gone:
        return QStringLiteral(u"ไม่พบเครื่องพิมพ์ \"%1\" ในระบบแล้ว").arg(queue);
    case QueueOutcome::Cancelled:
        return QStringLiteral(u"งานพิมพ์ที่ส่งไปยังเครื่องพิมพ์ \"%1\" ถูกยกเลิกก่อนพิมพ์ออกมา").arg(queue);
    case QueueOutcome::NoSpooler:
        return QStringLiteral(u"ติดต่อระบบการพิมพ์ของคอมพิวเตอร์เครื่องนี้ไม่ได้");
    case QueueOutcome::NoAnswer:
        return noAnswer(QString());
    case QueueOutcome::Failed:
        break;
    }
    return QStringLiteral(u"เครื่องพิมพ์ \"%1\" ไม่ตอบสนอง หรือไม่รับงานพิมพ์").arg(queue);
}

QString saveTrouble(SaveTrouble trouble, const QString &path, bool replacing)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    QString why;
    switch (trouble) {
    case SaveTrouble::NoFolder:
        why = QStringLiteral(u"ไม่พบโฟลเดอร์ \"%1\"").arg(folder);
        break;
    case SaveTrouble::CannotWrite:
        why = QStringLiteral(u"บันทึกไฟล์ในโฟลเดอร์ \"%1\" ไม่ได้ อาจไม่มีสิทธิ์บันทึกไฟล์ในโฟลเดอร์นั้น").arg(folder);
        break;
    case SaveTrouble::WriteFailed:
        why = QStringLiteral(u"เขียนไฟล์ \"%1\" ไม่ครบ อาจเป็นเพราะพื้นที่ดิสก์เต็ม").arg(QFileInfo(path).fileName());
        if (!replacing)
            why += QStringLiteral(u"\nไฟล์ที่บันทึกไม่ครบถูกลบทิ้งแล้ว");
        break;
    }
    if (replacing)
        why += QStringLiteral(u"\nไฟล์เดิมชื่อนี้ยังอยู่ครบ ไม่ถูกเขียนทับ");
    return why;
}

}  // namespace morvane::messages
