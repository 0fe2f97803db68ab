#include "sharecommands.h"

#include "assembly.h"
#include "calendar.h"
#include "clock.h"
#include "filedialog.h"
#include "form2.h"
#include "messages.h"
#include "prediction.h"
#include "printcommand.h"
#include "printer.h"
#include "report.h"
#include "sharecard.h"
#include "text.h"
#include "windows.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBoundaryFinder>
#include <QToolTip>

namespace morvane {
namespace {

const QString kPdfFilter = QStringLiteral(u"ไฟล์ PDF (*.pdf)");
const QString kPictureFilter = QStringLiteral(u"รูปภาพ PNG (*.png)");

QString suffixOf(SaveAs type)
{
    return type == SaveAs::Picture ? QStringLiteral("png") : QStringLiteral("pdf");
}

// The kind a file name asks for by its extension, if it names one.
std::optional<SaveAs> typeOfName(const QString &name)
{
    const QString suffix = QFileInfo(name).suffix();
    for (const SaveAs type : {SaveAs::Pdf, SaveAs::Picture})
        if (suffix.compare(suffixOf(type), Qt::CaseInsensitive) == 0)
            return type;
    return std::nullopt;
}

// The folder saved into last in this run; the program keeps no settings,
// so the next run starts afresh.
QString &lastFolder()
{
    static QString folder;
    return folder;
}

QString defaultFolder(SaveAs type)
{
    QString folder = QStandardPaths::writableLocation(type == SaveAs::Picture ? QStandardPaths::PicturesLocation
                                                                              : QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return folder;
}

// Qt's own save dialog, where the name typed decides the kind when its
// extension names one, and otherwise gets the extension of the kind
// chosen, before Qt asks whether to replace a file of that name.
class SaveDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    SaveAs chosenType() const { return selectedNameFilter() == kPictureFilter ? SaveAs::Picture : SaveAs::Pdf; }

    QLineEdit *nameEdit() const { return findChild<QLineEdit *>(QStringLiteral("fileNameEdit")); }

    void accept() override
    {
        if (QLineEdit *edit = nameEdit()) {
            const QString typed = edit->text().trimmed();
            if (!typed.isEmpty() && !typeOfName(typed) && !QFileInfo(directory().absoluteFilePath(typed)).isDir())
                edit->setText(typed + u'.' + suffixOf(chosenType()));
        }
        QFileDialog::accept();
    }
};

}  // namespace

QString suggestedFileName(const Prediction &prediction, SaveAs type)
{
    static const QRegularExpression refused(QStringLiteral("[/\\\\:*?\"<>|\\x{0}-\\x{1f}\\x{7f}]"));
    QString name = toQString(OneLine(prediction.entry.name)).simplified();
    name.replace(refused, QStringLiteral("_"));
    const Moment &m = prediction.moment;
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(BuddhistYear(m.year))
                             .arg(m.month, 2, 10, QLatin1Char('0'))
                             .arg(m.day, 2, 10, QLatin1Char('0'));
    const QString head = QStringLiteral(u"คำทำนาย-");
    const QString tail = date + u'.' + suffixOf(type);
    // File systems hold 255 bytes to a name; a longer one is cut where a
    // letter ends, never between a consonant and its vowel or tone mark.
    const qsizetype room = 255 - (head + u'-' + tail).toUtf8().size();
    if (name.toUtf8().size() > room) {
        QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, name);
        qsizetype cut = 0;
        for (qsizetype at = letters.toNextBoundary(); at > 0; at = letters.toNextBoundary()) {
            if (QStringView(name).left(at).toUtf8().size() > room)
                break;
            cut = at;
        }
        name = name.left(cut).trimmed();
    }
    return name.isEmpty() ? head + tail : head + name + u'-' + tail;
}

QString saveFolder(SaveAs type)
{
    const QString &last = lastFolder();
    return !last.isEmpty() && QDir(last).exists() ? last : defaultFolder(type);
}

void rememberSaveFolder(const QString &path)
{
    lastFolder() = QFileInfo(path).absolutePath();
}

