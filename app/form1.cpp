#include "form1.h"

#include "calendar.h"
#include "clock.h"
#include "design.h"
#include "fonts.h"
#include "pictures.h"
#include "text.h"
#include "twips.h"
#include "windows.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

namespace morvane {
namespace {

using design::kExitFace;
using design::kPredictFace;
using design::kTodayText;

constexpr int kDefaultDay = 9;
constexpr int kDefaultMonth = 10;  // ตุลาคม
constexpr int kDefaultYearBE = 2522;
constexpr int kFirstOfferedYearBE = 2490;
// Four-digit CE years are all the program's dates are written for; a clock
// beyond them is wrong, and the year list stops there.
constexpr int kLastCeYear = 9999;
// The longest name the name box takes. A name is free text and prints whole
// over as many pages as it needs; past this length the box itself grows
// slow to type in.
constexpr int kNameMaxLength = 100000;

// Refuses an edit that would make the name longer than the box takes, as a
// whole: a paste is never cut short without a word.
class NameLength : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return input.size() > kNameMaxLength ? Invalid : Acceptable;
    }
};

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    // Opaque in the window's colour: the today line covers the banner's foot.
    label->setAutoFillBackground(true);
    return label;
}

QComboBox *makeList(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    return list;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                        const QColor &face, const design::Face &font, const QString &tip)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(resolveFont(font));
    QPalette p = button->palette();
    p.setColor(QPalette::Button, face);
    button->setPalette(p);
    button->setToolTip(tip);
    button->setCursor(pointingHand());
    // Enter presses a focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

}  // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    buildWindow();
    Form_Load();
}

void Form1::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvane"));
    // A fixed-size window: the title bar offers no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(px(design::kForm1Client.width()), px(design::kForm1Client.height()));
    QPalette p = client->palette();
    p.setColor(QPalette::Window, design::kForm1Back);
    client->setPalette(p);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    Image1 = new PictureLabel(&banner, client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(design::kForm1Banner));

    LblDayNow = makeLabel(client, "LblDayNow", QString(), twipsRect(design::kForm1Today));
    LblDayNow->setFont(resolveFont(design::kForm1TodayFace));
    QPalette today = LblDayNow->palette();
    today.setColor(QPalette::WindowText, kTodayText);
    LblDayNow->setPalette(today);

    Label1 = makeLabel(client, "Label1", QStringLiteral(u"กรุณาระบุชื่อ - สกุล"), twipsRect(design::kForm1NameLabel));

    TxtName = new QLineEdit(client);
    TxtName->setObjectName(QStringLiteral("TxtName"));
    TxtName->setGeometry(twipsRect(design::kForm1Name));
    TxtName->setFont(resolveFont(design::kForm1NameFace));
    // Qt's own limit of 32,767 characters would cut a long paste silently;
    // the validator refuses it whole instead, and the box says why. The one
    // character over the limit lets the validator, not Qt's cut, decide.
    TxtName->setMaxLength(kNameMaxLength + 1);
    TxtName->setValidator(new NameLength(TxtName));

    Label2 = makeLabel(client, "Label2", QStringLiteral(u"วันเกิด"), twipsRect(design::kForm1DayLabel));
    Label4 = makeLabel(client, "Label4", QStringLiteral(u"เดือนเกิด"), twipsRect(design::kForm1MonthLabel));
    Label5 = makeLabel(client, "Label5", QStringLiteral(u"ปีเกิด"), twipsRect(design::kForm1YearLabel));

    CobDay = makeList(client, "CobDay", twipsRect(design::kForm1Day));
    CobMonth = makeList(client, "CobMonth", twipsRect(design::kForm1Month));
    CobYear = makeList(client, "CobYear", twipsRect(design::kForm1Year));

    CmdPredict = makeButton(client, "CmdPredict", QStringLiteral(u"ทำนาย"), twipsRect(design::kForm1Predict),
                            kPredictFace, design::kForm1PredictFace, QStringLiteral("Prophesy"));
    CmdExit = makeButton(client, "CmdExit", QStringLiteral(u"ออกจากโปรแกรม"), twipsRect(design::kForm1Exit), kExitFace,
                         design::kForm1ExitFace, QStringLiteral("Exit"));

    // Tab order: day, month, year, predict, exit, name.
    setTabOrder(CobDay, CobMonth);
    setTabOrder(CobMonth, CobYear);
    setTabOrder(CobYear, CmdPredict);
    setTabOrder(CmdPredict, CmdExit);
    setTabOrder(CmdExit, TxtName);
    CmdPredict->setFocusPolicy(Qt::StrongFocus);
    CmdExit->setFocusPolicy(Qt::StrongFocus);

    Help = menuBar()->addMenu(QStringLiteral(u"เกี่ยวกับโปรแกรม"));
    Help->setObjectName(QStringLiteral("Help"));
    Menu_About = Help->addAction(QStringLiteral(u"เกี่ยวกับ.."));
    Menu_About->setObjectName(QStringLiteral("Menu_About"));
    Menu_End = Help->addAction(QStringLiteral(u"จบโปรแกรม"));
    Menu_End->setObjectName(QStringLiteral("Menu_End"));
    // The keyboard reaches the menu as on GNOME and KDE: F10 opens it on
    // its first item, and each item has the usual key of its kind.
    Menu_About->setShortcut(QKeySequence(Qt::Key_F1));
    Menu_End->setShortcut(QKeySequence::Quit);
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        menuBar()->setActiveAction(Help->menuAction());
        Help->setActiveAction(Menu_About);
    });

    // What a screen reader says: each box and list by the label over it,
    // and in Thai where the tooltips are English.
    const std::pair<QLabel *, QWidget *> labelled[]
        = {{Label1, TxtName}, {Label2, CobDay}, {Label4, CobMonth}, {Label5, CobYear}};
    for (const auto &[label, control] : labelled) {
        label->setBuddy(control);
        control->setAccessibleName(label->text());
    }
    CmdPredict->setAccessibleDescription(QStringLiteral(u"ดูคำทำนายจากชื่อและวันเกิดที่เลือก"));
    CmdExit->setAccessibleDescription(QStringLiteral(u"ปิดโปรแกรม (Ctrl+Q)"));

    connect(CmdPredict, &QPushButton::clicked, this, &Form1::CmdPredict_Click);
    // Enter in the name box predicts (a disabled button ignores the click).
    connect(TxtName, &QLineEdit::returnPressed, CmdPredict, &QPushButton::click);
    connect(TxtName, &QLineEdit::inputRejected, this, &Form1::nameTooLong);
    connect(CmdExit, &QPushButton::clicked, this, &Form1::CmdExit_Click);
    connect(Menu_End, &QAction::triggered, this, &Form1::Menu_End_Click);
    connect(Menu_About, &QAction::triggered, this, &Form1::Menu_About_Click);
    connect(CobMonth, &QComboBox::currentTextChanged, this, &Form1::CobMonth_Change);
    connect(CobMonth, &QComboBox::activated, this, &Form1::CobMonth_Click);
    connect(CobYear, &QComboBox::currentTextChanged, this, &Form1::CobYear_Change);
    connect(CobYear, &QComboBox::activated, this, &Form1::CobYear_Click);

    // A fixed size: the client area plus whatever the menu bar needs.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    CobDay->setFocus();
}

