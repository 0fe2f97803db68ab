// The printer as the report sees it: a current font and size, a horizontal
// print position in twips, and lines printed one under the other.
#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

namespace morvane {

class PrintDevice
{
public:
    virtual ~PrintDevice() = default;

    // Starts the document; false when the printer cannot be opened.
    virtual bool begin() = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(qreal points) = 0;
    virtual void setCurrentX(float twips) = 0;
    // The width of a text at the current font and size, in twips.
    virtual float textWidth(const QString &text) = 0;
    // Prints a text at the current position and moves to the start of the
    // next line; a CR inside the text starts a new line too. An empty text
    // leaves one blank line of the current size.
    virtual void print(const QString &text) = 0;
    // Ends the document and sends it off; false when that failed.
    virtual bool endDoc() = 0;
    // What went wrong, for the user, after begin() or endDoc() failed.
    virtual QString errorText() const { return QString(); }
    // What the user should know after endDoc() succeeded, such as a job
    // that waits in a paused printer's queue; empty when all is well.
    virtual QString noteText() const { return QString(); }
};

// The sheet the report is laid out on: portrait, with at least the quarter
// inch a desk printer leaves on every side, more where the printer asks for
// it. Margins in points.
QPageLayout reportPage(const QPageSize &size, const QMarginsF &printerMargins = {});

// What the print command finds when it looks for the default printer: a
// device to print on, or why there is none.
struct PrinterLookup
{
    enum class Absence {
        NoPrinters,   // no printer at all
        NoDefault,    // printers, but none is the default
        DefaultGone,  // the default is named (PRINTER, LPDEST, lpoptions) but does not exist
        NoSpooler,    // the printing system does not answer
    };
    std::unique_ptr<PrintDevice> device;
    Absence absence = Absence::NoPrinters;
    QString name;  // the missing default's name
};

// Where the print command sends the report: the system's default printer
// as CUPS resolves it at the moment of the click. Tests install their own.
using PrinterProvider = std::function<PrinterLookup()>;
PrinterProvider &defaultPrinter();

// What became of a job handed to a print queue.
enum class QueueOutcome {
    Printing,   // accepted, and the printer is working
    Paused,     // accepted; waits in the queue of a paused printer
    Held,       // accepted; held in the queue until someone releases it
    Rejecting,  // the queue is set not to accept jobs
    Gone,       // the queue no longer exists
    Cancelled,  // accepted, then cancelled or aborted at once
    NoSpooler,  // the printing system does not answer
    Failed,     // any other refusal
};

// Why a PDF could not be saved.
enum class SaveTrouble {
    NoFolder,     // the folder does not exist
    CannotWrite,  // the folder exists but no file can be made in it
    WriteFailed,  // the file was begun but could not all be written
};

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
