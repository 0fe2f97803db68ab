// Prints a real prediction through the system's default printer, and
// checks what the user is told when that printer rejects jobs, is paused,
// or does not exist; and through the print dialog on another printer, with
// copies and paper chosen. Run by cups_print.sh, which sets up two PDF
// queues of its own, one the default; on its own this program prints
// nothing.
#include "clock.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "guitest.h"
#include "printer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace morvane;

namespace {

// Runs a CUPS command line tool; true when it succeeded.
bool cups(const QString &tool, const QStringList &args)
{
    return QProcess::execute(tool, args) == 0;
}

}  // namespace

class TestCups : public QObject
{
    Q_OBJECT

    QString queue_;

private slots:
    // Before the default queue's last row, whose PDF cups_print.sh checks.
    void printingOnAnotherQueueWithCopiesAndPaper()
    {
        const QString other = qEnvironmentVariable("MORVANE_CUPS_OTHER_QUEUE");
        const std::unique_ptr<Form1> form1 = test::shownForm1();
        QVERIFY(form1);
        QTest::mouseClick(form1->CmdPredict, Qt::LeftButton);
        Form2 *form2 = test::shownWindow<Form2>();
        QVERIFY(form2 && QTest::qWaitForWindowActive(form2));
        QTest::keyClick(form2->TxtDisplayProphesy, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QPrintDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = form2->findChild<QPrintDialog *>(QStringLiteral("PrintDialog"))));
        auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        printers->setCurrentIndex(printers->findText(other));
        QCOMPARE(printers->currentText(), other);
        dialog->findChild<QSpinBox *>(QStringLiteral("copies"))->setValue(2);
        // The paper is chosen in the printer's properties, a dialog of its own.
        bool letter = false;
        QTimer::singleShot(0, dialog, [&] {
            auto *properties = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!properties)
                return;
            auto *paper = properties->findChild<QComboBox *>(QStringLiteral("pageSizeCombo"));
            const int index = paper ? paper->findText(QStringLiteral("Letter"), Qt::MatchContains) : -1;
            letter = index >= 0;
            if (letter)
                paper->setCurrentIndex(index);
            properties->accept();
        });
        dialog->findChild<QPushButton *>(QStringLiteral("properties"))->click();
        QVERIFY(letter);
        QPointer<Form2> watch(form2);
        static_cast<QDialog *>(dialog)->accept();  // as its print button does
        QTRY_VERIFY_WITH_TIMEOUT(!watch, 30000);

        // cups-pdf writes each job as <title>-job_<id>.pdf in the owner's ~/PDF.
        QString job;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QProcess lpstat;
                lpstat.start(QStringLiteral("lpstat"),
                             {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), other});
                lpstat.waitForFinished();
                job = QString::fromUtf8(lpstat.readAllStandardOutput()).section(u' ', 0, 0).section(u'-', -1);
                return !job.isEmpty();
            }(),
            30000);
        const QDir spool(QDir::home().filePath(QStringLiteral("PDF")));
        QStringList found;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(found = spool.entryList({QStringLiteral("*-job_%1.pdf").arg(job)}, QDir::Files)).isEmpty(), 30000);
        const QString pdf = spool.filePath(found.first());
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(pdfinfo.waitForFinished());
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QFile::remove(pdf);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));  // two copies
        QVERIFY2(info.contains(QStringLiteral("(letter)")), qPrintable(info));
    }

    void initTestCase()
    {
        if (!qEnvironmentVariableIsSet("MORVANE_CUPS_QUEUE"))
            QSKIP("run through cups_print.sh, which sets up its own printer");
        queue_ = qEnvironmentVariable("MORVANE_CUPS_QUEUE");
        test::setUpApplication();
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), queue_);
    }

    // The last two rows print for real; cups_print.sh checks what they spooled.
    void printingOnTheDefaultQueue_data()
    {
        QTest::addColumn<QString>("pause");        // a tool to run on the queue before the click
        QTest::addColumn<QString>("defaultName");  // the default printer named for the process
        QTest::addColumn<QString>("box");          // the message shown, if any
        QTest::addColumn<QString>("says");
        QTest::addColumn<bool>("stays");  // the reading stays on the screen
        QTest::addColumn<bool>("slow");   // through a server that answers, slowly
        const QString queue = qEnvironmentVariable("MORVANE_CUPS_QUEUE");
        const QString missing = queue + QStringLiteral("NoSuch");
        QTest::newRow("rejecting jobs") << QStringLiteral("cupsreject") << queue << QStringLiteral("PrintFailed")
                                        << QStringLiteral(u"ถูกตั้งค่าให้ไม่รับงานพิมพ์") << true << false;
        QTest::newRow("paused") << QStringLiteral("cupsdisable") << queue << QStringLiteral("PrintWaits")
                                << QStringLiteral(u"ถูกหยุดไว้ชั่วคราว") << false << false;
        QTest::newRow("named default missing")
            << QString() << missing << QStringLiteral("NoPrinter") << missing << true << false;
        QTest::newRow("prints, slowly") << QString() << queue << QString() << QString() << false << true;
        QTest::newRow("prints") << QString() << queue << QString() << QString() << false << false;
    }

    void printingOnTheDefaultQueue()
    {
        QFETCH(QString, pause);
        QFETCH(QString, defaultName);
        QFETCH(QString, box);
        QFETCH(QString, says);
        QFETCH(bool, stays);
        QFETCH(bool, slow);
        if (slow)
            qputenv("CUPS_SERVER", qgetenv("MORVANE_SLOW_CUPS"));
        const auto restore = qScopeGuard([this] {
            qunsetenv("CUPS_SERVER");
            qputenv("PRINTER", queue_.toUtf8());
            qputenv("LPDEST", queue_.toUtf8());
            cups(QStringLiteral("cupsaccept"), {queue_});
            cups(QStringLiteral("cupsenable"), {queue_});
        });
        qputenv("PRINTER", defaultName.toUtf8());
        qputenv("LPDEST", defaultName.toUtf8());

        const std::unique_ptr<Form1> shown = test::shownForm1();
        QVERIFY(shown);
        Form1 &form1 = *shown;
        form1.TxtName->setText(QStringLiteral(u"ทดสอบ เครื่องพิมพ์"));
        QTest::mouseClick(form1.CmdPredict, Qt::LeftButton);
        Form2 *form2 = test::shownWindow<Form2>();
        QVERIFY(form2);
        const QString reading = form2->TxtDisplayProphesy->toPlainText();
        if (!pause.isEmpty())
            QVERIFY(cups(pause, {queue_}));
        QPointer<Form2> watch(form2);
        QTest::mouseClick(form2->Lbl_Print, Qt::LeftButton);

        if (!box.isEmpty()) {
            QMessageBox *shownBox = nullptr;
            QTRY_VERIFY_WITH_TIMEOUT((shownBox = form2->findChild<QMessageBox *>(box)), 60000);
            const QString text = shownBox->text() + u'\n' + shownBox->informativeText();
            QVERIFY2(text.contains(says), qPrintable(text));
            QVERIFY2(text.contains(defaultName), qPrintable(text));
            if (stays) {
                QVERIFY(text.contains(QStringLiteral(u"คำทำนายยังแสดงอยู่ตามเดิม"))
                        || shownBox->objectName() == QLatin1String("NoPrinter"));
            }
            shownBox->close();
        }
        test::settle();
        if (stays) {
            QCOMPARE(test::shownWindow<Form2>(), form2);
            QCOMPARE(form2->TxtDisplayProphesy->toPlainText(), reading);
            QVERIFY(Form3::loaded());
            QVERIFY(form2->Lbl_Print->isEnabled());
            form2->close();
            test::settle();
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(!watch, 60000);
        QVERIFY(form1.isVisible());
        QVERIFY(form1.CmdPredict->isEnabled());
        QVERIFY(form1.TxtName->text().isEmpty());
        if (pause == QLatin1String("cupsdisable")) {
            // The job waits in the queue. It is cancelled there, so that the
            // last row's job is the one PDF this run leaves to be checked.
            QProcess lpstat;
            lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue_});
            QVERIFY(lpstat.waitForFinished());
            QVERIFY(lpstat.readAllStandardOutput().startsWith(queue_.toUtf8() + '-'));
            QVERIFY(cups(QStringLiteral("cancel"), {QStringLiteral("-a"), queue_}));
        }
    }
};

QTEST_MAIN(TestCups)
#include "tst_cups.moc"
