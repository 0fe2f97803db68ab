// The printer as the report sees it, and what printing can come to: the
// interface between the program and the print module, which implements it.
#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace morvane {

// A current font and size, a horizontal print position in twips, and lines
// printed one under the other.
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
    // Ends the document; false when that failed.
    virtual bool endDoc() = 0;
    // Hands the ended document on to where it goes, a print queue; false
    // when that failed. It may wait for the print system, for a bounded
    // time, so the print command calls it off the user interface's thread:
    // it touches nothing but the device. A file is whole at endDoc().
    virtual bool deliver() { return true; }
    // After deliver() failed: true when the print system did not answer in
    // time, rather than refused the job.
    virtual bool unanswered() const { return false; }
    // What went wrong, for the user, after begin(), endDoc() or deliver() failed.
    virtual QString errorText() const { return QString(); }
    // What the user should know after deliver() succeeded, such as a job
    // that waits in a paused printer's queue; empty when all is well.
    virtual QString noteText() const { return QString(); }
};

// What the print command finds when it looks for the default printer: a
// device to print on, or why there is none.
struct PrinterLookup
{
    enum class Absence {
        NoPrinters,   // no printer at all
        NoDefault,    // printers, but none is the default
        DefaultGone,  // the default is named (PRINTER, LPDEST, lpoptions) but does not exist
        NoSpooler,    // no print system to connect to
        NoAnswer,     // the print system took connections but did not answer in time
    };
    std::unique_ptr<PrintDevice> device;
    Absence absence = Absence::NoPrinters;
    QString name;  // the missing default's name, or the server that did not answer
};

// Where the print dialog hands the printer the user chose, with the copies
// and paper chosen, as a device to print the report on.
using ChosenPrinter = std::function<void(std::unique_ptr<PrintDevice>)>;

// What became of a job handed to a print queue.
enum class QueueOutcome {
    Printing,   // accepted, and the printer is working
    Paused,     // accepted; waits in the queue of a paused printer
    Held,       // accepted; held in the queue until someone releases it
    Rejecting,  // the queue is set not to accept jobs
    Gone,       // the queue no longer exists
    Cancelled,  // accepted, then cancelled or aborted at once
    NoSpooler,  // no print system to connect to
    NoAnswer,   // the print system did not answer in time
    Failed,     // any other refusal
};

// Why a file could not be saved.
enum class SaveTrouble {
    NoFolder,     // the folder does not exist
    CannotWrite,  // the folder exists but no file can be made in it
    WriteFailed,  // the file was begun but could not all be written
};

}  // namespace morvane
