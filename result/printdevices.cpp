#include "printdevices.h"

#include "pangoprinter.h"

#include <QBuffer>
#include <QSaveFile>

#include <cups/cups.h>

namespace morvane {
namespace {

const QString kJobTitle = QStringLiteral(u"Morvane - คำทำนาย");

// Hands a finished PDF to a CUPS queue, with the options the user keeps for
// that queue; every print job leaves the program here. The job's id, or 0
// when the spooler would not take the document.
int sendToQueue(const QString &queue, const QByteArray &pdf)
{
    const QByteArray name = queue.toUtf8();
    const QByteArray title = kJobTitle.toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    int job = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.constData(), dest ? dest->num_options : 0,
                            dest ? dest->options : nullptr);
    if (dest)
        cupsFreeDests(1, dest);
    if (job <= 0)
        return 0;
    bool sent = false;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, title.constData(), CUPS_FORMAT_PDF, 1)
        == HTTP_STATUS_CONTINUE) {
        const bool written
            = cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
        // The request is finished even after a failed write, so the answer is read.
        sent = cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) < IPP_STATUS_REDIRECTION_OTHER_SITE && written;
    }
    if (!sent) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        return 0;
    }
    return job;
}

// The device has to exist before the print device that writes to it, so it
// sits in a base class of its own.
template <typename Device>
struct Holder
{
    template <typename... Args>
    explicit Holder(Args &&...args) : device(std::forward<Args>(args)...)
    { }
    Device device;
};

// The report set as a PDF in memory, then sent to the queue as one job.
class SystemPrinter : private Holder<QBuffer>, public PangoPrintDevice
{
public:
    SystemPrinter(const QString &queue, const QPageLayout &page) : PangoPrintDevice(device, page), queue_(queue) { }

    bool endDoc() override { return PangoPrintDevice::endDoc() && sendToQueue(queue_, device.data()) > 0; }

    QString errorText() const override
    {
        return QStringLiteral(u"เครื่องพิมพ์ \"%1\" ไม่ตอบสนอง หรือไม่รับงานพิมพ์").arg(queue_);
    }

private:
    QString queue_;
};

class PdfFile : private Holder<QSaveFile>, public PangoPrintDevice
{
public:
    PdfFile(const QString &path, const QPageLayout &page)
        : Holder<QSaveFile>(path), PangoPrintDevice(device, page), path_(path)
    { }

    bool endDoc() override
    {
        const bool written = PangoPrintDevice::endDoc();
        if (!written) {
            device.cancelWriting();
            return false;
        }
        return device.commit();
    }

    QString errorText() const override
    {
        return QStringLiteral(u"บันทึกไฟล์ \"%1\" ไม่ได้ อาจไม่มีสิทธิ์เขียนในโฟลเดอร์นั้น หรือพื้นที่เต็ม").arg(path_);
    }

private:
    QString path_;
};

PrintDevice *newSystemPrinter(const QString &queue, const QPageLayout &page)
{
    return new SystemPrinter(queue, page);
}

PrintDevice *newPdfFile(const QString &path, const QPageLayout &page)
{
    return new PdfFile(path, page);
}

}  // namespace

const PrintDevices &printDevices()
{
    static const PrintDevices devices{kPrintDevicesVersion, newSystemPrinter, newPdfFile};
    return devices;
}

}  // namespace morvane
