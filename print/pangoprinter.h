// The report set as a PDF through pango and cairo, for the printer and for
// a saved file alike, so that paper and file look the same and the file's
// text can be copied and searched with every Thai vowel and tone mark.
#pragma once

#include "printdevice.h"

#include <QPageLayout>

#include <memory>

class QIODevice;

namespace morvane {

// Lays the report out on pages of the given layout, from the top-left of
// its printable area, and writes the PDF to a device. A line that would run
// past the right edge is broken at a Thai word boundary and carries on at
// position 0; a line that would run past the bottom starts a new page.
class PangoPrintDevice : public PrintDevice
{
public:
    // The output must outlive this object; begin() opens it for writing
    // unless it is open already.
    PangoPrintDevice(QIODevice &output, const QPageLayout &page);
    ~PangoPrintDevice() override;

    bool begin() override;
    void setFontName(const QString &name) override;
    void setFontSize(qreal points) override;
    void setCurrentX(float twips) override;
    float textWidth(const QString &text) override;
    void print(const QString &text) override;
    // Finishes the PDF; false when it could not all be written.
    bool endDoc() override;

    int pages() const { return pages_; }
    // How many times a line had to be broken to stay on the page.
    int brokenLines() const { return brokenLines_; }

private:
    struct Pango;
    Pango &pango();
    void printLine(const QString &line);

    QIODevice &output_;
    const QPageLayout page_;
    std::unique_ptr<Pango> pango_;
    QString fontName_;
    qreal fontSize_ = 12;
    float x_ = 0;  // twips from the left of the printable area
    qreal y_ = 0;  // points from the top of the printable area
    int pages_ = 0;
    int brokenLines_ = 0;
    bool writeFailed_ = false;
};

}  // namespace morvane