ShareCommands::ShareCommands(Form2 &sheet) : QObject(&sheet), sheet_(sheet)
{
    menu_ = new QMenu(&sheet);
    menu_->setObjectName(QStringLiteral("SheetMenu"));
    const auto item = [this](const char *name, const QString &text, const QKeySequence &key, auto run) {
        QAction *action = menu_->addAction(text, this, run);
        action->setObjectName(QLatin1String(name));
        // Shown beside the item, and working while the menu is open; the
        // sheet has keys of its own for when it is not.
        action->setShortcut(key);
        return action;
    };
    const auto printing = [this] { return sheet_.Lbl_Print->isEnabled(); };
    QAction *print = item("Menu_Print", QStringLiteral(u"พิมพ์"), QKeySequence::Print, [this, printing] {
        if (printing())
            sheet_.Lbl_Print_Click();
    });
    QAction *printOther = item("Menu_PrintOther", QStringLiteral(u"พิมพ์ไปยังเครื่องพิมพ์อื่น…"),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [this] { printOnOtherPrinter(); });
    menu_->addSeparator();
    item("Menu_SavePdf", QStringLiteral(u"บันทึกเป็น PDF…"), QKeySequence::Save, [this] { save(SaveAs::Pdf); });
    item("Menu_SavePicture", QStringLiteral(u"บันทึกเป็นรูปภาพ…"), QKeySequence(), [this] { save(SaveAs::Picture); });
    item("Menu_Copy", QStringLiteral(u"คัดลอกคำทำนาย"), QKeySequence::Copy, [this] { copyReading(); });
    menu_->addSeparator();
    item("Menu_Close", QStringLiteral(u"ปิด"), QKeySequence(Qt::Key_Escape), [this] { sheet_.Lbl_Close_Click(); });
    // While a print job is on its way, neither print command is offered.
    connect(menu_, &QMenu::aboutToShow, this, [print, printOther, printing] {
        print->setEnabled(printing());
        printOther->setEnabled(printing());
    });

    // The sheet's own keys. Ctrl+P and Esc it has already.
    const auto key = [this](const QKeySequence &sequence, auto run) {
        connect(new QShortcut(sequence, &sheet_), &QShortcut::activated, this, run);
    };
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [this] { printOnOtherPrinter(); });
    key(QKeySequence::Save, [this] { save(SaveAs::Pdf); });
    key(QKeySequence::Copy, [this] { copyByKey(); });
    key(QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] { openMenuByKey(); });
    key(QKeySequence(Qt::Key_Menu), [this] { openMenuByKey(); });

    // Right clicks anywhere on the sheet but the reading box, which has a
    // menu of its own, reach the sheet; a platform's menu key goes to the
    // reading box, which has the keyboard.
    sheet_.installEventFilter(this);
    sheet_.TxtDisplayProphesy->installEventFilter(this);
    // The 1.0 sheet has no room for a hint, so the parchment says where
    // the menu is when the pointer rests on it.
    sheet_.Image1->setToolTip(QStringLiteral(u"คลิกขวาบนแผ่นกระดาษเพื่อบันทึกคำทำนายเป็น PDF หรือรูปภาพ "
                                             u"คัดลอก หรือพิมพ์ไปยังเครื่องพิมพ์อื่น"));
}

bool ShareCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    auto *asked = static_cast<QContextMenuEvent *>(event);
    if (watched == sheet_.TxtDisplayProphesy) {
        if (asked->reason() != QContextMenuEvent::Keyboard)
            return false;
        openMenuByKey();
    } else {
        openMenu(asked->globalPos());
    }
    return true;
}

void ShareCommands::openMenu(const QPoint &globalPos)
{
    // The right press showed the grab hand; its release goes to the menu.
    for (QWidget *w : {static_cast<QWidget *>(sheet_.Image1), static_cast<QWidget *>(sheet_.DisplayName),
                       static_cast<QWidget *>(sheet_.DisplayBirthday)})
        w->unsetCursor();
    menu_->popup(globalPos);
}

