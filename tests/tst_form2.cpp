// The result window: the reading assembled from Form1's lists, the torn
// outline, dragging, the command colours and every way of closing.
#include "calendar.h"
#include "clock.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "guitest.h"
#include "outline.h"
#include "printer.h"
#include "text.h"
#include "writeprophesy.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace morvane;

namespace {

QColor textColour(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

// A mouse event delivered to a control the way a captured pointer's are:
// to the control, at a position relative to it, wherever the pointer is.
void send(QWidget *control, QEvent::Type type, QPoint globalPos, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF local = globalPos - control->mapToGlobal(QPoint(0, 0));
    QMouseEvent event(type, local, QPointF(globalPos), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

// How many pixels of a window's area the region holds that are reached
// from the window's middle through neighbours sharing an edge.
qsizetype joinedToTheMiddle(const QRegion &region, QSize size)
{
    const QRect window(QPoint(), size);
    QList<QPoint> todo{window.center()};
    QSet<QPoint> reached(todo.begin(), todo.end());
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            if (const QPoint q = p + step; window.contains(q) && region.contains(q) && !reached.contains(q)) {
                reached.insert(q);
                todo.append(q);
            }
    }
    return reached.size();
}

// Takes the report and puts nothing on paper.
class NoPaper : public PrintDevice
{
public:
    bool begin() override { return true; }
    void setFontName(const QString &) override { }
    void setFontSize(qreal) override { }
    void setCurrentX(float) override { }
    float textWidth(const QString &) override { return 0; }
    void print(const QString &) override { }
    bool endDoc() override { return true; }
};

}  // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

    FixedClock clock_{QDateTime(QDate(2026, 12, 7), QTime(9, 0))};
    std::optional<ScopedClock> scoped_;
    std::unique_ptr<Form1> form1_;

    void choose(int day, const QString &month, int year)
    {
        selectText(form1_->CobYear, QString::number(year));
        selectText(form1_->CobMonth, month);
        selectText(form1_->CobDay, QString::number(day));
    }

    Form2 *predict()
    {
        QTest::mouseClick(form1_->CmdPredict, Qt::LeftButton);
        Form2 *f = test::shownWindow<Form2>();
        return f;
    }

private slots:
    void initTestCase()
    {
        test::setUpApplication();
        scoped_.emplace(clock_);
        // No test may reach the machine's own printer.
        defaultPrinter() = [] {
            PrinterLookup found;
            found.device = std::make_unique<NoPaper>();
            return found;
        };
    }

    void init()
    {
        clock_.set(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        form1_ = test::shownForm1();
        QVERIFY(form1_);
    }

    void cleanup()
    {
        if (Form2 *f = test::shownWindow<Form2>())
            f->close();
        test::settle();
        form1_.reset();
    }

    void defaultPrediction()
    {
        Form2 *f = predict();
        QVERIFY(f);
        QVERIFY(!form1_->isVisible());
        QCOMPARE(f->DisplayName->text(), QStringLiteral(u"ไม่ระบุชื่อ"));
        QCOMPARE(f->DisplayBirthday->text(), QStringLiteral(u"เกิดวันอังคาร ที่ 9 ตุลาคม พ.ศ. 2522  ราศีตุลย์ ปีมะแม"));
        // Tuesday (2), Libra (10), Goat (2), age 47: position (2 + 47) mod 8 = 1.
        const ProphesyTexts t = WriteProphesy(2, 10, 2, 1);
        QCOMPARE(f->TxtDisplayProphesy->text(), toQString(t.display));
        QVERIFY(Form3::loaded());
        QVERIFY(!Form3::instance().isVisible());
        QCOMPARE(Form3::instance().PrintPro->text(), toQString(t.printPro));
        QCOMPARE(Form3::instance().PrintEveryYNow->text(), toQString(t.printNow));
        QCOMPARE(Form3::instance().PrintEveryYNext->text(), toQString(t.printNext));
        // The box shows each CR LF as one break: one block a line, no blank doubles.
        QCOMPARE(f->TxtDisplayProphesy->document()->blockCount(), 14);
    }

    void yearPosition_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("position");
        const QString oct = QStringLiteral(u"ตุลาคม");
        const QString feb = QStringLiteral(u"กุมภาพันธ์");
        QTest::newRow("birthday today") << QDate(2026, 10, 9) << 9 << oct << 2522 << 1;
        QTest::newRow("the day before") << QDate(2026, 10, 8) << 9 << oct << 2522 << 0;
        // Born Tuesday 29 February 2543: the birthday has passed from 1 March.
        QTest::newRow("28 February") << QDate(2026, 2, 28) << 29 << feb << 2543 << (2 + 25) % 8;
        QTest::newRow("1 March") << QDate(2026, 3, 1) << 29 << feb << 2543 << (2 + 26) % 8;
        // Born Wednesday 31 December 2568, the youngest year offered: age 0.
        QTest::newRow("youngest") << QDate(2026, 12, 7) << 31 << QStringLiteral(u"ธันวาคม") << 2568 << 3;
    }

    void yearPosition()
    {
        QFETCH(QDate, today);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(int, position);
        clock_.set(QDateTime(today, QTime(12, 0)));
        choose(day, month, year);
        QVERIFY(predict());
        const ProphesyTexts t = WriteProphesy(0, 1, 0, position);
        QCOMPARE(Form3::instance().PrintEveryYNow->text(), toQString(t.printNow));
        QCOMPARE(Form3::instance().PrintEveryYNext->text(), toQString(t.printNext));
    }

    void signsAndAnimalsInTheBirthLine()
    {
        choose(12, QStringLiteral(u"เมษายน"), 2520);
        QVERIFY(predict()->DisplayBirthday->text().endsWith(QStringLiteral(u"ราศีเมษ ปีมะโรง")));
        test::shownWindow<Form2>()->Lbl_Close_Click();
        test::settle();
        choose(13, QStringLiteral(u"เมษายน"), 2520);
        QVERIFY(predict()->DisplayBirthday->text().endsWith(QStringLiteral(u"ราศีเมษ ปีมะเส็ง")));
        test::shownWindow<Form2>()->Lbl_Close_Click();
        test::settle();
        choose(20, QStringLiteral(u"มีนาคม"), 2530);
        QCOMPARE(predict()->DisplayBirthday->text(), QStringLiteral(u"เกิดวันศุกร์ ที่ 20 มีนาคม พ.ศ. 2530  ราศีมีน ปีขาล"));
        test::shownWindow<Form2>()->Lbl_Close_Click();
        test::settle();
        choose(21, QStringLiteral(u"มีนาคม"), 2530);
        QCOMPARE(predict()->DisplayBirthday->text(), QStringLiteral(u"เกิดวันเสาร์ ที่ 21 มีนาคม พ.ศ. 2530  ราศีเมษ ปีขาล"));
    }

    void namesAreShownAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("   ");
        QTest::newRow("markup") << QStringLiteral("<b>สมชาย</b> &amp; <img src=x>");
        QTest::newRow("emoji") << QStringLiteral(u"มะลิ 🌸💕");
        QTest::newRow("30000 characters") << QString(30000, u'ก');
    }

