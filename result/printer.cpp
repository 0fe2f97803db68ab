#include "printer.h"

#include "fonts.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>

namespace morvane {

namespace {

constexpr qreal kTwipsPerInch = 1440;

}  // namespace

PainterPrintDevice::PainterPrintDevice(QPagedPaintDevice &device) : device_(device) {}

PainterPrintDevice::~PainterPrintDevice()
{
    if (painter_ && painter_->isActive())
        painter_->end();
}

bool PainterPrintDevice::begin()
{
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&device_)) {
        painter_.reset();
        return false;
    }
    pages_ = 1;
    x_ = 0;
    y_ = 0;
    return true;
}

void PainterPrintDevice::setFontName(const QString &name)
{
    fontName_ = name;
}

void PainterPrintDevice::setFontSize(qreal points)
{
    fontSize_ = points;
}

void PainterPrintDevice::setCurrentX(float twips)
{
    x_ = twips;
}

QFont PainterPrintDevice::currentFont() const
{
    // Sized for the printer's own resolution, not the screen's.
    return QFont(resolveFont(fontName_, fontSize_), &device_);
}

qreal PainterPrintDevice::toDevice(qreal twips) const
{
    return twips * device_.logicalDpiX() / kTwipsPerInch;
}

float PainterPrintDevice::textWidth(const QString &text)
{
    const QFontMetricsF metrics(currentFont(), &device_);
    return static_cast<float>(metrics.horizontalAdvance(text) * kTwipsPerInch / device_.logicalDpiX());
}

void PainterPrintDevice::print(const QString &text)
{
    const QStringList lines = text.split(u'\r');
    for (const QString &line : lines) {
        printLine(line);
        x_ = 0;
    }
}

void PainterPrintDevice::newLine(qreal height)
{
    y_ += height;
}

void PainterPrintDevice::printLine(const QString &line)
{
    const QFont font = currentFont();
    const QFontMetricsF metrics(font, &device_);
    const qreal height = metrics.lineSpacing();
    if (!painter_)
        return;
    if (line.isEmpty()) {
        newLine(height);
        return;
    }
    const qreal pageWidth = device_.width();
    qreal x = qMax<qreal>(0, toDevice(x_));
    if (x >= pageWidth)
        x = 0;

    // Cut the line where it would leave the page, at a word boundary; the
    // pieces after the first start at the left edge.
    QTextLayout layout(line, font, &device_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<std::pair<int, int>> pieces;
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(pieces.isEmpty() ? pageWidth - x : pageWidth);
        pieces.append({l.textStart(), l.textLength()});
    }
    layout.endLayout();

    painter_->setFont(font);
    painter_->setPen(Qt::black);
    for (const auto &[start, length] : std::as_const(pieces)) {
        if (y_ > 0 && y_ + height > device_.height()) {
            device_.newPage();
            ++pages_;
            y_ = 0;
        }
        painter_->drawText(QPointF(x, y_ + metrics.ascent()), line.mid(start, length));
        newLine(height);
        x = 0;
    }
}

bool PainterPrintDevice::endDoc()
{
    if (!painter_)
        return false;
    const bool ended = painter_->end();
    painter_.reset();
    return ended && !deviceFailed();
}

namespace {

// The device has to exist before the painter device that uses it, so it
// sits in a base class of its own.
template <typename Device>
struct Holder
{
    template <typename... Args>
    explicit Holder(Args &&...args) : device(std::forward<Args>(args)...)
    {
    }
    Device device;
};

class SystemPrinter : private Holder<QPrinter>, public PainterPrintDevice
{
public:
    explicit SystemPrinter(const QPrinterInfo &info)
        : Holder<QPrinter>(info, QPrinter::HighResolution), PainterPrintDevice(device), name_(info.printerName())
    {
        device.setDocName(QStringLiteral(u"Morvane - คำทำนาย"));
        device.setCreator(QStringLiteral("Morvane 1.0"));
    }

    QString errorText() const override
    {
        return QStringLiteral(u"เครื่องพิมพ์ \"%1\" ไม่ตอบสนอง หรือไม่รับงานพิมพ์").arg(name_);
    }

protected:
    bool deviceFailed() const override { return device.printerState() == QPrinter::Error; }

private:
    QString name_;
};

class PdfFile : private Holder<QPdfWriter>, public PainterPrintDevice
{
public:
    explicit PdfFile(const QString &path) : Holder<QPdfWriter>(path), PainterPrintDevice(device), path_(path)
    {
        device.setTitle(QStringLiteral(u"คำทำนาย"));
        device.setCreator(QStringLiteral("Morvane 1.0"));
        // An A4 sheet with the quarter-inch margins a desk printer leaves.
        device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
    }

    QString errorText() const override
    {
        return QStringLiteral(u"บันทึกไฟล์ \"%1\" ไม่ได้ อาจไม่มีสิทธิ์บันทึกไฟล์ในโฟลเดอร์นั้น หรือพื้นที่ดิสก์เต็ม").arg(path_);
    }

private:
    QString path_;
};

}  // namespace

PrinterProvider &defaultPrinter()
{
    static PrinterProvider provider = []() -> std::unique_ptr<PrintDevice> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        return std::make_unique<SystemPrinter>(info);
    };
    return provider;
}

std::unique_ptr<PrintDevice> pdfFile(const QString &path)
{
    return std::make_unique<PdfFile>(path);
}

}  // namespace morvane
