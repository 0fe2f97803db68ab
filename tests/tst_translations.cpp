// Qt's own dialogs, buttons and menus speak Thai whatever the system's
// language: the PDF save dialog with its overwrite question, the message
// boxes' buttons, the print dialog with the printer's properties, and the
// context menus of the name box, the reading box and the sheet.
// CTest runs it under a C and an English locale.
#include "filedialog.h"
#include "form2.h"
#include "guitest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

using namespace morvane;

namespace {

// Latin words left in a text once what may stay Latin is taken out: the
// shortcut after a menu text, mnemonics, and the given words (file names,
// "PDF", size units).
QStringList latinWords(QString text, const QStringList &allowed)
{
    if (const qsizetype tab = text.indexOf(u'\t'); tab >= 0)
        text.truncate(tab);
    text.remove(u'&');
    for (const QString &word : allowed)
        text.remove(word);
    QStringList words;
    for (const QRegularExpressionMatch &m : QRegularExpression(QStringLiteral("[A-Za-z]{2,}")).globalMatch(text))
        words.append(m.captured());
    return words;
}

}  // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    QStringList allowed_;
    QStringList english_;  // every text found with Latin words in it
    QStringList menuTexts_;

    void check(const QString &where, const QString &text)
    {
        if (!latinWords(text, allowed_).isEmpty())
            english_.append(where + QStringLiteral(": ") + text);
    }

    // Every text a window shows: titles, labels, buttons, tool tips, list
    // entries, column headings, the cells of its views and its actions.
    void checkWindow(QWidget *window)
    {
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        for (QWidget *w : widgets) {
            const QString where
                = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
            check(where, w->windowTitle());
            check(where, w->toolTip());
            check(where, w->accessibleName());
            if (auto *label = qobject_cast<QLabel *>(w))
                check(where, label->text());
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                check(where, button->text());
            // Folders and paper sizes go by their own names (A4, Letter).
            else if (auto *list = qobject_cast<QComboBox *>(w);
                     list && w->objectName() != u"lookInCombo" && w->objectName() != u"pageSizeCombo")
                for (int i = 0; i < list->count(); ++i)
                    check(where, list->itemText(i));
            if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
                const QAbstractItemModel *model = view->model();
                for (int c = 0; c < model->columnCount(view->rootIndex()); ++c) {
                    check(where, model->headerData(c, Qt::Horizontal).toString());
                    for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
                        check(where, model->index(r, c, view->rootIndex()).data().toString());
                }
            }
        }
        for (QAction *action : window->findChildren<QAction *>()) {
            check(QStringLiteral("action"), action->text());
            check(QStringLiteral("action"), action->toolTip());
        }
    }

    // Reads the context menu that is open and closes it.
    void readOpenMenu()
    {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *action : menu->actions())
                if (!action->isSeparator())
                    menuTexts_.append(action->text().section(u'\t', 0, 0));  // without its shortcut
            menu->close();
        }
    }

    // The texts of the context menu a control opens, whether it pops the
    // menu up or runs it in a loop of its own.
    QStringList contextMenu(QWidget *control)
    {
        menuTexts_.clear();
        QTimer::singleShot(0, this, &TestTranslations::readOpenMenu);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(control, &event);
        if (!QTest::qWaitFor([this] { return !menuTexts_.isEmpty(); }, 2000))
            qWarning("no context menu opened on %s", control->metaObject()->className());
        return menuTexts_;
    }

