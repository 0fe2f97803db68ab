// The input window: start-up, the birth-date lists and the day-list rule,
// the commands, and a system clock that is wrong.
#include "clock.h"
#include "fonts.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "guitest.h"
#include "pictures.h"
#include "prediction.h"
#include "rawpictures.h"
#include "windows.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <QWindow>

using namespace morvane;

namespace {

QDateTime at(int y, int m, int d)
{
    return QDateTime(QDate(y, m, d), QTime(10, 30));
}

QStringList entries(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->itemText(i));
    return out;
}

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out.append(QString::number(i));
    return out;
}

// Picks an entry the way a user does: the list's notifications follow.
void pick(QComboBox *list, const QString &text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

}  // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

    FixedClock clock_{at(2026, 12, 7)};  // a Monday
    std::optional<ScopedClock> scoped_;

private slots:
    void initTestCase()
    {
        test::setUpApplication();
        scoped_.emplace(clock_);
    }

    void init() { clock_.set(at(2026, 12, 7)); }

    void startUp()
    {
        Form1 form;
        QCOMPARE(form.LblDayNow->text(), QStringLiteral(u"วันนี้วันจันทร์ ที่ 7 เดือนธันวาคม พ.ศ. 2569"));
        QCOMPARE(form.CobYear->count(), 79);
        QCOMPARE(form.CobYear->itemText(0), QStringLiteral("2490"));
        QCOMPARE(form.CobYear->itemText(10), QStringLiteral("2500"));
        QCOMPARE(form.CobYear->itemText(78), QStringLiteral("2568"));
        QCOMPARE(form.CobYear->findText(QStringLiteral("2569")), -1);
        QCOMPARE(entries(form.CobDay), numbers(1, 31));
        QCOMPARE(entries(form.CobMonth),
                 (QStringList{u"มกราคม"_qs, u"กุมภาพันธ์"_qs, u"มีนาคม"_qs, u"เมษายน"_qs, u"พฤษภาคม"_qs, u"มิถุนายน"_qs,
                              u"กรกฎาคม"_qs, u"สิงหาคม"_qs, u"กันยายน"_qs, u"ตุลาคม"_qs, u"พฤศจิกายน"_qs, u"ธันวาคม"_qs}));
        QCOMPARE(form.CobDay->currentText(), QStringLiteral("9"));
        QCOMPARE(form.CobMonth->currentText(), QStringLiteral(u"ตุลาคม"));
        QCOMPARE(form.CobYear->currentText(), QStringLiteral("2522"));
        QVERIFY(form.TxtName->text().isEmpty());
        QVERIFY(!form.clockLooksWrong());
        for (QComboBox *list : {form.CobDay, form.CobMonth, form.CobYear})
            QVERIFY(!list->isEditable());
    }

    void theIconComesAfterTheFirstPaint()
    {
        auto form1 = test::shownForm1();
        QVERIFY(form1);
        QTRY_VERIFY(!form1->windowIcon().isNull());
        QCOMPARE(form1->windowIcon().availableSizes().size(), 7);  // 16 to 256 pixels
        // Every window opened from then on carries it.
        const qint64 icon = form1->windowIcon().cacheKey();
        form1->Menu_About->trigger();
        QCOMPARE(test::shownWindow<Form4>()->windowIcon().cacheKey(), icon);
        test::shownWindow<Form4>()->close();
        QMessageBox *box = messageBox(nullptr, QMessageBox::Information, QStringLiteral("Box"), QString(), QString());
        QCOMPARE(box->windowIcon().cacheKey(), icon);
        delete box;
        QTRY_VERIFY(test::spareForm2());
        QCOMPARE(test::spareForm2()->windowIcon().cacheKey(), icon);
    }

    void todayLineOfOtherDates()
    {
        clock_.set(at(2026, 1, 3));
        Form1 form;
        QCOMPARE(form.LblDayNow->text(), QStringLiteral(u"วันนี้วันเสาร์ ที่ 3 เดือนมกราคม พ.ศ. 2569"));
        QCOMPARE(form.CobYear->itemText(form.CobYear->count() - 1), QStringLiteral("2568"));
    }

    // A screen reader names each box and list by the label over it; F10
    // opens the menu on its first item, and its items have their keys.
    void keyboardAndScreenReader()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const std::pair<QLabel *, QWidget *> labelled[] = {{form.Label1, form.TxtName},
                                                           {form.Label2, form.CobDay},
                                                           {form.Label4, form.CobMonth},
                                                           {form.Label5, form.CobYear}};
        for (const auto &[label, control] : labelled) {
            QCOMPARE(label->buddy(), control);
            QCOMPARE(control->accessibleName(), label->text());
        }
        QVERIFY(!form.CmdPredict->accessibleDescription().isEmpty());
        QCOMPARE(form.Menu_About->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(form.Menu_End->shortcut(), QKeySequence(QKeySequence::Quit));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QTRY_VERIFY(form.Help->isVisible());
        QCOMPARE(form.Help->activeAction(), form.Menu_About);
        form.Help->close();
    }

    void focusAndTabOrder()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.CobDay);
        const QList<QWidget *> order
            = {form.CobMonth, form.CobYear, form.CmdPredict, form.CmdExit, form.TxtName, form.CobDay};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void layout()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Morvane"));
        QCOMPARE(form.centralWidget()->size(), QSize(464, 334));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.Image1->geometry(), QRect(48, 0, 373, 121));
        QCOMPARE(form.TxtName->geometry(), QRect(120, 160, 225, 25));
        QCOMPARE(form.CobDay->geometry(), QRect(88, 208, 73, 22));
        QCOMPARE(form.CmdPredict->geometry(), QRect(120, 264, 113, 41));
        QCOMPARE(form.CmdExit->geometry(), QRect(232, 264, 113, 41));
        QCOMPARE(form.centralWidget()->palette().color(QPalette::Window), QColor(255, 192, 255));
        QCOMPARE(form.LblDayNow->palette().color(QPalette::WindowText), QColor(128, 0, 128));
        QVERIFY(form.LblDayNow->font().italic());
        QCOMPARE(form.CmdPredict->palette().color(QPalette::Button), QColor(255, 255, 192));
        QCOMPARE(form.CmdExit->palette().color(QPalette::Button), QColor(192, 255, 192));
        QCOMPARE(form.CmdPredict->toolTip(), QStringLiteral("Prophesy"));
        QCOMPARE(form.CmdExit->toolTip(), QStringLiteral("Exit"));
        QCOMPARE(form.CmdPredict->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(form.CmdPredict->cursor().hotSpot(), QPoint(3, 0));
        QCOMPARE(form.Help->title(), QStringLiteral(u"เกี่ยวกับโปรแกรม"));
        QCOMPARE(form.Menu_About->text(), QStringLiteral(u"เกี่ยวกับ.."));
        QCOMPARE(form.Menu_End->text(), QStringLiteral(u"จบโปรแกรม"));
        QCOMPARE(form.TxtName->font().family(), resolveFamily(kBrowallia).family);
        QVERIFY(!form.Image1->pixmap().isNull());
        QCOMPARE(form.Image1->pixmap().size(), QSize(373, 121));
        // Labels are opaque in the window's colour: the today line covers
        // the banner's foot.
        for (QLabel *label : {form.LblDayNow, form.Label1, form.Label2, form.Label4, form.Label5}) {
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 192, 255));
        }
    }

    // The pictures compiled in as pixels show what their PNGs hold.
    void startUpPictures_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < kRawPictureCount; ++i)
            QTest::newRow(kRawPictures[i].name) << static_cast<int>(i);
    }

    void startUpPictures()
    {
        QFETCH(int, index);
        const RawPicture &raw = kRawPictures[index];
        const QImage compiled(reinterpret_cast<const uchar *>(raw.pixels), raw.width, raw.height, raw.width * 4,
                              raw.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        QImage png(QStringLiteral(MORVANE_ASSETS_DIR "/%1.png").arg(QLatin1String(raw.name)));
        QVERIFY(!png.isNull());
        png.setDevicePixelRatio(1);  // Qt reads a ratio of 2 from "@2x" in the name
        QCOMPARE(compiled, png.convertToFormat(compiled.format()));
        if (QLatin1String(raw.name) == QLatin1String("banner@2x")) {
            QImage shown = banner(2).toImage();
            QCOMPARE(shown.devicePixelRatio(), 2.0);
            shown.setDevicePixelRatio(1);
            QCOMPARE(shown, compiled);
        }
    }

    void thaiTextsFitTheirControls()
    {
        // Marks above and below the line must not be clipped: the inked
        // extent of every caption fits its control.
        Form1 form;
        for (QLabel *label : {form.Label1, form.Label2, form.Label4, form.Label5, form.LblDayNow}) {
            const QRect ink = QFontMetrics(label->font()).boundingRect(label->text());
            QVERIFY2(ink.width() <= label->width() && ink.height() <= label->height(), qPrintable(label->objectName()));
        }
        // The longest today line of all.
        const QRect longest = QFontMetrics(form.LblDayNow->font())
                                  .boundingRect(QStringLiteral(u"วันนี้วันพฤหัสบดี ที่ 30 เดือนพฤศจิกายน พ.ศ. 2569"));
        QVERIFY(longest.width() <= form.LblDayNow->width());
        for (QPushButton *b : {form.CmdPredict, form.CmdExit}) {
            const QRect ink = QFontMetrics(b->font()).boundingRect(b->text());
            QVERIFY2(ink.width() + 8 <= b->width() && ink.height() <= b->height(), qPrintable(b->objectName()));
        }
        const QRect name = QFontMetrics(form.TxtName->font()).boundingRect(QStringLiteral(u"ญาณิฐ์ชญ์ ปุ๋ยฤทธิ์"));
        QVERIFY(name.height() <= form.TxtName->height());
    }

    void dayListFollowsMonthAndYear()
    {
        Form1 form;
        pick(form.CobDay, QStringLiteral("31"));
        pick(form.CobMonth, QStringLiteral(u"มกราคม"));
        QCOMPARE(form.CobDay->currentText(), QStringLiteral("31"));
        pick(form.CobMonth, QStringLiteral(u"เมษายน"));
        QCOMPARE(entries(form.CobDay), numbers(1, 30));
        QCOMPARE(form.CobDay->currentText(), QStringLiteral("30"));

        // 2543 is CE 2000, a leap year under the 400-year rule.
        pick(form.CobYear, QStringLiteral("2543"));
        pick(form.CobMonth, QStringLiteral(u"กุมภาพันธ์"));
        QCOMPARE(entries(form.CobDay), numbers(1, 29));
        QCOMPARE(form.CobDay->currentText(), QStringLiteral("29"));
        pick(form.CobYear, QStringLiteral("2544"));
        QCOMPARE(entries(form.CobDay), numbers(1, 28));
        QCOMPARE(form.CobDay->currentText(), QStringLiteral("28"));

        pick(form.CobDay, QStringLiteral("15"));
        for (const QString &year : {u"2500"_qs, u"2503"_qs, u"2542"_qs}) {
            pick(form.CobYear, year);
            for (int m = 0; m < 12; ++m) {
                pick(form.CobMonth, form.CobMonth->itemText(m));
                QCOMPARE(form.CobDay->currentText(), QStringLiteral("15"));
            }
        }
        pick(form.CobMonth, QStringLiteral(u"กุมภาพันธ์"));
        pick(form.CobYear, QStringLiteral("2500"));  // CE 1957
        QCOMPARE(form.CobDay->count(), 28);
        pick(form.CobYear, QStringLiteral("2503"));  // CE 1960
        QCOMPARE(form.CobDay->count(), 29);
        pick(form.CobYear, QStringLiteral("2542"));
        QCOMPARE(form.CobDay->count(), 28);
    }

    void refillWithoutADayKeepsNone()
    {
        Form1 form;
        form.CobDay->setCurrentIndex(-1);
        form.ChangeDay(2);
        QCOMPARE(form.CobDay->count(), 28);
        QCOMPARE(form.CobDay->currentIndex(), -1);
        QVERIFY(form.CobDay->currentText().isEmpty());
    }

    void oddClocks_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("warned");
        QTest::newRow("1980, the first year with 2522") << at(1980, 1, 1) << "2490"
                                                        << "2522"
                                                        << "2522" << false;
        QTest::newRow("1979") << at(1979, 6, 1) << "2490"
                              << "2521"
                              << "2521" << true;
        QTest::newRow("1958") << at(1958, 6, 1) << "2490"
                              << "2500"
                              << "2500" << true;
        QTest::newRow("1950") << at(1950, 6, 1) << "2490"
                              << "2492"
                              << "2492" << true;
        QTest::newRow("1900") << at(1900, 6, 1) << "2442"
                              << "2442"
                              << "2442" << true;
        QTest::newRow("year 1") << at(1, 1, 1) << "543"
                                << "543"
                                << "543" << true;
        QTest::newRow("year 20000") << at(20000, 1, 1) << "2490"
                                    << "10541"
                                    << "2522" << true;
        QTest::newRow("no date") << QDateTime() << "542"
                                 << "542"
                                 << "542" << true;
    }

    void oddClocks()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, selected);
        QFETCH(bool, warned);
        clock_.set(now);
        Form1 form;
        QCOMPARE(form.CobYear->itemText(0), first);
        QCOMPARE(form.CobYear->itemText(form.CobYear->count() - 1), last);
        QCOMPARE(form.CobYear->currentText(), selected);
        QCOMPARE(form.CobDay->currentText(), QStringLiteral("9"));
        QCOMPARE(form.clockLooksWrong(), warned);
        form.show();
        QTRY_COMPARE(form.findChild<QMessageBox *>(QStringLiteral("ClockWarning")) != nullptr, warned);
        if (warned)
            form.findChild<QMessageBox *>(QStringLiteral("ClockWarning"))->close();
    }

    void noOfferedYearGivesANegativeAge()
    {
        for (int y : {1900, 1947, 1948, 1957, 1958, 1979, 2026}) {
            const QList<int> years = Form1::offeredYears(y);
            QVERIFY(!years.isEmpty());
            QVERIFY2(years.last() <= y + 543 - 1, qPrintable(QString::number(y)));
        }
    }

    void predictDisablesAndOpens()
    {
        Form1 form;
        int opened = 0;
        BirthEntry asked;
        connect(&form, &Form1::predictRequested, this, [&](const BirthEntry &entry) {
            ++opened;
            asked = entry;
            QVERIFY(!form.CmdPredict->isEnabled());
            QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
        });
        form.TxtName->setText(QStringLiteral(u"  สมชาย "));
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(form.CmdPredict, Qt::LeftButton);
        QCOMPARE(opened, 1);
        // The click gave the button the focus; disabled, it hands it to the
        // name box, never on to the exit button.
        QCOMPARE(QApplication::focusWidget(), form.TxtName);
        // The entry as the lists show it, the name untrimmed.
        QCOMPARE(QString::fromStdU16String(asked.name), QStringLiteral(u"  สมชาย "));
        QCOMPARE(asked.day, 9);
        QCOMPARE(asked.month, 10);
        QCOMPARE(asked.yearBE, 2522);
        QTest::mouseClick(form.CmdPredict, Qt::LeftButton);
        QCOMPARE(opened, 1);  // disabled until the result window gives it back
    }

    void theKeyboard_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("predictions");
        QTest::addColumn<bool>("stillOpen");
        const int enter = Qt::Key_Return, keypad = Qt::Key_Enter, pad = Qt::KeypadModifier;
        QTest::newRow("Enter in the name box") << "TxtName" << enter << 0 << 1 << true;
        QTest::newRow("keypad Enter in the name box") << "TxtName" << keypad << pad << 1 << true;
        QTest::newRow("Enter on ทำนาย") << "CmdPredict" << enter << 0 << 1 << true;
        QTest::newRow("keypad Enter on ทำนาย") << "CmdPredict" << keypad << pad << 1 << true;
        QTest::newRow("Space on ทำนาย") << "CmdPredict" << int(Qt::Key_Space) << 0 << 1 << true;
        QTest::newRow("Enter on a list") << "CobMonth" << enter << 0 << 0 << true;
        QTest::newRow("Enter on ออกจากโปรแกรม") << "CmdExit" << enter << 0 << 0 << false;
    }

    void theKeyboard()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, predictions);
        QFETCH(bool, stillOpen);
        Form1 form;
        int predicted = 0;
        connect(&form, &Form1::predictRequested, this, [&] { ++predicted; });
        form.TxtName->setText(QStringLiteral(u"สมชาย ใจดี"));
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *target = form.findChild<QWidget *>(control);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(predicted, predictions);
        QCOMPARE(form.isVisible(), stillOpen);
        QCOMPARE(form.TxtName->text(), QStringLiteral(u"สมชาย ใจดี"));
    }

    void aFocusedButtonShowsIt()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (QPushButton *button : {form.CmdPredict, form.CmdExit}) {
            form.TxtName->setFocus();
            const QImage plain = button->grab().toImage();
            // Focused by a click, as after a prediction, not only by Tab.
            button->setFocus(Qt::MouseFocusReason);
            QVERIFY(button->hasFocus());
            QVERIFY2(button->grab().toImage() != plain, qPrintable(button->objectName()));
        }
    }

    void longNamesAreTakenWholeOrRefused()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QClipboard *clipboard = QGuiApplication::clipboard();
        // Qt's own limit of 32,767 characters would have cut this one.
        clipboard->setText(QString(40000, u'ก'));
        form.TxtName->paste();
        QCOMPARE(form.TxtName->text(), QString(40000, u'ก'));
        QVERIFY(!QToolTip::isVisible());
        // Past 100,000 a paste is refused whole, and the box says why.
        clipboard->setText(QString(60001, u'ข'));
        form.TxtName->paste();
        QCOMPARE(form.TxtName->text(), QString(40000, u'ก'));
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(QStringLiteral(u"ไม่เกิน 100,000 ตัวอักษร")));
        clipboard->setText(QString(60000, u'ข'));
        form.TxtName->paste();
        QCOMPARE(form.TxtName->text().size(), 100000);
        QCOMPARE(QString::fromStdU16String(form.birthEntry().name).size(), 100000);
    }

    void aPastedNameIsOneLine_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("name");
        QTest::newRow("CR LF at the end") << u"สมชาย ใจดี\r\n"_qs << u"สมชาย ใจดี "_qs;
        QTest::newRow("LF") << u"สมชาย\nใจดี"_qs << u"สมชาย ใจดี"_qs;
        QTest::newRow("CR") << u"สมชาย\rใจดี"_qs << u"สมชาย ใจดี"_qs;
        QTest::newRow("tab") << u"สมชาย\tใจดี"_qs << u"สมชาย ใจดี"_qs;
        QTest::newRow("line separator") << u"สมชาย\u2028ใจดี"_qs << u"สมชาย ใจดี"_qs;
    }

    void aPastedNameIsOneLine()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, name);
        Form1 form;
        QGuiApplication::clipboard()->setText(pasted);
        form.TxtName->paste();
        QCOMPARE(QString::fromStdU16String(MakePrediction(form.birthEntry(), Moment{}).assembled.nameLine), name);
    }

    void exitAndEndCloseTheWindow()
    {
        for (int route = 0; route < 2; ++route) {
            Form1 form;
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            if (route == 0)
                QTest::mouseClick(form.CmdExit, Qt::LeftButton);
            else
                form.Menu_End->trigger();
            QVERIFY(!form.isVisible());
        }
    }

    // However the window system comes to maximize a window of fixed size
    // (Qt's own title bar offers it on Wayland), the window asks to be
    // normal again and is held to its size once more.
    void fixedWindowsStayAtTheirSize_data()
    {
        QTest::addColumn<QString>("which");
        for (const char *w : {"input", "About", "message box", "sheet"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }

    void fixedWindowsStayAtTheirSize()
    {
        QFETCH(QString, which);
        const std::unique_ptr<Form1> form1 = test::shownForm1();
        QVERIFY(form1);
        QWidget *window = form1.get();
        if (which == u"About") {
            form1->Menu_About->trigger();
            window = test::shownWindow<Form4>();
        } else if (which == u"message box") {
            QMessageBox *box = messageBox(form1.get(), QMessageBox::Information, QStringLiteral("Box"),
                                          QStringLiteral(u"ทดสอบ"), QStringLiteral(u"ทดสอบ"));
            box->addButton(QMessageBox::Ok);
            box->open();
            window = box;
        } else if (which == u"sheet") {
            form1->CmdPredict->click();
            window = test::shownWindow<Form2>();
        }
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        const QSize size = window->size();
        QCOMPARE(window->minimumSize(), size);
        window->windowHandle()->setWindowStates(Qt::WindowMaximized);
        QTRY_COMPARE(window->windowHandle()->windowStates(), Qt::WindowStates(Qt::WindowNoState));
        QTRY_COMPARE(window->maximumSize(), size);
        QCOMPARE(window->minimumSize(), size);
        QCOMPARE(window->size(), size);
        QVERIFY(window->updatesEnabled());
        if (window != form1.get())
            window->close();
        test::settle();
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
