// The About window: it keeps Form1 disabled while open, closes on any click
// or close route, and lays out its texts line by line.
#include "clock.h"
#include "form1.h"
#include "form4.h"
#include "guitest.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace morvane;

namespace {

QStringList linesOf(const QString &text)
{
    return text.split(QStringLiteral("\n\r"));
}

}  // namespace

class TestForm4 : public QObject
{
    Q_OBJECT

    FixedClock clock_{QDateTime(QDate(2026, 12, 7), QTime(9, 0))};
    std::optional<ScopedClock> scoped_;
    std::unique_ptr<Form1> form1_;

    Form4 *openAbout()
    {
        form1_->Menu_About->trigger();
        Form4 *f = test::shownWindow<Form4>();
        if (f)
            (void)QTest::qWaitForWindowExposed(f);
        return f;
    }

private slots:
    void initTestCase()
    {
        test::setUpApplication();
        scoped_.emplace(clock_);
    }

    void init()
    {
        form1_ = test::shownForm1();
        QVERIFY(form1_);
    }

    void cleanup()
    {
        if (Form4 *f = test::shownWindow<Form4>())
            f->close();
        test::settle();
        form1_.reset();
    }

    void everyCloseRouteEnablesForm1_data()
    {
        QTest::addColumn<QString>("where");
        for (const char *w : {"surface", "Image1", "Label1", "Label2", "Frame1", "Label3", "Label4", "Esc", "close"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }

    void everyCloseRouteEnablesForm1()
    {
        QFETCH(QString, where);
        Form4 *f = openAbout();
        QVERIFY(f);
        QVERIFY(!form1_->isEnabled());
        // Nor can the window manager close it from under the About window.
        QVERIFY(!form1_->close());
        QVERIFY(form1_->isVisible());
        // No control of Form1 takes input meanwhile.
        for (QWidget *w : form1_->findChildren<QWidget *>())
            QVERIFY(!w->isEnabled());

        if (where == QLatin1String("surface"))
            QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(390, 240));
        else if (where == QLatin1String("Esc"))
            QTest::keyClick(f, Qt::Key_Escape);
        else if (where == QLatin1String("close"))
            f->close();
        else
            QTest::mouseClick(f->findChild<QWidget *>(where), Qt::LeftButton, {}, QPoint(3, 3));
        test::settle();
        QVERIFY(!test::shownWindow<Form4>());
        QVERIFY(form1_->isEnabled());
    }

    void opensOverTheInputWindow()
    {
        form1_->move(20, 30);  // away from the middle of the screen
        const Form4 *f = openAbout();
        QCOMPARE(f->frameGeometry().center(), form1_->frameGeometry().center());
    }

    void texts()
    {
        Form4 *f = openAbout();
        QCOMPARE(f->windowTitle(), QStringLiteral(u"เกี่ยวกับโปรแกรม"));
        QCOMPARE(f->size(), QSize(406, 277));
        QCOMPARE(f->Label1->text(), QStringLiteral(u"โปรแกรม ''Morvane'' เวอร์ชั่น 1.0"));
        QCOMPARE(f->Image1->pixmap().size(), QSize(57, 107));
        for (QWidget *w : f->findChildren<QWidget *>())
            if (w->parent() == f || w->parent() == f->Frame1)
                QCOMPARE(w->toolTip(), QStringLiteral(u"คลิ๊กเพื่อปิด"));

        const QStringList l2 = linesOf(Form4::label2Text());
        QCOMPARE(l2.size(), 6);  // five lines, each ended by LF CR
        QCOMPARE(l2[0], QStringLiteral(u"พฤษภาคม  2543"));
        QVERIFY(l2[1].isEmpty());
        QVERIFY(l2[5].isEmpty());
        for (const QString &t : {Form4::label2Text(), Form4::label3Text()})
            QCOMPARE(t.count(u'\n'), t.count(QStringLiteral("\n\r")));

        const QStringList l3 = linesOf(Form4::label3Text());
        QCOMPARE(l3.size(), 6);
        QCOMPARE(l3[0], QString(46, u' ') + QStringLiteral(u"คำแนะนำ"));
        QCOMPARE(l3[1].size(), 64);
        QCOMPARE(l3[2].size(), 65);
        QCOMPARE(l3[3].size(), 65);
        QCOMPARE(l3[4].size(), 36);
        QVERIFY(l3[1].startsWith(QString(7, u' ')) && l3[1][7] != u' ');
        QVERIFY(l3[3].endsWith(u'-'));
        QVERIFY(l3[4][0] != u' ');
        QVERIFY(l3[5].isEmpty());

        // On screen each LF CR is one break: no stray blank line, no CR.
        QCOMPARE(f->Label2->text().split(u'\n'), l2.mid(0, 5));
        QCOMPARE(f->Label3->text().split(u'\n'), l3.mid(0, 5));
        QVERIFY(!f->Label3->text().contains(u'\r'));
        // And every line fits its label.
        for (QLabel *label : {f->Label1, f->Label2, f->Label3, f->Label4}) {
            const QRect need = label->fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), 0, label->text());
            QVERIFY2(
                need.width() <= label->width() && need.height() <= label->height(),
                qPrintable(label->objectName() + QStringLiteral(" needs %1x%2").arg(need.width()).arg(need.height())));
        }
    }

    void secondOpeningShowsTheSameTexts()
    {
        QStringList first;
        Form4 *f = openAbout();
        for (QLabel *l : {f->Label1, f->Label2, f->Label3, f->Label4})
            first.append(l->text());
        f->Form_Click();
        test::settle();
        f = openAbout();
        QStringList second;
        for (QLabel *l : {f->Label1, f->Label2, f->Label3, f->Label4})
            second.append(l->text());
        QCOMPARE(second, first);
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
