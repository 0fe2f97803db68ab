// The printed report: the exact lines through a recording printer, a real
// PDF as pango and cairo set it, and what the user sees when there is no
// printer or the printer fails.
#include "clock.h"
#include "fonts.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "guitest.h"
#include "messages.h"
#include "pangoprinter.h"
#include "prediction.h"
#include "printdevices.h"
#include "printer.h"
#include "readings.h"
#include "report.h"
#include "sharecard.h"
#include "text.h"
#include "writeprophesy.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <optional>

using namespace morvane;

namespace {

struct Printed
{
    qreal size;
    float x;
    QString text;
    QString font;
};

// Records what the report asks of a printer. Widths are measured like the
// screen's fonts, 15 twips to a pixel.
class RecordingPrinter : public PrintDevice
{
public:
    bool beginResult = true;
    bool endResult = true;
    QList<Printed> lines;
    QList<Printed> *sink = nullptr;  // a copy of every line, kept by the test
    int documents = 0;

    bool begin() override
    {
        ++documents;
        return beginResult;
    }
    void setFontName(const QString &name) override { font_ = name; }
    void setFontSize(qreal points) override { size_ = points; }
    void setCurrentX(float twips) override { x_ = twips; }
    float textWidth(const QString &text) override
    {
        return static_cast<float>(QFontMetricsF(resolveFont(font_, size_)).horizontalAdvance(text) * 15);
    }
    void print(const QString &text) override
    {
        lines.append({size_, x_, text, font_});
        if (sink)
            sink->append(lines.last());
        x_ = 0;
    }
    bool endDoc() override { return endResult; }
    bool deliver() override { return !silent; }
    bool unanswered() const override { return silent; }
    QString errorText() const override
    {
        return silent ? messages::noAnswer(QStringLiteral("print.example:631")) : QStringLiteral(u"เครื่องพิมพ์ทดสอบขัดข้อง");
    }
    bool silent = false;  // the print system never answers the job
    QString noteText() const override { return note; }
    QString note;

private:
    QString font_;
    qreal size_ = 0;
    float x_ = 0;
};

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Text as pdftotext gives it back, for comparing: without spaces and line
// breaks, every vowel and tone mark kept.
QString squeezed(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

const QDateTime kPrinted(QDate(2026, 1, 3), QTime(9, 5, 41));

// A prediction as a value, no window anywhere. Keys (0, 1, 0, 0) give 13, 4
// and 3 reading lines; (3, 10, 2, 7) the most any reading has: Wednesday 7,
// Libra 6, the Goat 6, positions 7 and 0 4 each.
Prediction sample(const QString &name = QStringLiteral(u"มาลัย ใจดี"), int weekday = 0, int sign = 1, int animal = 0,
                  int position = 0)
{
    Prediction p;
    p.assembled.nameLine = name.toStdU16String();
    p.assembled.birthLine = u"เกิดวันอาทิตย์ ที่ 7 มกราคม พ.ศ. 2522  ราศีมังกร ปีมะเมีย";
    p.texts = WriteProphesy(weekday, sign, animal, position);
    return p;
}

}  // namespace

class TestReport : public QObject
{
    Q_OBJECT

    FixedClock clock_{QDateTime(QDate(2026, 1, 3), QTime(9, 5, 41))};
    std::optional<ScopedClock> scoped_;
    std::unique_ptr<Form1> form1_;
    QList<Printed> recorded_;  // what the window's print command printed
    enum { Recording, Missing, Refusing, Failing, Waiting, Silent, SilentWhileSending } printer_ = Recording;
    enum { NoFolder, SizeLimit, SmallTmpfs, ReadOnlyTmpfs };
    QTemporaryDir dir_;

