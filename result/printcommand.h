// The print command of the result window: the report of one prediction on
// the default printer as one document, or, where there is no printer to
// print on, the offer to save it as a PDF instead. Whatever goes wrong is
// said in a message over the sheet, and the reading stays.
//
// The print system is asked on a thread of its own, so the windows keep
// painting and answering while it thinks; every question to it gives up
// after a few seconds (longer for sending the job), and the user is told
// when it did not answer.
#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>
#include <memory>

class QWidget;

namespace morvane {

class PrintDevice;
struct Prediction;
struct PrinterLookup;

// The question that offers a PDF in place of paper, over `sheet`, under a
// heading that says why there is no paper; `answered` hears whether the
// user took the PDF, as long as `context` lives.
void askPdfInstead(QWidget &sheet, QObject *context, const QString &heading, const QString &details,
                   std::function<void(bool save)> answered);

class PrintCommand : public QObject
{
    Q_OBJECT

public:
    // Its questions and messages open over `sheet`.
    explicit PrintCommand(QWidget &sheet);

    // Prints the report of the prediction, stamped with the moment of the
    // call. Ends in exactly one of the two signals, perhaps after the user
    // has answered a question. Not to be called again before then.
    void print(const Prediction &prediction);

    // Qt's print dialog to choose the printer, the copies and the paper;
    // the report then goes to the printer chosen as print() sends it to
    // the default one. Whether there is a printer to choose is asked first,
    // off the windows' thread; where there is none, `noPrinter` is told
    // why. Ends in one of the two signals once a printer was chosen, or in
    // cancelled() when the dialog is closed.
    void choosePrinter(const Prediction &prediction, std::function<void(const PrinterLookup &)> noPrinter);

    // While the print system is being asked: the busy pointer shows, and the
    // sheet stays until the job has been handed over or has failed.
    bool busy() const { return busy_; }

signals:
    // A job has begun: no second one until it ends in one of the two below.
    void started();
    // The report is on its way to the printer or saved: the sheet may close.
    void printed();
    // Nothing went out (cancelled, or failed and said why): the user may
    // try again.
    void cancelled();

private:
    void setBusy(bool busy);
    // Runs `work` on a thread of its own and `then` back on this object's
    // thread with its result. Should the work outlast `limit`, `late` runs
    // instead and the result, whenever it comes, is dropped.
    template <typename Result>
    void offThread(std::function<Result()> work, std::function<void(Result)> then, int limitMs,
                   std::function<void()> late);

    void printFound(const Prediction &prediction, const QDateTime &moment, std::shared_ptr<PrintDevice> printer,
                    const QString &again);
    // The PDF offered in place of paper when the print system did not
    // answer within the command's own limit.
    std::function<void()> noAnswer(const Prediction &prediction, const QDateTime &moment);
    // The job is with the print system; a note on why it waits, if any,
    // is read before the sheet goes.
    void handedOver(const QString &note);
    void offerPdf(const Prediction &prediction, const QDateTime &moment, const QString &heading,
                  const QString &details);
    void savePdf(const Prediction &prediction, const QDateTime &moment);
    void fail(const QString &what, const QString &why);

    QWidget &sheet_;
    bool busy_ = false;
};

}  // namespace morvane
