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
};

// The sheet the report is laid out on: portrait, with at least the quarter
// inch a desk printer leaves on every side, more where the printer asks for
// it. Margins in points.
QPageLayout reportPage(const QPageSize &size, const QMarginsF &printerMargins = {});

// Where the print command sends the report: the system's default printer,
// or nothing when none is set up. Tests install their own.
using PrinterProvider = std::function<std::unique_ptr<PrintDevice>()>;
PrinterProvider &defaultPrinter();

// A device that writes the report to a PDF file on an A4 sheet. The file
// is replaced only once the whole document has been written.
std::unique_ptr<PrintDevice> pdfFile(const QString &path);

// Where the devices that really print are loaded from on the first print:
// the print module beside the program (lib/<arch>/morvane/ under the
// program's prefix, or the build tree). Tests may point it elsewhere. When
// it cannot be loaded, printing and saving fail with a message saying so.
QString &printModulePath();

}  // namespace morvane