    void namesAreShownAsTyped()
    {
        QFETCH(QString, name);
        form1_->TxtName->setText(name);
        Form2 *f = predict();
        QVERIFY(f);
        QCOMPARE(f->DisplayName->text(), name);
        QCOMPARE(f->DisplayName->textFormat(), Qt::PlainText);
        QVERIFY(!f->grab().isNull());  // paints without trouble, however long
    }

    void outline()
    {
        // Checked against the table read as geometry, not through QRegion's
        // own ellipses: a pixel whose centre lies well inside a bite is cut
        // away, one well clear of every bite (and off the top row and left
        // column) is kept. Pixels on a bite's rim are the rasteriser's call.
        const QRegion r = windowOutline();
        // Whether a point lies in a shape grown (or shrunk) by `margin` pixels;
        // 1.5 pixels covers how far a rasterised ellipse strays from the true one.
        const auto within = [](const OutlineShape &s, double x, double y, double margin) {
            if (s.kind == OutlineShape::Rectangle)
                return x >= s.left - margin && x < s.right + margin && y >= s.top - margin && y < s.bottom + margin;
            const double rx = (s.right - s.left) / 2.0 + margin, ry = (s.bottom - s.top) / 2.0 + margin;
            if (rx <= 0 || ry <= 0)
                return false;
            const double dx = (x - (s.left + s.right) / 2.0) / rx, dy = (y - (s.top + s.bottom) / 2.0) / ry;
            return dx * dx + dy * dy < 1;
        };
        int cut = 0, checked = 0;
        for (int y = 0; y < 475; ++y)
            for (int x = 0; x < 569; ++x) {
                const double cx = x + 0.5, cy = y + 0.5;
                bool deepIn = x == 0 || y == 0, near = deepIn;
                for (const OutlineShape &s : kOutlineShapes) {
                    deepIn = deepIn || within(s, cx, cy, -1.5);
                    near = near || within(s, cx, cy, 1.5);
                }
                cut += !r.contains(QPoint(x, y));
                if (deepIn || !near) {
                    ++checked;
                    if (r.contains(QPoint(x, y)) != !near)
                        QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                }
            }
        QVERIFY(checked > 569 * 475 * 9 / 10);
        QCOMPARE(cut, 35455);  // what the desktop shows through at 1x

        // One piece: no pixel stands apart from the sheet.
        QCOMPARE(joinedToTheMiddle(r, QSize(569, 475)), 569 * 475 - cut);

        // The controls lie wholly on the sheet.
        Form2 *f = predict();
        for (QWidget *w : {static_cast<QWidget *>(f->DisplayName), static_cast<QWidget *>(f->DisplayBirthday),
                           static_cast<QWidget *>(f->TxtDisplayProphesy), static_cast<QWidget *>(f->Lbl_Print),
                           static_cast<QWidget *>(f->Lbl_Close)})
            QVERIFY2(QRegion(w->geometry()).subtracted(r).isEmpty(), qPrintable(w->objectName()));
        QCOMPARE(f->mask(), r);
        // Nothing is painted outside the outline either: where the window
        // system takes the mask only for the mouse (Wayland), the desktop
        // shows through there.
        const QImage shown = f->grab().toImage();
        int clear = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const bool transparent = qAlpha(shown.pixel(x, y)) == 0;
                clear += transparent;
                QVERIFY(transparent != r.contains(QPoint(x, y)));
            }
        QCOMPARE(clear, 35455);
        QCOMPARE(f->size(), QSize(569, 475));
        QVERIFY(f->windowFlags() & Qt::FramelessWindowHint);
    }

    // A screen too small for the sheet gets the whole sheet smaller: every
    // control, face and bite of the outline at one scale, the window one
    // piece within the screen's free area.
    void aScreenTooSmallForTheSheet_data()
    {
        QTest::addColumn<QSize>("freeArea");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("1024x600 at 1.5") << QSize(683, 400) << 400 / 475.0;
        QTest::newRow("narrow") << QSize(500, 900) << 500 / 569.0;
        QTest::newRow("800x600") << QSize(800, 600) << 1.0;
    }

    void aScreenTooSmallForTheSheet()
    {
        QFETCH(QSize, freeArea);
        QFETCH(qreal, scale);
        QCOMPARE(Form2::scaleFor(freeArea), scale);
        Form2 f(scale);
        const QSize size = f.size();
        QVERIFY(size.width() <= freeArea.width() && size.height() <= freeArea.height());
        QVERIFY(qAbs(size.width() - 569 * scale) <= 1 && qAbs(size.height() - 475 * scale) <= 1);
        const QRegion outline = f.mask();
        qsizetype inside = 0;
        for (const QRect &r : outline &QRect(QPoint(), size))
            inside += qsizetype(r.width()) * r.height();
        QCOMPARE(joinedToTheMiddle(outline, size), inside);
        // About the share of the window cut away at 1x, 35,455 pixels.
        QVERIFY(qAbs(1 - inside / (569 * 475 - 35455.0) / (scale * scale)) < 0.02);
        for (QWidget *w : {static_cast<QWidget *>(f.DisplayName), static_cast<QWidget *>(f.DisplayBirthday),
                           static_cast<QWidget *>(f.TxtDisplayProphesy), static_cast<QWidget *>(f.Lbl_Print),
                           static_cast<QWidget *>(f.Lbl_Close)})
            QVERIFY2(QRegion(w->geometry()).subtracted(outline).isEmpty(), qPrintable(w->objectName()));
        QCOMPARE(f.Lbl_Print->font().pointSizeF(), Form2().Lbl_Print->font().pointSizeF() * scale);
    }

    void dragging()
    {
        Form2 *f = predict();
        const QPoint start = f->pos();
        const QPoint press = f->Image1->mapToGlobal(QPoint(200, 300));
        send(f->Image1, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(f->Dragging);
        QCOMPARE(f->Image1->cursor().shape(), Qt::BitmapCursor);
        // 300 twips right and 150 down: 20 and 10 pixels.
        send(f->Image1, QEvent::MouseMove, press + QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(f->pos(), start + QPoint(20, 10));
        send(f->Image1, QEvent::MouseButtonRelease, press + QPoint(20, 10), Qt::LeftButton, Qt::NoButton);
        QVERIFY(!f->Dragging);
        QCOMPARE(f->Image1->cursor().shape(), Qt::ArrowCursor);
        send(f->Image1, QEvent::MouseMove, press + QPoint(80, 80), Qt::NoButton, Qt::NoButton);
        QCOMPARE(f->pos(), start + QPoint(20, 10));

        // The right button shows the grab hand but drags nothing.
        const QPoint at = f->DisplayName->mapToGlobal(QPoint(10, 10));
        send(f->DisplayName, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        QCOMPARE(f->DisplayName->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!f->Dragging);
        send(f->DisplayName, QEvent::MouseMove, at + QPoint(30, 30), Qt::NoButton, Qt::RightButton);
        QCOMPARE(f->pos(), start + QPoint(20, 10));
        send(f->DisplayName, QEvent::MouseButtonRelease, at + QPoint(30, 30), Qt::RightButton, Qt::NoButton);
        QCOMPARE(f->DisplayName->cursor().shape(), Qt::ArrowCursor);

        // A drag on the birth line goes on while the pointer is off the label.
        const QPoint b = f->DisplayBirthday->mapToGlobal(QPoint(5, 5));
        const QPoint before = f->pos();
        send(f->DisplayBirthday, QEvent::MouseButtonPress, b, Qt::LeftButton, Qt::LeftButton);
        send(f->DisplayBirthday, QEvent::MouseMove, b + QPoint(0, 60), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(f->pos(), before + QPoint(0, 60));
        send(f->DisplayBirthday, QEvent::MouseMove, b + QPoint(-40, 70), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(f->pos(), before + QPoint(-40, 70));
        send(f->DisplayBirthday, QEvent::MouseButtonRelease, b + QPoint(-40, 70), Qt::LeftButton, Qt::NoButton);
        QVERIFY(!f->Dragging);

        // A press on the reading box starts nothing.
        QTest::mousePress(f->TxtDisplayProphesy->viewport(), Qt::LeftButton);
        QVERIFY(!f->Dragging);
        QTest::mouseRelease(f->TxtDisplayProphesy->viewport(), Qt::LeftButton);
    }

    void hoverColours()
    {
        Form2 *f = predict();
        const QColor red(255, 0, 0), green(0, 255, 0);
        QCOMPARE(textColour(f->Lbl_Print), red);
        QCOMPARE(textColour(f->Lbl_Close), red);
        QTest::mouseMove(f->Lbl_Print);
        QCOMPARE(textColour(f->Lbl_Print), green);
        QCOMPARE(textColour(f->Lbl_Close), red);
        QTest::mouseMove(f->DisplayName);  // heading lines change nothing
        QCOMPARE(textColour(f->Lbl_Print), green);
        QTest::mouseMove(f->Image1, QPoint(250, 420));
        QCOMPARE(textColour(f->Lbl_Print), red);
        QTest::mouseMove(f->Lbl_Close);
        QCOMPARE(textColour(f->Lbl_Close), green);
        QTest::mouseMove(f->TxtDisplayProphesy->viewport());
        QCOMPARE(textColour(f->Lbl_Close), red);
        // Straight out of the window from a command: no move on the sheet
        // comes between.
        QTest::mouseMove(f->Lbl_Print);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(f, &leave);
        QCOMPARE(textColour(f->Lbl_Print), red);
        QCOMPARE(f->Lbl_Close->cursor().hotSpot(), QPoint(3, 0));
        QCOMPARE(f->Lbl_Print->toolTip(), QStringLiteral("Print"));
        QCOMPARE(f->DisplayName->toolTip(), QStringLiteral("Your name"));
    }

    void closingRestoresForm1_data()
    {
        QTest::addColumn<int>("route");
        QTest::newRow("ปิด") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("window manager") << 2;
        QTest::newRow("พิมพ์") << 3;
        QTest::newRow("Ctrl+P") << 4;
        QTest::newRow("ปิด pressed by a screen reader") << 5;
        QTest::newRow("พิมพ์ pressed by a screen reader") << 6;
    }

    void closingRestoresForm1()
    {
        QFETCH(int, route);
        form1_->TxtName->setText(QStringLiteral(u"สมหญิง"));
        choose(15, QStringLiteral(u"มิถุนายน"), 2535);
        Form2 *f = predict();
        QVERIFY(f);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QVERIFY(!form1_->CmdPredict->isEnabled());
        QCOMPARE(form1_->cursor().shape(), Qt::WaitCursor);
        if (route == 0)
            QTest::mouseClick(f->Lbl_Close, Qt::LeftButton);
        else if (route == 1)
            QTest::keyClick(f->TxtDisplayProphesy, Qt::Key_Escape);
        else if (route == 2)
            f->close();
        else if (route == 3)
            QTest::mouseClick(f->Lbl_Print, Qt::LeftButton);
        else if (route == 4)
            QTest::keyClick(f->TxtDisplayProphesy, Qt::Key_P, Qt::ControlModifier);
        else {
            // A button to assistive technology, though no focus stop.
            QAccessibleInterface *command
                = QAccessible::queryAccessibleInterface(route == 5 ? f->Lbl_Close : f->Lbl_Print);
            QCOMPARE(command->role(), QAccessible::Button);
            QCOMPARE(command->text(QAccessible::Name), route == 5 ? QStringLiteral(u"ปิด") : QStringLiteral(u"พิมพ์"));
            QVERIFY(!command->state().focusable);
            command->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QTRY_VERIFY(!test::shownWindow<Form2>());
        test::settle();
        QVERIFY(!Form3::loaded());
        QVERIFY(form1_->isVisible());
        QVERIFY(form1_->TxtName->text().isEmpty());
        QVERIFY(form1_->CmdPredict->isEnabled());
        QCOMPARE(form1_->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(form1_->CobDay->currentText(), QStringLiteral("15"));
        QCOMPARE(form1_->CobMonth->currentText(), QStringLiteral(u"มิถุนายน"));
        QCOMPARE(form1_->CobYear->currentText(), QStringLiteral("2535"));
        // Typing goes on in the emptied name box, never into the exit button.
        QTRY_VERIFY(form1_->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), form1_->TxtName);
    }

    void hundredRoundsLeaveNothingBehind()
    {
        test::settle();
        const qsizetype windows = test::topLevelWindows();
        for (int i = 0; i < 100; ++i) {
            Form2 *f = predict();
            QVERIFY(f);
            f->Lbl_Close_Click();
            test::settle();
        }
        QCOMPARE(test::topLevelWindows(), windows);
        QVERIFY(!Form3::loaded());
        QVERIFY(form1_->isVisible());
    }

    // The result window built ahead waits unseen with its outline cut and
    // its native window made; the click shows that very window with the
    // reading of the entry given at the click, and once closed it is gone
    // and another waits in its place.
    void theNextResultWindowWaitsUnseen()
    {
        QTRY_VERIFY(test::spareForm2());
        const QPointer<Form2> spare = test::spareForm2();
        QVERIFY(spare->windowHandle());
        QCOMPARE(spare->mask(), windowOutline());
        form1_->TxtName->setText(QStringLiteral(u"มาลัย"));
        Form2 *f = predict();
        QCOMPARE(f, spare.data());
        QCOMPARE(f->DisplayName->text(), QStringLiteral(u"มาลัย"));
        QCOMPARE(f->DisplayBirthday->text(), QStringLiteral(u"เกิดวันอังคาร ที่ 9 ตุลาคม พ.ศ. 2522  ราศีตุลย์ ปีมะแม"));
        f->Lbl_Close_Click();
        test::settle();
        QVERIFY(!spare);
        QTRY_VERIFY(test::spareForm2());
        QCOMPARE(test::topLevelWindows(), QApplication::topLevelWidgets().size() - 1);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
