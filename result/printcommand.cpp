#include "printcommand.h"

#include "clock.h"
#include "filedialog.h"
#include "messages.h"
#include "prediction.h"
#include "printer.h"
#include "report.h"
#include "windows.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace morvane {

PrintCommand::PrintCommand(QWidget &sheet) : QObject(&sheet), sheet_(sheet) { }

void PrintCommand::print(const Prediction &prediction)
{
    const QDateTime moment = clock().now();
    PrinterLookup found = defaultPrinter() ? defaultPrinter()() : PrinterLookup{};
    if (!found.device) {
        offerPdf(prediction, moment, found);
        return;
    }
    PrintDevice &printer = *found.device;
    if (!printReport(printer, prediction, moment)) {
        fail(messages::kPrintFailed, printer.errorText() + u'\n' + messages::kPrintAgain);
        return;
    }
    const QString note = printer.noteText();
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

void PrintCommand::offerPdf(const Prediction &prediction, const QDateTime &moment, const PrinterLookup &found)
{
    const QString details = messages::noPrinterDetails(found.absence);
    QMessageBox *box = messageBox(
        &sheet_, QMessageBox::Question, QStringLiteral("NoPrinter"), messages::noPrinter(found.absence, found.name),
        details.isEmpty() ? messages::kSaveAsPdfInstead : details + u'\n' + messages::kSaveAsPdfInstead);
    QPushButton *save = box->addButton(QStringLiteral(u"บันทึกเป็น PDF"), QMessageBox::AcceptRole);
    box->addButton(QStringLiteral(u"ยกเลิก"), QMessageBox::RejectRole);
    box->setDefaultButton(save);
    connect(box, &QMessageBox::finished, this, [this, box, save, prediction, moment] {
        if (box->clickedButton() == save)
            savePdf(prediction, moment);
        else
            emit cancelled();
    });
    box->open();
}

void PrintCommand::savePdf(const Prediction &prediction, const QDateTime &moment)
{
    // Documents when there is such a folder, else home; never the folder
    // the program happened to be started from.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    auto *dialog = new QFileDialog(&sheet_, QStringLiteral(u"บันทึกคำทำนายเป็นไฟล์ PDF"),
                                   QDir(folder).filePath(QStringLiteral(u"คำทำนาย Morvane.pdf")),
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
        emit printed();
    });
    dialog->open();
}

}  // namespace morvane
