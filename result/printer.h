// The printer as the report sees it: a current font and size, a horizontal
// print position in twips, and lines printed one under the other.
#pragma once

#include <QFont>
#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;

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

// Prints on a QPrinter or QPdfWriter through QPainter, with fonts from the
// font resolver. A line that would run past the right edge of the printable
// area is broken at a Thai word boundary and carries on at position 0; a
// line that would run past the bottom starts a new page.
class PainterPrintDevice : public PrintDevice
{
public:
    // The device must outlive this object.
    explicit PainterPrintDevice(QPagedPaintDevice &device);
    ~PainterPrintDevice() override;

    bool begin() override;
    void setFontName(const QString &name) override;
    void setFontSize(qreal points) override;
    void setCurrentX(float twips) override;
    float textWidth(const QString &text) override;
    void print(const QString &text) override;
    bool endDoc() override;
    QString errorText() const override { return error_; }

    int pages() const { return pages_; }

protected:
    // Whether the device reported an error once the document was finished.
    virtual bool deviceFailed() const { return false; }

private:
    QFont currentFont() const;
    qreal toDevice(qreal twips) const;
    void printLine(const QString &line);
    void newLine(qreal height);

    QPagedPaintDevice &device_;
    std::unique_ptr<QPainter> painter_;
    QString fontName_;
    qreal fontSize_ = 12;
    float x_ = 0;  // twips
    qreal y_ = 0;  // device units from the top of the printable area
    int pages_ = 0;
    QString error_;
};

// Where the print command sends the report: the system's default printer,
// or nothing when none is set up. Tests install their own.
using PrinterProvider = std::function<std::unique_ptr<PrintDevice>()>;
PrinterProvider &defaultPrinter();

// A device that writes a PDF file.
std::unique_ptr<PrintDevice> pdfFile(const QString &path);

}  // namespace morvane
