// The printed report: the name, the moment of printing, the birth line, the
// three reading sections with their headings, a note and the credits.
#pragma once

#include <QDateTime>
#include <QString>

namespace morvane {

class PrintDevice;

// What the report prints, gathered from the result window and Form3.
struct ReportInput
{
    QString name;      // Form2's name line
    QString birthday;  // Form2's birth line
    QString printPro;  // Form3's print lines, lone CR between lines
    QString printNow;
    QString printNext;
    QString fontName;  // the print font, Form3.PrintPro's family
    QDateTime moment;  // when "พิมพ์" was pressed
};

// "วันเสาร์ ที่ 3 มกราคม พ.ศ. 2569" and "เวลา 09:05 น." for that moment.
QString stampDate(const QDate &date);
QString stampTime(const QTime &time);

// The two lines of the note under the readings.
extern const QString kNoteLine1;
extern const QString kNoteLine2;

// Prints the whole report as one document. False when the printer could
// not be opened or would not take the document (see PrintDevice::errorText).
bool printReport(PrintDevice &printer, const ReportInput &input);

}  // namespace morvane