QList<int> Form1::offeredYears(int todayCeYear)
{
    const long long lastBE = static_cast<long long>(qMin(todayCeYear, kLastCeYear)) + kBuddhistEraOffset - 1;
    QList<int> years;
    if (lastBE < kFirstOfferedYearBE) {
        // A clock before CE 1948: the usual list would hold only future
        // years, so offer the one year that gives no negative age.
        years.append(static_cast<int>(lastBE));
        return years;
    }
    for (long long y = kFirstOfferedYearBE; y <= lastBE; ++y)
        years.append(static_cast<int>(y));
    return years;
}

void Form1::Form_Load()
{
    const QDate today = clock().now().date();
    const int d = today.day();
    const int m = today.month();
    const int y = today.year();
    const int Y = BuddhistYear(y);

    LblDayNow->setText(QStringLiteral(u"วันนี้") + toQString(ThaiDate(d, m, Y, MonthWord::Written)));

    {
        // Appending must not select anything; the selection comes next.
        const QSignalBlocker quiet(CobMonth);
        QStringList months;
        for (int i = 1; i <= 12; ++i)
            months.append(toQString(MonthName(i)));
        CobMonth->addItems(months);
        CobMonth->setCurrentIndex(-1);
    }
    selectText(CobMonth, toQString(MonthName(kDefaultMonth)));
    CobMonth_Change();

    const QList<int> years = offeredYears(y);
    {
        const QSignalBlocker quiet(CobYear);
        QStringList texts;
        texts.reserve(years.size());
        for (int year : years)
            texts.append(QString::number(year));
        CobYear->addItems(texts);
        CobYear->setCurrentIndex(-1);
    }
    selectText(CobDay, QString::number(kDefaultDay));

    // The default year is missing only when the clock is before CE 1980 (or
    // absurdly late); take the offered year nearest to it instead.
    if (!selectText(CobYear, QString::number(kDefaultYearBE))) {
        const int nearest = kDefaultYearBE < years.first() ? years.first() : years.last();
        selectText(CobYear, QString::number(nearest));
    }
    clockLooksWrong_ = !today.isValid() || y < 1980 || y > kLastCeYear;
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    centreOnScreen(*this, screen());
    if (clockLooksWrong_)
        QTimer::singleShot(0, this, &Form1::warnAboutClock);
}

