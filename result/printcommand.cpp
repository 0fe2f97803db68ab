#include "printcommand.h"

#include "clock.h"
#include "filedialog.h"
#include "messages.h"
#include "prediction.h"
#include "printer.h"
#include "report.h"
#include "sharecommands.h"
#include "windows.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <memory>
#include <optional>

namespace morvane {
namespace {

// How long the print command waits for the print module before it stops
// waiting. The module gives up on a print system that falls silent within
// seconds; this is the last word on one that answers, but too slowly to
// wait for.
constexpr int kLookupLimitMs = 60 * 1000;
constexpr int kSendLimitMs = 5 * 60 * 1000;

}  // namespace

PrintCommand::PrintCommand(QWidget &sheet) : QObject(&sheet), sheet_(sheet) { }

template <typename Result>
void PrintCommand::offThread(std::function<Result()> work, std::function<void(Result)> then, int limitMs,
                             std::function<void()> late)
{
    // The worker keeps its result where both threads can reach it, and
    // nothing of this object: the thread may outlive the sheet.
    auto result = std::make_shared<std::optional<Result>>();
    auto answered = std::make_shared<bool>(false);
    QThread *thread = QThread::create([work = std::move(work), result] { *result = work(); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [result, answered, then = std::move(then)] {
        if (!std::exchange(*answered, true))
            then(std::move(**result));
    });
    QTimer::singleShot(limitMs, this, [answered, late = std::move(late)] {
        if (!std::exchange(*answered, true))
            late();
    });
    thread->start();
}

void PrintCommand::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

std::function<void()> PrintCommand::noAnswer(const Prediction &prediction, const QDateTime &moment)
{
    return [this, prediction, moment] {
        setBusy(false);
        offerPdf(prediction, moment, messages::noAnswer(QString()), messages::kNoAnswerDetails);
    };
}

void PrintCommand::print(const Prediction &prediction)
{
    emit started();
    const QDateTime moment = clock().now();
    setBusy(true);
    // Asked afresh at every click: a queue added, removed or made the
    // default while the program runs is seen at once.
    const PrinterProvider provider = defaultPrinter();
    offThread<std::shared_ptr<PrinterLookup>>(
        [provider] { return std::make_shared<PrinterLookup>(provider ? provider() : PrinterLookup{}); },
        [this, prediction, moment](std::shared_ptr<PrinterLookup> found) {
            if (!found->device) {
                setBusy(false);
                offerPdf(prediction, moment, messages::noPrinter(found->absence, found->name),
                         messages::noPrinterDetails(found->absence));
                return;
            }
            printFound(prediction, moment, std::move(found->device), messages::kPrintAgain);
        },
        kLookupLimitMs, noAnswer(prediction, moment));
}

void PrintCommand::choosePrinter(const Prediction &prediction, std::function<void(const PrinterLookup &)> noPrinter)
{
    // Qt's dialog asks the print system itself, on this thread and with no
    // limit of ours, so it comes up only once the print system has
    // answered whether there is a printer at all.
    struct Found
    {
        bool available = false;
        PrinterLookup none;
    };
    const auto printOn = [this, prediction](std::unique_ptr<PrintDevice> device) {
        emit started();
        setBusy(true);
        printFound(prediction, clock().now(), std::move(device), messages::kPrintOtherAgain);
    };
    setBusy(true);
    const PrinterChooser chooser = printerChooser();
    offThread<std::shared_ptr<Found>>(
        [chooser] {
            auto found = std::make_shared<Found>();
            found->available = chooser.available && chooser.available(found->none);
            return found;
        },
        [this, chooser, printOn, noPrinter](std::shared_ptr<Found> found) {
            setBusy(false);
            if (QDialog *dialog = found->available ? chooser.dialog(&sheet_, printOn) : nullptr)
                dialog->open();
            else if (found->none.device)
                printOn(std::move(found->none.device));  // it fails, and says why
            else
                noPrinter(found->none);
        },
        kLookupLimitMs, noAnswer(prediction, clock().now()));
}

void PrintCommand::printFound(const Prediction &prediction, const QDateTime &moment,
                              std::shared_ptr<PrintDevice> printer, const QString &again)
{
    // Laid out here, where the fonts are; only the sending waits on the
    // print system.
    if (!printReport(*printer, prediction, moment)) {
        setBusy(false);
        fail(messages::kPrintFailed, printer->errorText() + u'\n' + again);
        return;
    }
    offThread<bool>([printer] { return printer->deliver(); },
                    [this, printer, prediction, moment, again](bool delivered) {
                        setBusy(false);
                        if (delivered)
                            handedOver(printer->noteText());
                        else if (printer->unanswered())
                            offerPdf(prediction, moment, printer->errorText(), messages::kNoAnswerDetails);
                        else
                            fail(messages::kPrintFailed, printer->errorText() + u'\n' + again);
                    },
                    kSendLimitMs, noAnswer(prediction, moment));
}

void PrintCommand::handedOver(const QString &note)
{
    if (note.isEmpty()) {
        emit printed();
        return;
    }
    // The job is safe in the queue, so the sheet may close; but only once
    // the user has read why nothing comes out of the printer yet.
    QMessageBox *box
        = messageBox(&sheet_, QMessageBox::Information, QStringLiteral("PrintWaits"), messages::kSentToPrinter, note);
    box->setStandardButtons(QMessageBox::Ok);
    connect(box, &QMessageBox::finished, this, &PrintCommand::printed);
    box->open();
}

void PrintCommand::fail(const QString &what, const QString &why)
{
    QMessageBox *box = messageBox(&sheet_, QMessageBox::Warning, QStringLiteral("PrintFailed"), what, why);
    box->setStandardButtons(QMessageBox::Ok);
    box->open();
    emit cancelled();
}

void askPdfInstead(QWidget &sheet, QObject *context, const QString &heading, const QString &details,
                   std::function<void(bool save)> answered)
{
    QMessageBox *box
        = messageBox(&sheet, QMessageBox::Question, QStringLiteral("NoPrinter"), heading,
                     details.isEmpty() ? messages::kSaveAsPdfInstead : details + u'\n' + messages::kSaveAsPdfInstead);
    QPushButton *save = box->addButton(QStringLiteral(u"บันทึกเป็น PDF"), QMessageBox::AcceptRole);
    box->addButton(QStringLiteral(u"ยกเลิก"), QMessageBox::RejectRole);
    box->setDefaultButton(save);
    QObject::connect(box, &QMessageBox::finished, context,
                     [box, save, answered = std::move(answered)] { answered(box->clickedButton() == save); });
    box->open();
}

void PrintCommand::offerPdf(const Prediction &prediction, const QDateTime &moment, const QString &heading,
                            const QString &details)
{
    askPdfInstead(sheet_, this, heading, details, [this, prediction, moment](bool save) {
        if (save)
            savePdf(prediction, moment);
        else
            emit cancelled();
    });
}

void PrintCommand::savePdf(const Prediction &prediction, const QDateTime &moment)
{
    // Named and placed as the sheet's own saves are.
    auto *dialog = new QFileDialog(&sheet_, QStringLiteral(u"บันทึกคำทำนายเป็นไฟล์ PDF"),
                                   QDir(saveFolder(SaveAs::Pdf)).filePath(suggestedFileName(prediction, SaveAs::Pdf)),
                                   QStringLiteral(u"ไฟล์ PDF (*.pdf)"));
    dialog->setObjectName(QStringLiteral("SavePdf"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    showDetailsInThai(*dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::rejected, this, &PrintCommand::cancelled);
    connect(dialog, &QFileDialog::fileSelected, this, [this, prediction, moment](const QString &path) {
        std::unique_ptr<PrintDevice> pdf = pdfFile(path);
        if (!printReport(*pdf, prediction, moment)) {
            fail(messages::kSaveFailed, pdf->errorText() + u'\n' + messages::kSaveAgain);
            return;
        }
        rememberSaveFolder(path);
        emit printed();
    });
    dialog->open();
}

}  // namespace morvane
