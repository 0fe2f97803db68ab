// The reading made to leave the program: the picture for sharing, what the
// clipboard gets, the names and kinds of saved files, and printing on a
// printer of one's choice.
#include "clock.h"
#include "guitest.h"
#include "prediction.h"
#include "printer.h"
#include "sharecard.h"
#include "sharecommands.h"
#include "text.h"
#include "writeprophesy.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBoundaryFinder>

using namespace morvane;

namespace {

// Keys (3, 10, 2, 7) give the longest reading there is; (0, 1, 0, 0) a
// shorter one.
Prediction sample(const QString &name = QStringLiteral(u"สมหญิง ใจดี"), int weekday = 3, int sign = 10, int animal = 2,
                  int position = 7)
{
    Prediction p;
    p.moment = {2026, 12, 9, 16, 5, 0};
    p.assembled.nameLine = name.toStdU16String();
    p.assembled.birthLine = u"เกิดวันพุธ ที่ 8 ตุลาคม พ.ศ. 2523  ราศีตุลย์ ปีมะแม";
    p.texts = WriteProphesy(weekday, sign, animal, position);
    return p;
}

// The torn edge is whole all round when every pixel of the card's outer
// rim is the dark table the sheet lies on, not paper and not ink.
bool edgeIsWhole(const QImage &card)
{
    const auto dark = [&](int x, int y) { return qGray(card.pixel(x, y)) < 140; };
    for (int i = 0; i < 4; ++i) {
        for (int x = 0; x < card.width(); ++x)
            if (!dark(x, i) || !dark(x, card.height() - 1 - i))
                return false;
        for (int y = 0; y < card.height(); ++y)
            if (!dark(i, y) || !dark(card.width() - 1 - i, y))
                return false;
    }
    return true;
}

// Takes the report, counts its lines and puts nothing on paper.
class NoPaper : public PrintDevice
{
public:
    explicit NoPaper(int &lines) : lines_(lines) { }
    bool begin() override { return true; }
    void setFontName(const QString &) override { }
    void setFontSize(qreal) override { }
    void setCurrentX(float) override { }
    float textWidth(const QString &) override { return 0; }
    void print(const QString &) override { ++lines_; }
    bool endDoc() override { return true; }

private:
    int &lines_;
};

}  // namespace

class TestShare : public QObject
{
    Q_OBJECT

    QTemporaryDir kept_;
    FixedClock clock_{QDateTime(QDate(2026, 12, 9), QTime(16, 5))};
    std::optional<ScopedClock> scoped_;
    std::unique_ptr<Form1> form1_;

    Form2 *predict()
    {
        form1_ = test::shownForm1();
        if (!form1_)
            return nullptr;
        form1_->TxtName->setText(QStringLiteral(u"สมหญิง ใจดี"));
        QTest::mouseClick(form1_->CmdPredict, Qt::LeftButton);
        Form2 *sheet = test::shownWindow<Form2>();
        return sheet && QTest::qWaitForWindowActive(sheet) ? sheet : nullptr;
    }

    static ShareCommands *commandsOf(Form2 *sheet) { return sheet->findChild<ShareCommands *>(); }

    void keep(const QImage &card, const char *name)
    {
        if (qEnvironmentVariableIsSet("MORVANE_KEEP_PNG"))
            QVERIFY(savePng(card, kept_.filePath(QLatin1String(name) + QLatin1String(".png"))).isEmpty());
    }

private slots:
    void initTestCase()
    {
        test::setUpApplication();
        scoped_.emplace(clock_);
        // MORVANE_KEEP_PNG=1 keeps the pictures made here, to look at them.
        if (qEnvironmentVariableIsSet("MORVANE_KEEP_PNG")) {
            kept_.setAutoRemove(false);
            qInfo("pictures in %s", qPrintable(kept_.path()));
        }
    }