void Form1::warnAboutClock()
{
    const QDate today = clock().now().date();
    const QString what = today.isValid()
                             ? QStringLiteral(u"วันที่ในเครื่องคอมพิวเตอร์ (%1) อาจไม่ถูกต้อง")
                                   .arg(toQString(ThaiDate(today.day(), today.month(), BuddhistYear(today.year()))))
                             : QStringLiteral(u"อ่านวันที่ของเครื่องไม่ได้");
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Morvane"), what, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("ClockWarning"));
    box->setInformativeText(
        QStringLiteral(u"โปรแกรมใช้วันที่ของเครื่องเพื่อคำนวณอายุ เลือกคำทำนายรายปี และสร้างรายการปีเกิด หากวันที่ผิด ผลจะคลาดเคลื่อน "
                       u"กรุณาตั้งวันที่ให้ถูกต้อง แล้วเปิดโปรแกรมอีกครั้ง"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Form1::CobMonth_Change()
{
    for (counter_ = 1; counter_ <= 12; ++counter_) {
        if (toQString(MonthName(counter_)) == CobMonth->currentText())
            ChangeDay(counter_);
    }
}

void Form1::CobMonth_Click()
{
    CobMonth_Change();
}

void Form1::CobYear_Change()
{
    CobMonth_Change();
}

void Form1::CobYear_Click()
{
    CobMonth_Change();
}

void Form1::ChangeDay(qint16 month)
{
    const int yearBE = CobYear->currentText().toInt();  // empty text gives 0
    const int n = DaysInMonth(month, static_cast<long long>(yearBE) - kBuddhistEraOffset);
    const int d = CobDay->currentIndex() + 1;
    const int t = d > n ? n : d;

    const QSignalBlocker quiet(CobDay);
    CobDay->clear();
    QStringList days;
    for (counter_ = 1; counter_ <= n; ++counter_)
        days.append(QString::number(counter_));
    CobDay->addItems(days);  // one insertion into the model, not n
    // Appending into an empty list selects its first entry; undo that so a
    // list that had no day keeps none.
    CobDay->setCurrentIndex(-1);
    if (t != 0)
        selectText(CobDay, QString::number(t));
}

BirthEntry Form1::birthEntry() const
{
    BirthEntry entry;
    entry.name = TxtName->text().toStdU16String();
    entry.day = CobDay->currentIndex() + 1;
    entry.month = CobMonth->currentIndex() + 1;
    entry.yearBE = CobYear->currentText().toInt();  // empty text gives 0
    return entry;
}

void Form1::CmdPredict_Click()
{
    // Disabling the focused button would hand the focus on to the exit
    // button, where the next space typed would end the program.
    TxtName->setFocus(Qt::OtherFocusReason);
    CmdPredict->setEnabled(false);
    setCursor(Qt::WaitCursor);
    emit predictRequested(birthEntry());
}

void Form1::resultClosed()
{
    show();
    TxtName->setText(QString());
    CmdPredict->setEnabled(true);
    unsetCursor();
    // Ready for the next name: the window in front, typing into the name box.
    TxtName->setFocus(Qt::OtherFocusReason);
    raise();
    activateWindow();
}

void Form1::nameTooLong()
{
    QToolTip::showText(TxtName->mapToGlobal(QPoint(0, TxtName->height())),
                       QStringLiteral(u"ชื่อยาวได้ไม่เกิน %1 ตัวอักษร จึงไม่ได้ใส่ข้อความที่เพิ่งวางหรือพิมพ์ลงในช่องชื่อ")
                           .arg(QLocale().toString(kNameMaxLength)),
                       TxtName);
}

void Form1::CmdExit_Click()
{
    Menu_End_Click();
}

void Form1::Menu_End_Click()
{
    close();
}

void Form1::Menu_About_Click()
{
    emit aboutRequested();
}

bool selectText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

}  // namespace morvane
