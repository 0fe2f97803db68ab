// Form1: the input window and the start-up object of the program.
//
// It collects a name and a birth date (day, month and Buddhist-era year, each
// picked from a fixed list), shows today's date, and starts a prediction. The
// day list always offers exactly the days of the chosen month and year.
#pragma once

#include "assembly.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace morvane {

class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // Refills the day list for a month number (1 = January .. 12), keeping
    // the chosen day, or the month's last day when the old one is past it.
    void ChangeDay(qint16 month);

    // Handlers, public so the other windows and tests drive them as a click would.
    void CmdPredict_Click();
    void CmdExit_Click();
    void Menu_End_Click();
    void Menu_About_Click();
    void CobMonth_Change();
    void CobMonth_Click();
    void CobYear_Change();
    void CobYear_Click();

    // What the lists and the name box hold, as the reading assembly takes it;
    // the name as one line.
    BirthEntry birthEntry() const;

    // The result window has gone: back to ready, with an empty name box and
    // the birth date as it was chosen.
    void resultClosed();

    // The years the year list offers for a given today (CE year): 2490 up to
    // the Buddhist-era year before today's, never a year that would give a
    // negative age.
    static QList<int> offeredYears(int todayCeYear);

    // True when the system date is too odd for the lists to be complete.
    bool clockLooksWrong() const { return clockLooksWrong_; }

    QLabel *Image1 = nullptr;
    QLabel *LblDayNow = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *TxtName = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QComboBox *CobDay = nullptr;
    QComboBox *CobMonth = nullptr;
    QComboBox *CobYear = nullptr;
    QPushButton *CmdPredict = nullptr;
    QPushButton *CmdExit = nullptr;
    QMenu *Help = nullptr;
    QAction *Menu_About = nullptr;
    QAction *Menu_End = nullptr;

signals:
    // The predict command has disabled itself; the result window is wanted
    // for this entry.
    void predictRequested(const morvane::BirthEntry &entry);
    // The About window is wanted.
    void aboutRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildWindow();
    void Form_Load();
    void warnAboutClock();
    // An edit would have made the name longer than the box takes.
    void nameTooLong();

    // Shared by the month search and the day-list refill: the search stops
    // because the refill leaves it past 12.
    qint16 counter_ = 0;
    bool shownOnce_ = false;
    bool clockLooksWrong_ = false;
};

// Selects the entry of a list whose text is exactly `text`; false if none.
bool selectText(QComboBox *list, const QString &text);

}  // namespace morvane
