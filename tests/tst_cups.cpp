// Prints a real prediction through the system's default printer. Run by
// cups_print.sh, which sets up a PDF queue of its own as that default; on
// its own this program prints nothing.
#include "clock.h"
#include "form1.h"
#include "form2.h"
#include "guitest.h"
#include "printer.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>

using namespace morvane;

class TestCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!qEnvironmentVariableIsSet("MORVANE_CUPS_QUEUE"))
            QSKIP("run through cups_print.sh, which sets up its own printer");
        test::setUpApplication();
    }

    void printsOnTheDefaultPrinter()
    {
        const QString queue = qEnvironmentVariable("MORVANE_CUPS_QUEUE");
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), queue);

        const std::unique_ptr<Form1> shown = test::shownForm1();
        QVERIFY(shown);
        Form1 &form1 = *shown;
        form1.TxtName->setText(QStringLiteral(u"ทดสอบ เครื่องพิมพ์"));
        QTest::mouseClick(form1.CmdPredict, Qt::LeftButton);
        Form2 *form2 = test::shownWindow<Form2>();
        QVERIFY(form2);
        QPointer<Form2> watch(form2);
        QTest::mouseClick(form2->Lbl_Print, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!watch);
        QVERIFY(form1.isVisible());
        QVERIFY(form1.CmdPredict->isEnabled());
        QVERIFY(form1.TxtName->text().isEmpty());
    }
};

QTEST_MAIN(TestCups)
#include "tst_cups.moc"
