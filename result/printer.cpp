#include "printer.h"

#include "printdevices.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace morvane {
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
        return QStringLiteral(u"โปรแกรมขาดส่วนที่ใช้พิมพ์ (%1) กรุณาติดตั้งโปรแกรมนี้อีกครั้ง").arg(QDir::toNativeSeparators(path_));
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
    // Asked afresh at every click: a queue added, removed or made the
    // default while the program runs is seen at once.
    static PrinterProvider provider = []() -> PrinterLookup {
        if (const PrintDevices *devices = loadPrintDevices())
            return devices->defaultPrinter();
        PrinterLookup missing;
        missing.device = std::make_unique<MissingModule>(printModulePath());
        return missing;
    };
    return provider;
}

PrinterChooser &printerChooser()
{
    static PrinterChooser chooser{[](PrinterLookup &none) {
                                      if (const PrintDevices *devices = loadPrintDevices())
                                          return devices->printersToChoose(none);
                                      none.device = std::make_unique<MissingModule>(printModulePath());
                                      return false;
                                  },
                                  [](QWidget *parent, ChosenPrinter chosen) -> QDialog * {
                                      const PrintDevices *devices = loadPrintDevices();
                                      return devices ? devices->printDialog(parent, std::move(chosen)) : nullptr;
                                  }};
    return chooser;
}

std::unique_ptr<PrintDevice> pdfFile(const QString &path)
{
    if (const PrintDevices *devices = loadPrintDevices())
        return std::unique_ptr<PrintDevice>(devices->pdfFile(path));
    return std::make_unique<MissingModule>(printModulePath());
}

}  // namespace morvane