    Form2 *predict()
    {
        QTest::mouseClick(form1_->CmdPredict, Qt::LeftButton);
        return test::shownWindow<Form2>();
    }

private slots:
    void initTestCase()
    {
        test::setUpApplication();
        scoped_.emplace(clock_);
        QVERIFY(dir_.isValid());
        // MORVANE_KEEP_PDF=1 keeps the PDFs written here, to look at them.
        if (qEnvironmentVariableIsSet("MORVANE_KEEP_PDF")) {
            dir_.setAutoRemove(false);
            qInfo("PDFs in %s", qPrintable(dir_.path()));
        }
        // No test may reach the machine's own printer.
        defaultPrinter() = [this]() -> PrinterLookup {
            if (printer_ == Missing)
                return {};
            if (printer_ == Silent) {
                PrinterLookup silent;
                silent.absence = PrinterLookup::Absence::NoAnswer;
                silent.name = QStringLiteral("print.example:631");
                return silent;
            }
            auto device = std::make_unique<RecordingPrinter>();
            device->beginResult = printer_ != Refusing;
            device->endResult = printer_ != Failing;
            device->note = printer_ == Waiting ? QStringLiteral(u"เครื่องพิมพ์ทดสอบหยุดชั่วคราว") : QString();
            device->sink = &recorded_;
            device->silent = printer_ == SilentWhileSending;
            PrinterLookup found;
            found.device = std::move(device);
            return found;
        };
    }

    void init()
    {
        printer_ = Recording;
        recorded_.clear();
        clock_.set(QDateTime(QDate(2026, 1, 3), QTime(9, 5, 41)));
        form1_ = test::shownForm1();
        QVERIFY(form1_);
    }

    void cleanup()
    {
        test::closeEverything();
        form1_.reset();
    }

    void stamp()
    {
        QCOMPARE(stampDate(QDate(2026, 1, 3)), QStringLiteral(u"วันเสาร์ ที่ 3 มกราคม พ.ศ. 2569"));
        QCOMPARE(stampTime(QTime(9, 5, 41)), QStringLiteral(u"เวลา 09:05 น."));
        QCOMPARE(stampTime(QTime(23, 59, 59)), QStringLiteral(u"เวลา 23:59 น."));
        QCOMPARE(stampDate(QDate(2026, 12, 8)), QStringLiteral(u"วันอังคาร ที่ 8 ธันวาคม พ.ศ. 2569"));
        QCOMPARE(kNoteLine1.size(), 164);
        QVERIFY(kNoteLine1.startsWith(QString(13, u' ')) && kNoteLine1[13] != u' ');
        QCOMPARE(kNoteLine2.size(), 84);
        QVERIFY(kNoteLine2.startsWith(QString(4, u' ')) && kNoteLine2[4] != u' ');
        QVERIFY(kNoteLine2.endsWith(u'.'));
    }

    void theLinesInOrder()
    {
        RecordingPrinter p;
        const Prediction in = sample();
        QVERIFY(printReport(p, in, kPrinted));
        QCOMPARE(p.lines.size(), 23);
        const qreal sizes[]
            = {22, 22, 13, 16, 16, 13, 16, 12, 16, 12, 16, 12, 12, 12, 16, 12, 12, 12, 10, 10, 10, 10, 13};
        for (int i = 0; i < 23; ++i) {
            QCOMPARE(p.lines[i].size, sizes[i]);
            QCOMPARE(p.lines[i].font, kBrowallia);
        }
        const QStringList texts = {QString(),
                                   toQString(in.assembled.nameLine),
                                   QString(),
                                   QStringLiteral(u"วันและเวลาการทำนาย :  วันเสาร์ ที่ 3 มกราคม พ.ศ. 2569  เวลา 09:05 น."),
                                   QStringLiteral(u"วันเกิดของคุณ :  ") + toQString(in.assembled.birthLine),
                                   QString(),
                                   QStringLiteral(u"คำทำนาย"),
                                   toQString(in.texts.printPro),
                                   QStringLiteral(u"ความรักในปีนี้"),
                                   toQString(in.texts.printNow),
                                   QStringLiteral(u"ความรักในปีหน้า"),
                                   toQString(in.texts.printNext),
                                   QString(),
                                   QString(30, u'+'),
                                   QStringLiteral(u"หมายเหตุ"),
                                   kNoteLine1,
                                   kNoteLine2,
                                   QString(),
                                   QStringLiteral(u"โปรแกรม  ''Morvane''  เวอร์ชั่น  1.0")};
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(p.lines[i].text, texts[i]);
        // Centred lines: (8535 - width) / k, the width taken at the line's size.
        const QMap<int, float> divisors
            = {{1, 1.4f}, {13, 1.3f}, {14, 1.42f}, {18, 1.33f}, {19, 1.4f}, {20, 1.4f}, {21, 1.3f}, {22, 1.4f}};
        RecordingPrinter measure;
        measure.setFontName(kBrowallia);
        for (int i = 0; i < 23; ++i) {
            if (!divisors.contains(i)) {
                QCOMPARE(p.lines[i].x, 0.0f);
                continue;
            }
            measure.setFontSize(p.lines[i].size);
            const float expected = (8535 - measure.textWidth(p.lines[i].text)) / divisors[i];
            QVERIFY(expected > 0);
            QCOMPARE(p.lines[i].x, expected);
        }
        // Keys (0, 1, 0, 0): 13, 4 and 3 reading lines.
        QCOMPARE(p.lines[7].text.split(u'\r').size(), 13);
        QCOMPARE(p.lines[9].text.split(u'\r').size(), 4);
        QCOMPARE(p.lines[11].text.split(u'\r').size(), 3);
        // The credits name the team, nobody invented.
        for (int i = 19; i < 23; ++i)
            QVERIFY(!p.lines[i].text.trimmed().isEmpty());
    }