void ShareCommands::openMenuByKey()
{
    // At the text cursor while it is in sight, else amid the reading.
    QWidget *box = sheet_.TxtDisplayProphesy->viewport();
    const QRect cursor = sheet_.TxtDisplayProphesy->cursorRect();
    openMenu(box->mapToGlobal(box->rect().contains(cursor.center()) ? cursor.bottomLeft() : box->rect().center()));
}

void ShareCommands::copyReading()
{
    QGuiApplication::clipboard()->setMimeData(shareMimeData(sheet_.prediction()));
    // Said over the ornament between the commands: the pointer may be
    // anywhere, and Wayland does not say where.
    const QPoint above(sheet_.width() / 2 - 50, sheet_.Lbl_Print->y() - 24);
    QToolTip::showText(sheet_.mapToGlobal(above), QStringLiteral(u"คัดลอกคำทำนายแล้ว"), &sheet_, QRect(), 2000);
}

void ShareCommands::copyByKey()
{
    // A selection is copied as it always was; otherwise the whole reading.
    if (sheet_.TxtDisplayProphesy->textCursor().hasSelection())
        sheet_.TxtDisplayProphesy->copy();
    else
        copyReading();
}

void ShareCommands::save(SaveAs type)
{
    const Prediction &prediction = sheet_.prediction();
    auto *dialog = new SaveDialog(&sheet_, QStringLiteral(u"บันทึกคำทำนาย"), saveFolder(type),
                                  kPdfFilter + QStringLiteral(";;") + kPictureFilter);
    dialog->setObjectName(QStringLiteral("SaveReading"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    showDetailsInThai(*dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->selectNameFilter(type == SaveAs::Picture ? kPictureFilter : kPdfFilter);
    dialog->selectFile(suggestedFileName(prediction, type));
    // Another kind chosen: the name's extension follows, and so does the
    // folder while it is still the other kind's own.
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog] {
        const SaveAs chosen = dialog->chosenType();
        const SaveAs other = chosen == SaveAs::Pdf ? SaveAs::Picture : SaveAs::Pdf;
        QLineEdit *edit = dialog->nameEdit();
        const QString name = edit ? edit->text() : QString();
        if (lastFolder().isEmpty() && QDir(dialog->directory()) == QDir(defaultFolder(other)))
            dialog->setDirectory(defaultFolder(chosen));
        if (edit && typeOfName(name) == other)
            edit->setText(name.left(name.size() - suffixOf(other).size()) + suffixOf(chosen));
    });
    connect(dialog, &QFileDialog::fileSelected, this, &ShareCommands::write);
    dialog->open();
}

void ShareCommands::write(const QString &path)
{
    const Prediction &prediction = sheet_.prediction();
    const bool picture = typeOfName(path) == SaveAs::Picture;
    QString trouble;
    if (picture) {
        trouble = savePng(shareCard(prediction), path);
    } else {
        std::unique_ptr<PrintDevice> pdf = pdfFile(path);
        if (!printReport(*pdf, prediction, clock().now()))
            trouble = pdf->errorText();
    }
    if (!trouble.isEmpty()) {
        fail(QStringLiteral("SaveFailed"), picture ? messages::kSavePictureFailed : messages::kSaveFailed,
             trouble + u'\n' + messages::kSaveFromMenuAgain);
        return;
    }
    rememberSaveFolder(path);
}

void ShareCommands::printOnOtherPrinter()
{
    auto *print = sheet_.findChild<PrintCommand *>();
    if (!print || print->busy() || !sheet_.Lbl_Print->isEnabled())
        return;
    // With no printer to choose, the reading may still be kept as a PDF,
    // through the sheet's own save.
    print->choosePrinter(sheet_.prediction(), [this](const PrinterLookup &none) {
        askPdfInstead(sheet_, this, messages::noPrinter(none.absence, none.name),
                      messages::noPrinterDetails(none.absence), [this](bool take) {
                          if (take)
                              save(SaveAs::Pdf);
                      });
    });
}

void ShareCommands::fail(const QString &name, const QString &what, const QString &why)
{
    QMessageBox *box = messageBox(&sheet_, QMessageBox::Warning, name, what, why);
    box->setStandardButtons(QMessageBox::Ok);
    box->open();
}

}  // namespace morvane