private slots:
    void initTestCase()
    {
        test::setUpApplication();
        allowed_ = {QStringLiteral("Morvane"), QStringLiteral("PDF"), QStringLiteral(".pdf"), QStringLiteral("kB"),
                    QDir::home().dirName()};
    }

    void init() { english_.clear(); }

    void theSaveDialogAndItsQuestion()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral(u"จดหมาย")));
        QFile earlier(dir.filePath(QStringLiteral(u"คำทำนาย.pdf")));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(QByteArray(3000, 'x')) == 3000);
        earlier.close();
        allowed_.append(dir.path());

        // As the result window opens it.
        QFileDialog dialog(nullptr, QStringLiteral(u"บันทึกคำทำนายเป็นไฟล์ PDF"), dir.path(),
                           QStringLiteral(u"ไฟล์ PDF (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        showDetailsInThai(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *files = dialog.findChild<QAbstractItemView *>(QStringLiteral("treeView"));
        QVERIFY(files);
        QTRY_COMPARE(files->model()->rowCount(files->rootIndex()), 2);
        QTRY_VERIFY(!files->model()->index(1, 3, files->rootIndex()).data().toString().isEmpty());
        checkWindow(&dialog);
        QCOMPARE(files->model()->index(1, 2, files->rootIndex()).data().toString(), QStringLiteral(u"ไฟล์ PDF"));

        // Saving over the earlier file asks first.
        QString question;
        const QObject whileHere;
        QTimer::singleShot(0, &whileHere, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            question = box->text();
            checkWindow(box);
            box->button(QMessageBox::No)->click();
        });
        dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral(u"คำทำนาย.pdf"));
        static_cast<QDialog &>(dialog).accept();  // as its save button does
        QCOMPARE(question, QStringLiteral(u"มีไฟล์ คำทำนาย.pdf อยู่แล้ว\nต้องการแทนที่ไฟล์เดิมหรือไม่"));
        QVERIFY2(english_.isEmpty(), qPrintable(english_.join(u'\n')));
    }

    // As the print module opens it, with the entry for a PDF file, which is
    // the only printer a machine without one offers and has properties too.
    void thePrintDialogAndThePrintersProperties()
    {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                          | QAbstractPrintDialog::PrintCollateCopies);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        checkWindow(&dialog);
        bool propertiesSeen = false;
        const QObject whileHere;
        QTimer::singleShot(0, &whileHere, [&] {
            if (QWidget *properties = QApplication::activeModalWidget(); properties && properties != &dialog) {
                checkWindow(properties);
                propertiesSeen = true;
                properties->close();
            }
        });
        dialog.findChild<QPushButton *>(QStringLiteral("properties"))->click();
        QVERIFY(propertiesSeen);
        QVERIFY2(english_.isEmpty(), qPrintable(english_.join(u'\n')));
    }

    void messageBoxButtons()
    {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Morvane"), QStringLiteral(u"ทดสอบ"),
                        QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Close
                            | QMessageBox::Save);
        checkWindow(&box);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral(u"ตกลง"));
        QVERIFY2(english_.isEmpty(), qPrintable(english_.join(u'\n')));
    }

    void contextMenus()
    {
        const std::unique_ptr<Form1> form1 = test::shownForm1();
        QVERIFY(form1);
        form1->TxtName->setText(QStringLiteral(u"สมชาย"));
        form1->TxtName->selectAll();
        const QStringList name = contextMenu(form1->TxtName);
        QVERIFY(name.contains(QStringLiteral(u"วาง")));

        form1->CmdPredict->click();
        Form2 *form2 = test::shownWindow<Form2>();
        QVERIFY(form2);
        QVERIFY(QTest::qWaitForWindowExposed(form2));
        form2->TxtDisplayProphesy->selectAll();
        const QStringList reading = contextMenu(form2->TxtDisplayProphesy->viewport());
        QVERIFY(reading.contains(QStringLiteral(u"คัดลอก")));
        const QStringList scrollBar = contextMenu(form2->TxtDisplayProphesy->verticalScrollBar());
        QVERIFY(scrollBar.contains(QStringLiteral(u"เลื่อนมาที่นี่")));
        const QStringList sheet = contextMenu(form2->Image1);
        QCOMPARE(sheet, (QStringList{QStringLiteral(u"พิมพ์"), QStringLiteral(u"พิมพ์ไปยังเครื่องพิมพ์อื่น…"),
                                     QStringLiteral(u"บันทึกเป็น PDF…"), QStringLiteral(u"บันทึกเป็นรูปภาพ…"),
                                     QStringLiteral(u"คัดลอกคำทำนาย"), QStringLiteral(u"ปิด")}));
        form2->Lbl_Close_Click();
        test::settle();

        for (const QString &text : name + reading + scrollBar + sheet)
            check(QStringLiteral("menu"), text);
        QVERIFY2(english_.isEmpty(), qPrintable(english_.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