    void aNameWiderThanTheWindowStartsAtTheEdge()
    {
        RecordingPrinter p;
        QVERIFY(printReport(p, sample(QString(3000, u'ก')), kPrinted));
        QCOMPARE(p.lines[1].x, 0.0f);
        QCOMPARE(p.lines[1].text.size(), 3000);
    }

    void printingThroughTheWindow()
    {
        form1_->TxtName->clear();
        Form2 *f = predict();
        QVERIFY(f);
        clock_.set(QDateTime(QDate(2026, 1, 4), QTime(21, 7, 3)));  // the click is what counts
        QTest::mouseClick(f->Lbl_Print, Qt::LeftButton);
        // While the print system is asked: the busy pointer, the sheet up,
        // and no second document for a second click or Ctrl+P.
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QTest::mouseClick(f->Lbl_Print, Qt::LeftButton);
        QTest::keyClick(f->TxtDisplayProphesy, Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(f->TxtDisplayProphesy, Qt::Key_Escape);
        QTRY_VERIFY(!test::shownWindow<Form2>());
        QCOMPARE(recorded_.size(), 23);
        QVERIFY(!QGuiApplication::overrideCursor());
        test::settle();
        QVERIFY(form1_->isVisible());
        QVERIFY(form1_->TxtName->text().isEmpty());
        QVERIFY(form1_->CmdPredict->isEnabled());
        QVERIFY(!Form3::loaded());
    }

    void whatThePrintCommandSends()
    {
        // A prediction without a birth month: the sign reading is missing.
        {
            const QSignalBlocker quiet(form1_->CobMonth);
            form1_->CobMonth->setCurrentIndex(-1);
        }
        form1_->TxtName->clear();
        Form2 *f = predict();
        QVERIFY(f);
        clock_.set(QDateTime(QDate(2026, 1, 4), QTime(21, 7, 3)));
        QTest::mouseClick(f->Lbl_Print, Qt::LeftButton);
        QTRY_VERIFY(!test::shownWindow<Form2>());
        const QList<Printed> lines = recorded_;
        QCOMPARE(lines.size(), 23);
        QCOMPARE(lines[1].text, QStringLiteral(u"ไม่ระบุชื่อ"));
        QVERIFY(lines[3].text.endsWith(QStringLiteral(u"วันอาทิตย์ ที่ 4 มกราคม พ.ศ. 2569  เวลา 21:07 น.")));
        QVERIFY(lines[7].text.split(u'\r').contains(QStringLiteral("     ")));
    }

    void noPrinterOffersAPdf()
    {
        printer_ = Missing;
        Form2 *f = predict();
        QTest::mouseClick(f->Lbl_Print, Qt::LeftButton);
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = f->findChild<QMessageBox *>(QStringLiteral("NoPrinter"))));
        QVERIFY(box->isVisible());
        QVERIFY(!f->Lbl_Print->isEnabled());
        QCOMPARE(test::shownWindow<Form2>(), f);
        QCOMPARE(box->frameGeometry().center(), f->frameGeometry().center());  // over the sheet

        // Cancel: the reading stays and "พิมพ์" works again.
        box->buttons().last()->click();
        test::settle();
        QVERIFY(f->Lbl_Print->isEnabled());
        QCOMPARE(test::shownWindow<Form2>(), f);

