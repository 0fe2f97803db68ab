#include "printer.h"

#include "printdevices.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace morvane {

QPageLayout reportPage(const QPageSize &size, const QMarginsF &printerMargins)
{
    constexpr qreal kQuarterInch = 18;
    const QMarginsF margins(std::max(printerMargins.left(), kQuarterInch), std::max(printerMargins.top(), kQuarterInch),
                            std::max(printerMargins.right(), kQuarterInch),
                            std::max(printerMargins.bottom(), kQuarterInch));
    return QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Point);
}

namespace {

// Stands in for a device when the print module cannot be loaded: nothing
// is printed or written, and the user is told why.
class MissingModule : public PrintDevice
{
public:
    explicit MissingModule(const QString &path) : path_(path) { }
    bool begin() override { return false; }
    void setFontName(const QString &) override { }
    void setFontSize(qreal) override { }
    void setCurrentX(float) override { }
    float textWidth(const QString &) override { return 0; }
    void print(const QString &) override { }
    bool endDoc() override { return false; }
    QString errorText() const override
    {
        return QStringLiteral(u"โปรแกรมขาดส่วนที่ใช้พิมพ์ (%1) กรุณาติดตั้งโปรแกรมใหม่").arg(QDir::toNativeSeparators(path_));
    }

private:
    QString path_;
};

// The print module's table, or null when it is missing, broken or from
// another build. A module once loaded stays loaded: its devices' code
// lives there.
const PrintDevices *loadPrintDevices()
{
    QLibrary module(printModulePath());
    // Every symbol now, so a module that does not fit fails here, not halfway through a print.
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const auto entry = reinterpret_cast<const PrintDevices *(*)()>(module.resolve(kPrintDevicesSymbol));
    const PrintDevices *devices = entry ? entry() : nullptr;
    return devices && devices->version == kPrintDevicesVersion ? devices : nullptr;
}

}  // namespace

QString &printModulePath()
{
    static QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(MORVANE_PRINT_MODULE));
    return path;
}

PrinterProvider &defaultPrinter()
{
    static PrinterProvider provider = []() -> std::unique_ptr<PrintDevice> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        const PrintDevices *devices = loadPrintDevices();
        if (!devices)
            return std::make_unique<MissingModule>(printModulePath());
        // The sheet and margins the queue is set up for.
        const QPageLayout page = QPrinter(info, QPrinter::HighResolution).pageLayout();
        return std::unique_ptr<PrintDevice>(
            devices->systemPrinter(info.printerName(), reportPage(page.pageSize(), page.marginsPoints())));
    };
    return provider;
}

std::unique_ptr<PrintDevice> pdfFile(const QString &path)
{
    const PrintDevices *devices = loadPrintDevices();
    if (!devices)
        return std::make_unique<MissingModule>(printModulePath());
    return std::unique_ptr<PrintDevice>(devices->pdfFile(path, reportPage(QPageSize(QPageSize::A4))));
}

}  // namespace morvane
