// Every message the print command can show, in one place, so that the
// wording can be read and mended together.
#pragma once

#include "printdevice.h"

#include <QString>

namespace morvane::messages {

// Headings of the boxes.
extern const QString kPrintFailed;
extern const QString kSaveFailed;
extern const QString kSavePictureFailed;
extern const QString kSentToPrinter;

// After a failed print or save: the reading is still there, and what to do.
extern const QString kPrintAgain;
extern const QString kSaveAgain;
// The same after a command of the sheet's menu.
extern const QString kPrintOtherAgain;
extern const QString kSaveFromMenuAgain;

// The question that offers a PDF instead of paper.
extern const QString kSaveAsPdfInstead;

// The print system took too long to answer: a heading naming the server
// (this computer's own when `server` is empty), and the lines under it.
QString noAnswer(const QString &server);
extern const QString kNoAnswerDetails;

// Why there is no printer to print on: the heading of the box that offers a
// PDF, and a line under it (empty when the heading says all).
QString noPrinter(PrinterLookup::Absence absence, const QString &name);
QString noPrinterDetails(PrinterLookup::Absence absence);

// What became of a job sent to a queue: why it failed, or why it waits.
QString queueTrouble(QueueOutcome outcome, const QString &queue);

// The picture for sharing could not even be made: memory ran out.
extern const QString kNoMemoryForPicture;

// Why a PDF could not be saved, and what became of the file that the path
// already named, if any.
QString saveTrouble(SaveTrouble trouble, const QString &path, bool replacing);

}  // namespace morvane::messages
