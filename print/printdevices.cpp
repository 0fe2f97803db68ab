#include "printdevices.h"

#include "messages.h"
#include "pangoprinter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QSaveFile>
#include <QSizeF>

#include <cups/cups.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

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

const QString kJobTitle = QStringLiteral(u"Morvane - คำทำนาย");

// How long the print system may stay silent before the program stops
// waiting and says so: connecting, or waiting for any one answer. A lookup
// (the default printer, its paper, a job's state) is a short answer from a
// server nearby; sending a job moves the whole PDF and lets the server
// spool it, so it may take longer.
constexpr int kLookupSeconds = 5;
constexpr int kSendSeconds = 30;

// A connection to the print server libcups would use (CUPS_SERVER,
// client.conf, the local socket), on which no wait outlasts its limit.
// libcups's own default connection would wait minutes for a server that
// takes the connection and never answers.
class Connection
{
public:
    explicit Connection(int seconds)
    {
        int cancel = 0;
        const auto started = std::chrono::steady_clock::now();
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, seconds * 1000, &cancel);
        if (!http_) {
            // Refused at once: no print system. Still trying at the limit: no answer.
            timedOut_ = std::chrono::steady_clock::now() - started >= std::chrono::seconds(seconds);
            return;
        }
        httpSetTimeout(http_, seconds, &Connection::giveUp, this);
    }
    ~Connection()
    {
        if (http_)
            httpClose(http_);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    http_t *http() const { return http_; }
    // The server took too long, to connect or to answer.
    bool timedOut() const { return timedOut_; }

private:
    // libcups asks once a wait has lasted the limit; the answer is no.
    static int giveUp(http_t *, void *data)
    {
        static_cast<Connection *>(data)->timedOut_ = true;
        return 0;
    }

    http_t *http_ = nullptr;
    bool timedOut_ = false;
};

// The print server's name for the user, or empty for this computer's own.
QString serverName()
{
    const QString server = QString::fromUtf8(cupsServer());
    if (server.startsWith(u'/') || server == QLatin1String("localhost")
        || server.startsWith(QLatin1String("localhost:")))
        return QString();
    return server;
}

QueueOutcome outcomeOf(const Connection &connection, ipp_status_t status)
{
    if (connection.timedOut())
        return QueueOutcome::NoAnswer;
    switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QueueOutcome::Rejecting;
    case IPP_STATUS_ERROR_NOT_FOUND:
        return QueueOutcome::Gone;
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:  // libcups's word for "could not connect"
        return QueueOutcome::NoSpooler;
    default:
        return QueueOutcome::Failed;
    }
}

// Where a job stands now, or 0 when the spooler cannot say.
int jobState(const Connection &connection, int job)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", job);
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-state");
    ipp_t *response = cupsDoRequest(connection.http(), request, "/");
    ipp_attribute_t *state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM);
    const int result = state ? ippGetInteger(state, 0) : 0;
    ippDelete(response);
    return result;
}

// Options of a job by their IPP names, over those the user keeps for the queue.
using JobChoices = QList<std::pair<QByteArray, QByteArray>>;

