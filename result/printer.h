// Where the report goes: the default printer or a PDF file, through the
// devices of the print module, which the program loads on the first print.
#pragma once

#include "printdevice.h"

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace morvane {

// Where the print command sends the report: the system's default printer
// as CUPS resolves it at the moment of the click. Tests install their own.
using PrinterProvider = std::function<PrinterLookup()>;
PrinterProvider &defaultPrinter();

// The print dialog, from the print module, in two steps: whether there is
// a printer to choose, asked off the windows' thread (when there is none,
// `none` says why, or holds a device that fails and says why); then Qt's
// dialog over `parent`, not yet open, which once accepted gives `chosen`
// the device to print on. Tests install their own.
struct PrinterChooser
{
    std::function<bool(PrinterLookup &none)> available;
    std::function<QDialog *(QWidget *parent, ChosenPrinter chosen)> dialog;
};
PrinterChooser &printerChooser();

// A device that writes the report to a PDF file on an A4 sheet. The file
// is replaced only once the whole document has been written; a save that
// fails leaves no part of a file and an existing file as it was.
std::unique_ptr<PrintDevice> pdfFile(const QString &path);

// Where the devices that really print are loaded from on the first print:
// the print module beside the program (lib/<arch>/morvane/ under the
// program's prefix, or the build tree). Tests may point it elsewhere. When
// it cannot be loaded, printing and saving fail with a message saying so.
QString &printModulePath();

}  // namespace morvane
