// The devices that print the report and write it as a PDF. They bring
// pango, cairo and CUPS with them, which take longer to load than the rest
// of the program together, so the program loads them from a module of its
// own on the first print instead of at start-up. This is the module's
// side of that boundary: what it exports, and how it lays out the sheet.
#pragma once

#include "printdevice.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QDialog;
class QWidget;

namespace morvane {

// Bumped whenever the table below changes, so a module left over from
// another build is refused rather than called wrongly.
inline constexpr int kPrintDevicesVersion = 3;

struct PrintDevices
{
    int version;
    // The default printer as CUPS resolves it at this moment, with a device
    // that sets the report as a PDF and sends it there as one job; or why
    // there is none.
    PrinterLookup (*defaultPrinter)();
    // The report written to a PDF file, replaced only once the whole
    // document has been written.
    PrintDevice *(*pdfFile)(const QString &path);
    // Whether there is a printer to choose, asked within the same limits as
    // the default printer, so off the windows' thread; when there is none,
    // why, in `none`.
    bool (*printersToChoose)(PrinterLookup &none);
    // Qt's print dialog over `parent`, not yet open, to choose a printer,
    // the copies and the paper. Once the user accepts, `chosen` gets a
    // device that sets the report as the default printer's does and hands
    // it to the printer chosen as one job, with those choices. Qt's dialog
    // asks the print system itself, on the windows' thread and with no
    // limit of ours, so it is made only once printersToChoose() has had an
    // answer.
    QDialog *(*printDialog)(QWidget *parent, ChosenPrinter chosen);
};

// The sheet the report is laid out on: portrait, with at least the quarter
// inch a desk printer leaves on every side, more where the printer asks for
// it. Margins in points.
QPageLayout reportPage(const QPageSize &size, const QMarginsF &printerMargins = {});

// The table, linked in directly (the tests) or looked up in the module
// under kPrintDevicesSymbol.
const PrintDevices &printDevices();
inline constexpr char kPrintDevicesSymbol[] = "morvane_print_devices";

}  // namespace morvane