// Hands a finished PDF to a CUPS queue, with the options the user keeps for
// that queue; every print job leaves the program here. A job counts as
// taken only when the queue accepts jobs, takes the whole document, and has
// not cancelled it by the time it answers. A job the server took whose
// state it then does not tell in time is taken.
QueueOutcome sendToQueue(const QString &queue, const QByteArray &pdf, const JobChoices &choices = {})
{
    const Connection connection(kSendSeconds);
    if (!connection.http())
        return connection.timedOut() ? QueueOutcome::NoAnswer : QueueOutcome::NoSpooler;
    http_t *http = connection.http();
    const QByteArray name = queue.toUtf8();
    const QByteArray title = kJobTitle.toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(http, name.constData(), nullptr);
    if (!dest) {
        if (connection.timedOut())
            return QueueOutcome::NoAnswer;
        return cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ? QueueOutcome::NoSpooler : QueueOutcome::Gone;
    }
    for (const auto &[name, value] : choices)
        dest->num_options = cupsAddOption(name.constData(), value.constData(), dest->num_options, &dest->options);
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool paused = state && atoi(state) == IPP_PSTATE_STOPPED;
    if (accepting && strcmp(accepting, "false") == 0) {
        cupsFreeDests(1, dest);
        return QueueOutcome::Rejecting;
    }
    const int job = cupsCreateJob(http, name.constData(), title.constData(), dest->num_options, dest->options);
    cupsFreeDests(1, dest);
    if (job <= 0)
        return outcomeOf(connection, cupsLastError());
    ipp_status_t status = IPP_STATUS_ERROR_INTERNAL;
    if (cupsStartDocument(http, name.constData(), job, title.constData(), CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE) {
        const bool written = cupsWriteRequestData(http, pdf.constData(), size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
        // The request is finished even after a failed write, so the answer is read.
        status = cupsFinishDocument(http, name.constData());
        if (!written && status < IPP_STATUS_REDIRECTION_OTHER_SITE)
            status = IPP_STATUS_ERROR_INTERNAL;
    } else {
        status = cupsLastError();
    }
    if (status >= IPP_STATUS_REDIRECTION_OTHER_SITE || connection.timedOut()) {
        // Half a job is no job: the server is asked to drop it, on a
        // connection of its own, as briefly as a lookup.
        const QueueOutcome outcome = outcomeOf(connection, status);
        const Connection cancel(kLookupSeconds);
        if (cancel.http())
            cupsCancelJob2(cancel.http(), name.constData(), job, 0);
        return outcome;
    }
    switch (jobState(connection, job)) {
    case IPP_JSTATE_CANCELED:
    case IPP_JSTATE_ABORTED:
        return QueueOutcome::Cancelled;
    case IPP_JSTATE_HELD:
        return QueueOutcome::Held;
    case IPP_JSTATE_STOPPED:
        return QueueOutcome::Paused;
    case IPP_JSTATE_PENDING:
        return paused ? QueueOutcome::Paused : QueueOutcome::Printing;
    default:
        return QueueOutcome::Printing;
    }
}

// The default printer's name as libcups picks it before it asks the server:
// LPDEST, then PRINTER unless it is plain "lp", then the first Default line
// of the user's lpoptions, then of the system's. Empty when nothing names
// one and the server's own default decides.
QString namedDefault()
{
    for (const char *variable : {"LPDEST", "PRINTER"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty() && !(value == QLatin1String("lp") && qstrcmp(variable, "PRINTER") == 0))
            return value.section(u'/', 0, 0);
    }
    const QString serverRoot = qEnvironmentVariable("CUPS_SERVERROOT", QStringLiteral("/etc/cups"));
    for (const QString &path : {QDir::home().filePath(QStringLiteral(".cups/lpoptions")), serverRoot + "/lpoptions"}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!file.atEnd()) {
            const QStringList words = QString::fromUtf8(file.readLine()).split(u' ', Qt::SkipEmptyParts);
            if (words.size() > 1 && words[0].compare(QLatin1String("Default"), Qt::CaseInsensitive) == 0)
                return words[1].trimmed().section(u'/', 0, 0);
        }
    }
    return QString();
}

// The print system did not answer: so the lookup says, naming the server.
void unanswered(PrinterLookup &found)
{
    found.absence = PrinterLookup::Absence::NoAnswer;
    found.name = serverName();
}

// Why CUPS has no default printer to give.
void whyNoDefault(const Connection &connection, PrinterLookup &found)
{
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(connection.http(), &dests);
    const bool noSpooler = count == 0 && cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
    cupsFreeDests(count, dests);
    if (connection.timedOut())
        unanswered(found);
    else if (noSpooler)
        found.absence = PrinterLookup::Absence::NoSpooler;
    else if (found.name = namedDefault(); !found.name.isEmpty())
        found.absence = PrinterLookup::Absence::DefaultGone;
    else
        found.absence = count > 0 ? PrinterLookup::Absence::NoDefault : PrinterLookup::Absence::NoPrinters;
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
    SystemPrinter(const QString &queue, const QPageLayout &page, const JobChoices &choices = {})
        : PangoPrintDevice(device, page), queue_(queue), choices_(choices)
    { }

    // The PDF is whole in memory; deliver() sends it.
    bool endDoc() override { return PangoPrintDevice::endDoc(); }

    bool deliver() override
    {
        outcome_ = sendToQueue(queue_, device.data(), choices_);
        if (outcome_ == QueueOutcome::NoAnswer)
            server_ = serverName();
        return outcome_ == QueueOutcome::Printing || outcome_ == QueueOutcome::Paused || outcome_ == QueueOutcome::Held;
    }

    bool unanswered() const override { return outcome_ == QueueOutcome::NoAnswer; }

    QString errorText() const override
    {
        return outcome_ == QueueOutcome::NoAnswer ? messages::noAnswer(server_)
                                                  : messages::queueTrouble(outcome_, queue_);
    }

    QString noteText() const override
    {
        return outcome_ == QueueOutcome::Paused || outcome_ == QueueOutcome::Held
                   ? messages::queueTrouble(outcome_, queue_)
                   : QString();
    }

private:
    QString queue_;
    JobChoices choices_;
    QString server_;
    QueueOutcome outcome_ = QueueOutcome::Failed;
};

class PdfFile : private Holder<QSaveFile>, public PangoPrintDevice
{
public:
    explicit PdfFile(const QString &path)
        : Holder<QSaveFile>(path), PangoPrintDevice(device, reportPage(QPageSize(QPageSize::A4))), path_(path)
    { }

    bool begin() override
    {
        replacing_ = QFileInfo::exists(path_);
        if (PangoPrintDevice::begin())
            return true;
        trouble_
            = QFileInfo(QFileInfo(path_).absolutePath()).isDir() ? SaveTrouble::CannotWrite : SaveTrouble::NoFolder;
        return false;
    }

    bool endDoc() override
    {
        trouble_ = SaveTrouble::WriteFailed;
        // Written data may still sit in the file's buffer: the flush is
        // where a full disk shows. A failed save is discarded at once, and
        // the file the path named stays as it was.
        if (!PangoPrintDevice::endDoc() || !device.flush()) {
            device.cancelWriting();
            device.commit();
            return false;
        }
        return device.commit();
    }

    QString errorText() const override { return messages::saveTrouble(trouble_, path_, replacing_); }

private:
    QString path_;
    SaveTrouble trouble_ = SaveTrouble::CannotWrite;
    bool replacing_ = false;
};

// The sheet and margins a queue is set up for; A4 where it does not say.
QPageLayout pageOf(const Connection &connection, cups_dest_t *dest)
{
    cups_size_t size{};
    cups_dinfo_t *info = cupsCopyDestInfo(connection.http(), dest);
    // The paper the user keeps for the queue, else the queue's own default.
    // (libcups's cupsGetDestMediaDefault() skips the queue's default and
    // falls back to US Letter, which an A4 queue then cuts off at the left.)
    const char *media = cupsGetOption("media", dest->num_options, dest->options);
    if (ipp_attribute_t *queueDefault
        = info && !media ? cupsFindDestDefault(connection.http(), dest, info, "media") : nullptr)
        media = ippGetString(queueDefault, 0, nullptr);
    const bool known = info && media
                       && cupsGetDestMediaByName(connection.http(), dest, info, media, CUPS_MEDIA_FLAGS_DEFAULT, &size);
    cupsFreeDestInfo(info);
    if (!known || size.width <= 0 || size.length <= 0)
        return reportPage(QPageSize(QPageSize::A4));
    // CUPS measures in hundredths of a millimetre.
    const auto points = [](int hundredths) { return hundredths * 72.0 / 2540.0; };
    const QPageSize paper(QSizeF(size.width / 100.0, size.length / 100.0), QPageSize::Millimeter, QString(),
                          QPageSize::FuzzyMatch);
    return reportPage(paper, QMarginsF(points(size.left), points(size.top), points(size.right), points(size.bottom)));
}

PrinterLookup lookUpDefaultPrinter()
{
    PrinterLookup found;
    const Connection connection(kLookupSeconds);
    cups_dest_t *dest = connection.http() ? cupsGetNamedDest(connection.http(), nullptr, nullptr) : nullptr;
    if (!dest) {
        if (connection.timedOut())
            unanswered(found);
        else if (!connection.http())
            found.absence = PrinterLookup::Absence::NoSpooler;
        else
            whyNoDefault(connection, found);
        return found;
    }
    const QString queue = QString::fromUtf8(dest->name);
    const QPageLayout page = pageOf(connection, dest);
    cupsFreeDests(1, dest);
    if (connection.timedOut()) {
        unanswered(found);
        return found;
    }
    found.device = std::make_unique<SystemPrinter>(queue, page);
    return found;
}

PrintDevice *newPdfFile(const QString &path)
{
    return new PdfFile(path);
}

// What the print dialog's choices ask of the job, by their IPP names: the
// copies, the sides and the paper, which is named too so that CUPS feeds
// the sheet the report was set for. The rest of the dialog (pages per
// sheet, page set, when to print, the driver's own options) Qt keeps as
// CUPS options of the printer, under the engine property its CUPS support
// has always used for them; they go with the job as chosen.
JobChoices jobChoices(QPrinter &printer)
{
    JobChoices choices{{"copies", QByteArray::number(printer.copyCount())},
                       {"media", printer.pageLayout().pageSize().key().toUtf8()}};
    if (printer.copyCount() > 1)
        choices.emplaceBack("multiple-document-handling", printer.collateCopies()
                                                              ? "separate-documents-collated-copies"
                                                              : "separate-documents-uncollated-copies");
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        choices.emplaceBack("sides", "one-sided");
        break;
    case QPrinter::DuplexLongSide:
        choices.emplaceBack("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        choices.emplaceBack("sides", "two-sided-short-edge");
        break;
    case QPrinter::DuplexAuto:  // as the queue is set up
        break;
    }
    constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    const QStringList options = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        choices.emplaceBack(options[i].toUtf8(), options[i + 1].toUtf8());
    return choices;
}

bool printersToChoose(PrinterLookup &none)
{
    const Connection connection(kLookupSeconds);
    cups_dest_t *dests = nullptr;
    const int count = connection.http() ? cupsGetDests2(connection.http(), &dests) : 0;
    const bool noSpooler = count == 0 && cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
    cupsFreeDests(count, dests);
    if (connection.timedOut()) {
        unanswered(none);
        return false;
    }
    if (count > 0)
        return true;
    none.absence
        = !connection.http() || noSpooler ? PrinterLookup::Absence::NoSpooler : PrinterLookup::Absence::NoPrinters;
    return false;
}

QDialog *newPrintDialog(QWidget *parent, ChosenPrinter chosen)
{
    auto *printer = new QPrinter(QPrinter::HighResolution);
    auto *dialog = new QPrintDialog(printer, parent);
    dialog->setObjectName(QStringLiteral("PrintDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A PDF has a command of its own; the report is a page or two, so no
    // range either.
    dialog->setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    QObject::connect(dialog, &QDialog::accepted, dialog, [printer, chosen = std::move(chosen)] {
        const QPageLayout asked = printer->pageLayout();
        QPageLayout page = reportPage(asked.pageSize(), asked.marginsPoints());
        page.setOrientation(asked.orientation());
        chosen(std::make_unique<SystemPrinter>(printer->printerName(), page, jobChoices(*printer)));
    });
    return dialog;
}

}  // namespace

const PrintDevices &printDevices()
{
    static const PrintDevices devices{kPrintDevicesVersion, lookUpDefaultPrinter, newPdfFile, printersToChoose,
                                      newPrintDialog};
    return devices;
}

}  // namespace morvane