    void theCardGrowsWithTheReadingAndTheName()
    {
        const QImage longest = shareCard(sample());
        const QImage shorter = shareCard(sample(QStringLiteral(u"สมหญิง ใจดี"), 0, 1, 0, 0));
        const QImage named = shareCard(sample(QStringLiteral(u"<b>สมหญิง</b> &amp; ").repeated(400)));
        keep(longest, "longest");
        keep(shorter, "shorter");
        keep(named, "named");
        for (const QImage &card : {longest, shorter, named}) {
            QCOMPARE(card.width(), 1080);
            QVERIFY(!card.hasAlphaChannel());
            QVERIFY(edgeIsWhole(card));
        }
        QVERIFY(longest.height() > shorter.height());
        QVERIFY(named.height() > longest.height() + 1000);
    }

    void cleanup()
    {
        test::closeEverything();
        form1_.reset();
    }

    void suggestedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a name") << QStringLiteral(u"สมหญิง") << true << QStringLiteral(u"คำทำนาย-สมหญิง-2569-12-09.png");
        QTest::newRow("no name") << QString() << false << QStringLiteral(u"คำทำนาย-2569-12-09.pdf");
        QTest::newRow("lines and runs of spaces")
            << QStringLiteral(u" สมหญิง \r\n  ใจดี ") << false << QStringLiteral(u"คำทำนาย-สมหญิง ใจดี-2569-12-09.pdf");
        QTest::newRow("refused characters") << QStringLiteral("a/b\\c:d*e?f\"g<h>i|j\tk") << true
                                            << QStringLiteral(u"คำทำนาย-a_b_c_d_e_f_g_h_i_j k-2569-12-09.png");
    }

    void suggestedNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, picture);
        QFETCH(QString, expected);
        Prediction p = sample(name);
        p.entry.name = name.toStdU16String();
        QCOMPARE(suggestedFileName(p, picture ? SaveAs::Picture : SaveAs::Pdf), expected);
    }

    void aLongNameIsCutBetweenLetters()
    {
        // Three bytes to a Thai character, and a tone mark on every other one.
        const QString name = QStringLiteral(u"น้ำ").repeated(200);
        Prediction p = sample(name);
        p.entry.name = name.toStdU16String();
        const QString file = suggestedFileName(p, SaveAs::Picture);
        QVERIFY(file.toUtf8().size() <= 255);
        QVERIFY(file.endsWith(QStringLiteral("-2569-12-09.png")));
        const QString kept = file.mid(8).chopped(15);
        QVERIFY(name.startsWith(kept) && kept.size() > 50);
        QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, name);
        letters.setPosition(kept.size());
        QVERIFY(letters.isAtBoundary());
    }

    void copyPutsTextAndPictureOnTheClipboard()
    {
        Form2 *f = predict();
        QVERIFY(f);
        QApplication::clipboard()->clear();
        QTest::keyClick(f->TxtDisplayProphesy, Qt::Key_C, Qt::ControlModifier);
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasText() && copied->hasImage());
        const QString text = copied->text();
        QVERIFY(text.startsWith(QStringLiteral(u"สมหญิง ใจดี\nเกิดวันอังคาร ที่ 9 ตุลาคม พ.ศ. 2522")));
        for (const QString &heading : {QStringLiteral(u"\nคำทำนาย\n"), QStringLiteral(u"\nความรักในปีนี้\n"),
                                       QStringLiteral(u"\nความรักในปีหน้า\n"), QStringLiteral(u"\nข้อแนะนำ :\n")})
            QVERIFY(text.contains(heading));
        QVERIFY(!text.contains(u'\r'));
        QCOMPARE(qvariant_cast<QImage>(copied->imageData()).width(), 1080);

        // With part of the reading selected, the selection alone, as ever.
        QTextCursor cursor = f->TxtDisplayProphesy->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(7, QTextCursor::KeepAnchor);
        f->TxtDisplayProphesy->setTextCursor(cursor);
        QTest::keyClick(f->TxtDisplayProphesy, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(u"คำทำนาย"));
        QVERIFY(!QApplication::clipboard()->mimeData()->hasImage());
    }

    // One dialog for both kinds: the kind follows a name's extension, else
    // the type chosen, whose extension the name then gets.
    void theKindFollowsTheNameOrTheType_data()
    {
        QTest::addColumn<bool>("picture");  // the type chosen
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("magic");
        const QByteArray pdf("%PDF"), png("\x89PNG");
        QTest::newRow("PDF") << false << QStringLiteral(u"ดวง") << QStringLiteral(u"ดวง.pdf") << pdf;
        QTest::newRow("picture") << true << QStringLiteral(u"ดวง") << QStringLiteral(u"ดวง.png") << png;
        QTest::newRow("PNG named, PDF chosen")
            << false << QStringLiteral(u"ดวง.PNG") << QStringLiteral(u"ดวง.PNG") << png;
        QTest::newRow("another extension")
            << true << QStringLiteral(u"ดวง.jpg") << QStringLiteral(u"ดวง.jpg.png") << png;
    }

    void theKindFollowsTheNameOrTheType()
    {
        QFETCH(bool, picture);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QByteArray, magic);
        QTemporaryDir dir;
        Form2 *f = predict();
        QVERIFY(f && dir.isValid());
        commandsOf(f)->save(picture ? SaveAs::Picture : SaveAs::Pdf);
        auto *dialog = f->findChild<QFileDialog *>(QStringLiteral("SaveReading"));
        QVERIFY(dialog);
        QVERIFY(dialog->selectedFiles().value(0).endsWith(picture ? u".png" : u".pdf"));
        dialog->setDirectory(dir.path());
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(typed);
        static_cast<QDialog *>(dialog)->accept();  // as its save button does
        QFile file(dir.filePath(written));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(QDir(dir.path()).entryList().join(u' ')));
        QCOMPARE(file.read(4), magic);
        if (picture || typed.endsWith(QLatin1String(".PNG")))  // the picture, every pixel of it
            QCOMPARE(QImage(file.fileName()).convertToFormat(QImage::Format_RGB32), shareCard(f->prediction()));
        QCOMPARE(test::shownWindow<Form2>(), f);  // saving keeps the sheet
    }

    void printingOnAnotherPrinter()
    {
        int printed = 0;
        bool havePrinter = false;
        const auto restore = qScopeGuard([saved = printerChooser()] { printerChooser() = saved; });
        printerChooser().available = [&havePrinter](PrinterLookup &none) {
            none.absence = PrinterLookup::Absence::NoPrinters;
            return havePrinter;
        };
        printerChooser().dialog = [&printed](QWidget *parent, ChosenPrinter chosen) {
            auto *dialog = new QDialog(parent);
            dialog->setObjectName(QStringLiteral("PrintDialog"));
            connect(dialog, &QDialog::accepted, dialog,
                    [&printed, chosen] { chosen(std::make_unique<NoPaper>(printed)); });
            return dialog;
        };
        // No printer: the sheet says so and offers a PDF.
        Form2 *f = predict();
        QVERIFY(f);
        QTest::keyClick(f->TxtDisplayProphesy, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = f->findChild<QMessageBox *>(QStringLiteral("NoPrinter"))));
        QCOMPARE(box->text(), QStringLiteral(u"ไม่พบเครื่องพิมพ์ในคอมพิวเตอร์เครื่องนี้"));
        box->close();
        // A printer chosen: the report as "พิมพ์" prints it, then the sheet goes.
        havePrinter = true;
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTest::keyClick(f->TxtDisplayProphesy, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = f->findChild<QDialog *>(QStringLiteral("PrintDialog"))));
        dialog->accept();
        QTRY_VERIFY(!test::shownWindow<Form2>());
        QCOMPARE(printed, 23);
    }
};

QTEST_MAIN(TestShare)
#include "tst_share.moc"
