// The print command of the result window: the report of one prediction on
// the default printer as one document, or, where there is no printer to
// print on, the offer to save it as a PDF instead. Whatever goes wrong is
// said in a message over the sheet, and the reading stays.
#pragma once

#include <QDateTime>
#include <QObject>

class QWidget;

namespace morvane {

struct Prediction;
struct PrinterLookup;

class PrintCommand : public QObject
{
    Q_OBJECT

public:
    // Its questions and messages open over `sheet`.
    explicit PrintCommand(QWidget &sheet);

    // Prints the report of the prediction, stamped with the moment of the
    // call. Ends in exactly one of the two signals, perhaps after the user
    // has answered a question.
    void print(const Prediction &prediction);

signals:
    // The report is on its way to the printer or saved: the sheet may close.
    void printed();
    // Nothing went out (cancelled, or failed and said why): the user may
    // try again.
    void cancelled();

private:
    void offerPdf(const Prediction &prediction, const QDateTime &moment, const PrinterLookup &found);
    void savePdf(const Prediction &prediction, const QDateTime &moment);
    void fail(const QString &what, const QString &why);

    QWidget &sheet_;
};

}  // namespace morvane
