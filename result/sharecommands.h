// The sheet's context menu, opened by a right click on the parchment, the
// Menu key or Shift+F10, and the commands in it: print on the default
// printer or on another one, save the reading as a PDF or as a picture,
// copy it, close the sheet. The keys shown beside them work on the sheet
// too. Whatever goes wrong is said in a message over the sheet, and the
// reading stays.
#pragma once

#include "printdevice.h"

#include <QObject>

class QMenu;
class QPoint;

namespace morvane {

class Form2;
struct Prediction;

// What a save writes: the printed report as a PDF, or the picture made for
// sharing as a PNG.
enum class SaveAs { Pdf, Picture };

// The name a saved reading is offered under: "คำทำนาย", the name and the
// Buddhist-era date of the prediction, as in คำทำนาย-สมหญิง-2569-12-09.png.
// Characters that file systems refuse become "_", and a long name is cut,
// between letters, to what a file name may hold.
QString suggestedFileName(const Prediction &prediction, SaveAs type);

// Where a save dialog opens: the folder saved into last in this run, else
// Documents for a PDF and Pictures for a picture (the user's XDG folders),
// else home; never the folder the program was started from.
QString saveFolder(SaveAs type);
// A file saved at `path`: its folder is where the next save opens.
void rememberSaveFolder(const QString &path);

class ShareCommands : public QObject
{
    Q_OBJECT

public:
    // Adds the menu and its keys to the sheet; lives as long as the sheet.
    explicit ShareCommands(Form2 &sheet);

    QMenu *menu() const { return menu_; }
    void openMenu(const QPoint &globalPos);

    void printOnOtherPrinter();
    // One save dialog for both kinds, the given one chosen.
    void save(SaveAs type);
    // The whole reading, as text and as the picture.
    void copyReading();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openMenuByKey();
    void copyByKey();
    void write(const QString &path);
    void fail(const QString &name, const QString &what, const QString &why);

    Form2 &sheet_;
    QMenu *menu_ = nullptr;
};

}  // namespace morvane