        // Save: a file dialog, then the PDF, then the window closes.
        QTest::mouseClick(f->Lbl_Print, Qt::LeftButton);
        QTRY_VERIFY((box = f->findChild<QMessageBox *>(QStringLiteral("NoPrinter"))));
        box->buttons().first()->click();
        auto *dialog = f->findChild<QFileDialog *>(QStringLiteral("SavePdf"));
        QVERIFY(dialog);
        QCOMPARE(dialog->frameGeometry().center(), f->frameGeometry().center());
        // Documents or home, whichever exists; not where the program was started.
        QVERIFY(dialog->directory().exists() && dialog->directory() != QDir::current());
        const QString path = dir_.filePath(QStringLiteral(u"คำทำนาย.pdf"));
        emit dialog->fileSelected(path);
        test::settle();
        QVERIFY(QFile::exists(path));
        QVERIFY(QFileInfo(path).size() > 1000);
        QVERIFY(!test::shownWindow<Form2>());
        QVERIFY(form1_->isVisible());
    }

    void aFailingPrinterKeepsTheReading_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("cannot begin") << int(Refusing);
        QTest::newRow("job not taken") << int(Failing);
    }

    void aFailingPrinterKeepsTheReading()
    {
        QFETCH(int, how);
        printer_ = static_cast<decltype(printer_)>(how);
        Form2 *f = predict();
        const QString reading = f->TxtDisplayProphesy->text();
        QTest::mouseClick(f->Lbl_Print, Qt::LeftButton);
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = f->findChild<QMessageBox *>(QStringLiteral("PrintFailed"))));
        QVERIFY(box->informativeText().contains(QStringLiteral(u"เครื่องพิมพ์ทดสอบขัดข้อง")));
        QVERIFY(box->informativeText().contains(QStringLiteral(u"คำทำนายยังแสดงอยู่ตามเดิม")));
        QCOMPARE(test::shownWindow<Form2>(), f);
        QCOMPARE(f->TxtDisplayProphesy->text(), reading);
        QVERIFY(Form3::loaded());
        QVERIFY(f->Lbl_Print->isEnabled());
        box->close();
    }

    // The print system did not answer, looking up the printer or taking the
    // job: it says so, names the server, does not call the printer missing,
    // and offers the PDF; the reading stays.
    void aSilentPrintSystemOffersAPdf_data()
    {
        QTest::addColumn<int>("when");
        QTest::newRow("looking up the printer") << int(Silent);
        QTest::newRow("sending the job") << int(SilentWhileSending);
    }

    void aSilentPrintSystemOffersAPdf()
    {
        QFETCH(int, when);
        printer_ = static_cast<decltype(printer_)>(when);
        Form2 *f = predict();
        QTest::mouseClick(f->Lbl_Print, Qt::LeftButton);
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = f->findChild<QMessageBox *>(QStringLiteral("NoPrinter"))));
        const QString said = box->text() + u'\n' + box->informativeText();
        QVERIFY2(said.contains(QStringLiteral(u"\"print.example:631\" ไม่ตอบสนอง")), qPrintable(said));
        QVERIFY(!said.contains(QStringLiteral(u"ไม่พบเครื่องพิมพ์")));
        QVERIFY(said.contains(messages::kSaveAsPdfInstead));
        box->buttons().last()->click();
        test::settle();
        QCOMPARE(test::shownWindow<Form2>(), f);
        QVERIFY(f->Lbl_Print->isEnabled());
    }

    void aJobThatWaitsIsToldBeforeTheWindowCloses()
    {
        printer_ = Waiting;
        Form2 *f = predict();
        QTest::mouseClick(f->Lbl_Print, Qt::LeftButton);
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = f->findChild<QMessageBox *>(QStringLiteral("PrintWaits"))));
        QCOMPARE(box->informativeText(), QStringLiteral(u"เครื่องพิมพ์ทดสอบหยุดชั่วคราว"));
        QCOMPARE(test::shownWindow<Form2>(), f);
        QVERIFY(!f->Lbl_Print->isEnabled());  // sent once is enough
        box->button(QMessageBox::Ok)->click();
        test::settle();
        QVERIFY(!test::shownWindow<Form2>());
        QVERIFY(form1_->isVisible());
    }

    // A save that fails says why, leaves no part of a file, and leaves the
    // file it would have replaced as it was: the report as a PDF and the
    // picture as a PNG alike. The disk fills up for real: a file size limit
    // anyone may set, and, as root, a small tmpfs.
    void aFailedSaveLeavesNothingBehind_data()
    {
        QTest::addColumn<int>("medium");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("why");
        QTest::addColumn<bool>("picture");
        const QString full = QStringLiteral(u"พื้นที่ดิสก์เต็ม");
        for (const bool picture : {false, true}) {
            const auto row = [picture](const char *name) {
                return &QTest::newRow(qPrintable(QLatin1String(name) + (picture ? " (PNG)" : " (PDF)")));
            };
            *row("no such folder") << int(NoFolder) << false << QStringLiteral(u"ไม่พบโฟลเดอร์") << picture;
            *row("file size limit") << int(SizeLimit) << false << full << picture;
            *row("file size limit, file kept") << int(SizeLimit) << true << full << picture;
            *row("full 8 KiB tmpfs, file kept") << int(SmallTmpfs) << true << full << picture;
            *row("read-only tmpfs, file kept") << int(ReadOnlyTmpfs) << true << QStringLiteral(u"ไม่มีสิทธิ์") << picture;
        }
    }

    void aFailedSaveLeavesNothingBehind()
    {
        QFETCH(int, medium);
        QFETCH(bool, existing);
        QFETCH(QString, why);
        QFETCH(bool, picture);
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        QString folder = scratch.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkdir(folder));
        const auto mount = [&](const QStringList &args) { return QProcess::execute(QStringLiteral("mount"), args); };
        std::optional<QScopeGuard<std::function<void()>>> unmount;
        if (medium == SmallTmpfs || medium == ReadOnlyTmpfs) {
            if (geteuid() != 0 || mount({"-t", "tmpfs", "-o", "size=8k", "tmpfs", folder}) != 0)
                QSKIP("mounting a tmpfs needs root");
            unmount.emplace([folder] { QProcess::execute(QStringLiteral("umount"), {folder}); });
        }
        if (medium == NoFolder)
            folder += QStringLiteral("/missing");
        const QString path = folder + (picture ? QStringLiteral("/report.png") : QStringLiteral("/report.pdf"));
        const QByteArray before = "an earlier reading, to be kept\n";
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
        }
        if (medium == ReadOnlyTmpfs)
            QCOMPARE(mount({"-o", "remount,ro", folder}), 0);

        const QImage card = picture ? shareCard(sample()) : QImage();
        const auto save = [&] {
            if (picture)
                return savePng(card, path);
            auto pdf = pdfFile(path);
            return printReport(*pdf, sample(), kPrinted) ? QString() : pdf->errorText();
        };
        QString error;
        if (medium == SizeLimit) {
            // Past the limit a write fails with EFBIG instead of a signal.
            rlimit saved{};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{8192, saved.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            error = save();
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        } else {
            error = save();
        }
        QVERIFY2(error.contains(why), qPrintable(error));
        if (medium != NoFolder) {
            const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            QCOMPARE(left, existing ? QStringList{QFileInfo(path).fileName()} : QStringList());
        }
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), before);
            QVERIFY(error.contains(QStringLiteral(u"ไฟล์เดิมชื่อนี้ยังอยู่ครบ")));
        }
    }

    void withoutThePrintModuleNothingIsWritten()
    {
        const QString module = printModulePath();
        printModulePath() = dir_.filePath(QStringLiteral("no-such-module.so"));
        const QString path = dir_.filePath(QStringLiteral("never.pdf"));
        auto pdf = pdfFile(path);
        printModulePath() = module;
        QVERIFY(!printReport(*pdf, sample(), kPrinted));
        QVERIFY(pdf->errorText().contains(QStringLiteral(u"กรุณาติดตั้งโปรแกรมนี้อีกครั้ง")));
        QVERIFY(!QFile::exists(path));
    }

    void aRealPdf()
    {
        const QString path = dir_.filePath(QStringLiteral("report.pdf"));
        const Prediction in = sample();
        {
            auto pdf = pdfFile(path);
            QVERIFY(printReport(*pdf, in, kPrinted));
        }
        // -raw keeps the order the lines were drawn in, whatever their layout.
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                                               QStringLiteral("UTF-8"), path, QStringLiteral("-")});
        QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) failed or is missing");
        // The text layer is the report, every vowel and tone mark in place.
        RecordingPrinter recorded;
        QVERIFY(printReport(recorded, in, kPrinted));
        QString report;
        for (const Printed &line : std::as_const(recorded.lines))
            report += line.text;
        QCOMPARE(squeezed(text), squeezed(report));
        const QString fonts = run(QStringLiteral("pdffonts"), {path});
        QVERIFY(fonts.contains(resolveFamily(kBrowallia).family));
        QVERIFY(fonts.contains(QStringLiteral(" yes ")));  // embedded
    }

    void theLongestReportOnOnePage_data()
    {
        QTest::addColumn<QPageSize::PageSizeId>("size");
        QTest::newRow("A4") << QPageSize::A4;
        QTest::newRow("US Letter") << QPageSize::Letter;
    }

    void theLongestReportOnOnePage()
    {
        QFETCH(QPageSize::PageSizeId, size);
        const QPageLayout page = reportPage(QPageSize(size));
        QBuffer pdf;
        PangoPrintDevice device(pdf, page);
        const Prediction in = sample(QStringLiteral(u"มาลัย ใจดี"), 3, 10, 2, 7);
        QCOMPARE(toQString(in.texts.printPro).split(u'\r').size() + toQString(in.texts.printNow).split(u'\r').size()
                     + toQString(in.texts.printNext).split(u'\r').size(),
                 19 + 4 + 4);
        QVERIFY(printReport(device, in, kPrinted));
        QCOMPARE(device.pages(), 1);
        QCOMPARE(device.brokenLines(), 0);

        // Every print line of the catalogue fits across the page at 12 pt,
        // so no other reading breaks either.
        const float width = float(page.paintRectPoints().width() * 20);
        device.setFontName(kBrowallia);
        device.setFontSize(12);
        const auto widest = [&](auto table, int from, int to) {
            float w = 0;
            for (int key = from; key <= to; ++key)
                for (Block b : table(key))
                    w = std::max(w, device.textWidth(QStringLiteral("     ") + toQString(std::u16string(b))));
            return w;
        };
        for (float w : {widest(DayProphesy, 0, 6), widest(ZodiacProphesy, 1, 12), widest(AniProphesy, 0, 11),
                        widest(YearlyProphesy, 0, 7), device.textWidth(kNoteLine1)})
            QVERIFY2(w <= width, qPrintable(QStringLiteral("%1 twips wide, %2 to print on").arg(w).arg(width)));
    }

    void aPastedNovelOfANamePrintsWhole()
    {
        // 30,000 characters: the name runs over lines and pages, and the
        // rest of the report follows it.
        const QString path = dir_.filePath(QStringLiteral("long-name.pdf"));
        const QString name = QStringLiteral(u"สมศรี").repeated(6000);
        {
            auto pdf = pdfFile(path);
            QVERIFY(printReport(*pdf, sample(name), kPrinted));
        }
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        QVERIFY(pages.hasMatch());
        QVERIFY(pages.captured(1).toInt() > 3);
        const QString text
            = squeezed(run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                                         QStringLiteral("UTF-8"), path, QStringLiteral("-")}));
        QCOMPARE(text.count(squeezed(QStringLiteral(u"สมศรี"))), 6000);
        QVERIFY(text.endsWith(squeezed(QStringLiteral(u"ฉบับพฤษภาคม 2543"))));
    }

    void longLinesBreakAtThaiWordsAndFlowOntoNewPages()
    {
        const QString path = dir_.filePath(QStringLiteral("long.pdf"));
        const QString phrase = QStringLiteral(u"ความรักของคุณ");  // ความ|รัก|ของ|คุณ
        {
            QFile file(path);
            PangoPrintDevice device(file, reportPage(QPageSize(QPageSize::A4)));
            QVERIFY(device.begin());
            device.setFontName(kBrowallia);
            device.setFontSize(16);
            device.setCurrentX(3000);
            device.print(phrase.repeated(40));
            for (int i = 0; i < 120; ++i)
                device.print(QStringLiteral("line %1").arg(i));
            QVERIFY(device.endDoc());
            QVERIFY(device.pages() > 1);
        }
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                                               QStringLiteral("UTF-8"), path, QStringLiteral("-")});
        const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
        // The long run comes out whole, over several lines, each cut where a
        // word ends.
        QString joined;
        int pieces = 0;
        for (const QString &l : lines) {
            if (l.startsWith(QLatin1String("line")) || l.startsWith(u'\f'))
                break;
            joined += l;
            ++pieces;
            const qsizetype cut = joined.size() % phrase.size();
            QVERIFY2(cut == 0 || cut == 4 || cut == 7 || cut == 10, qPrintable(l));
        }
        QVERIFY(pieces > 1);
        QCOMPARE(joined, phrase.repeated(40));
        QVERIFY(text.contains(QStringLiteral("line 119")));
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+[2-9]"))));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
