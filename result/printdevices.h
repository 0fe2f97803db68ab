// The devices that write the report as a PDF: for the system's print queue
// and for a file. They bring pango, cairo and CUPS with them, which take
// longer to load than the rest of the program together, so the program
// loads them from a module of their own on the first print (printer.cpp)
// instead of at start-up.
#pragma once

#include "printer.h"

#include <QPageLayout>
#include <QString>

namespace morvane {

// Bumped whenever the table below changes, so a module left over from
// another build is refused rather than called wrongly.
inline constexpr int kPrintDevicesVersion = 1;

struct PrintDevices
{
    int version;
    // The report set as a PDF in memory, then sent to a CUPS queue as one job.
    PrintDevice *(*systemPrinter)(const QString &queue, const QPageLayout &page);
    // The report written to a PDF file, replaced only once the whole
    // document has been written.
    PrintDevice *(*pdfFile)(const QString &path, const QPageLayout &page);
};

// The table, linked in directly (the tests) or looked up in the module
// under kPrintDevicesSymbol.
const PrintDevices &printDevices();
inline constexpr char kPrintDevicesSymbol[] = "morvane_print_devices";

}  // namespace morvane
