// The printed report: the name, the moment of printing, the birth line, the
// three reading sections with their headings, a note and the credits.
#pragma once

#include <QDateTime>
#include <QString>

namespace morvane {

class PrintDevice;
struct Prediction;

// "วันเสาร์ ที่ 3 มกราคม พ.ศ. 2569" and "เวลา 09:05 น." for that moment.
QString stampDate(const QDate &date);
QString stampTime(const QTime &time);

// The two lines of the note under the readings.
extern const QString kNoteLine1;
extern const QString kNoteLine2;

// Prints the report of a prediction as one document, stamped with the
// moment of printing. False when the printer could not be opened or would
// not take the document (see PrintDevice::errorText).
bool printReport(PrintDevice &printer, const Prediction &prediction, const QDateTime &printed);

}  // namespace morvane
