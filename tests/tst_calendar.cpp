// The calendar and sign rules, checked against worked examples and against
// the standard library's own calendar day by day.
#include "calendar.h"
#include "text.h"

#include <QTest>

#include <chrono>
#include <climits>
#include <string>

using namespace morvane;

namespace { }  // namespace

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void leapYears()
    {
        QVERIFY(!IsLeapYear(1900));
        QVERIFY(!IsLeapYear(2100));
        QVERIFY(IsLeapYear(2000));
        QVERIFY(IsLeapYear(1996));
        QVERIFY(!IsLeapYear(1999));
        QVERIFY(IsLeapYear(0));
        QVERIFY(IsLeapYear(-4));
        QVERIFY(!IsLeapYear(-100));
    }

    void workedWeekdays()
    {
        QCOMPARE(DweekNum(9, 10, 2522), 2);  // Tuesday
        QCOMPARE(DweekNum(29, 2, 2543), 2);  // Tuesday
        QCOMPARE(DweekNum(1, 3, 2543), 3);   // Wednesday
        QCOMPARE(DweekNum(28, 2, 2443), 3);  // 1900 has no 29 February
        QCOMPARE(DweekNum(1, 3, 2443), 4);
        QCOMPARE(DweekNum(1, 1, 2490), 3);   // the earliest year offered
        QCOMPARE(DweekNum(1, 1, 2442), 0);   // 1 January 1899, a Sunday
        QCOMPARE(DweekNum(7, 12, 2569), 1);  // Monday 7 December 2026
        QCOMPARE(DweekNum(3, 1, 2569), 6);   // Saturday 3 January 2026
    }

    void everyDayMatchesTheGregorianCalendar()
    {
        using namespace std::chrono;
        int checked = 0;
        for (sys_days d = year{1899} / January / 1; d <= year{2100} / December / 31; d += days{1}) {
            const year_month_day ymd{d};
            const int day = static_cast<int>(static_cast<unsigned>(ymd.day()));
            const int month = static_cast<int>(static_cast<unsigned>(ymd.month()));
            const int yearBE = static_cast<int>(ymd.year()) + 543;
            const int expected = static_cast<int>(weekday{d}.c_encoding());
            if (DweekNum(day, month, yearBE) != expected)
                QFAIL(qPrintable(QStringLiteral("%1-%2-%3 BE").arg(day).arg(month).arg(yearBE)));
            ++checked;
        }
        QCOMPARE(checked, 202 * 365 + 49);  // BE 2442 to BE 2643, 49 leap days
    }

    void daysPastTheMonthCountOn()
    {
        QCOMPARE(DweekNum(31, 4, 2569), DweekNum(1, 5, 2569));
        QCOMPARE(DweekNum(0, 1, 2569), DweekNum(31, 12, 2568));
        QCOMPARE(DweekNum(1, 13, 2569), DweekNum(1, 1, 2570));
        QCOMPARE(DweekNum(1, 0, 2569), DweekNum(1, 12, 2568));
        // Before the 1899 anchor the proleptic calendar still holds:
        // 14 September 1752 was a Thursday.
        QCOMPARE(DweekNum(14, 9, 1752 + 543), 4);
    }

    void anyIntegerGivesAWeekday()
    {
        const int extremes[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, 543, INT_MAX - 1, INT_MAX};
        for (int a : extremes)
            for (int b : extremes)
                for (int c : extremes) {
                    const int w = DweekNum(a, b, c);
                    QVERIFY(w >= 0 && w <= 6);
                }
    }

    void names()
    {
        QCOMPARE(toQString(DayOfweek(0)), QStringLiteral(u"อาทิตย์"));
        QCOMPARE(toQString(DayOfweek(4)), QStringLiteral(u"พฤหัสบดี"));
        QCOMPARE(toQString(DayOfweek(6)), QStringLiteral(u"เสาร์"));
        QVERIFY(DayOfweek(7).empty());
        QVERIFY(DayOfweek(-1).empty());
        QVERIFY(DayOfweek(INT_MIN).empty());
        QCOMPARE(toQString(MonthName(1)), QStringLiteral(u"มกราคม"));
        QCOMPARE(toQString(MonthName(2)), QStringLiteral(u"กุมภาพันธ์"));
        QCOMPARE(toQString(MonthName(10)), QStringLiteral(u"ตุลาคม"));
        QCOMPARE(toQString(MonthName(12)), QStringLiteral(u"ธันวาคม"));
        QVERIFY(MonthName(0).empty());
        QVERIFY(MonthName(13).empty());
        QVERIFY(MonthName(INT_MIN).empty());
        QCOMPARE(toQString(ZodiacName(10)), QStringLiteral(u"ราศีตุลย์"));
        QCOMPARE(toQString(ZodiacName(1)), QStringLiteral(u"ราศีมังกร"));
        QCOMPARE(toQString(ZodiacName(12)), QStringLiteral(u"ราศีธนู"));
        QVERIFY(ZodiacName(std::nullopt).empty());
        QVERIFY(ZodiacName(0).empty());
        QVERIFY(ZodiacName(13).empty());
        QVERIFY(ZodiacName(INT_MIN).empty());
        QCOMPARE(toQString(YearOfAni(0)), QStringLiteral(u"มะเส็ง"));
        QCOMPARE(toQString(YearOfAni(2)), QStringLiteral(u"มะแม"));
        QCOMPARE(toQString(YearOfAni(11)), QStringLiteral(u"มะโรง"));
        QVERIFY(YearOfAni(12).empty());
        QVERIFY(YearOfAni(-1).empty());
    }

    void monthLengths()
    {
        QCOMPARE(DaysInMonth(2, 2000), 29);
        QCOMPARE(DaysInMonth(2, 1900), 28);
        QCOMPARE(DaysInMonth(2, 1957), 28);
        QCOMPARE(DaysInMonth(2, 1960), 29);
        QCOMPARE(DaysInMonth(4, 2026), 30);
        QCOMPARE(DaysInMonth(10, 0), 31);
        QCOMPARE(DaysInMonth(0, 2026), 0);
        QCOMPARE(DaysInMonth(13, 2026), 0);
    }

    void signsChangeOnThe21st()
    {
        for (int m = 1; m <= 12; ++m) {
            QCOMPARE(Zodiac(m, 1), std::optional<int>(m));
            QCOMPARE(Zodiac(m, 20), std::optional<int>(m));
            QCOMPARE(Zodiac(m, 21), std::optional<int>(m % 12 + 1));
            QCOMPARE(Zodiac(m, 31), std::optional<int>(m % 12 + 1));
        }
        QCOMPARE(Zodiac(3, 20), std::optional<int>(3));   // Pisces
        QCOMPARE(Zodiac(3, 21), std::optional<int>(4));   // Aries
        QCOMPARE(Zodiac(12, 25), std::optional<int>(1));  // Capricorn
        QCOMPARE(Zodiac(2, 29), std::optional<int>(3));   // Pisces
        QCOMPARE(Zodiac(7, 21), std::optional<int>(8));   // Leo from 21 July
        QCOMPARE(Zodiac(0, 5), std::nullopt);
        QCOMPARE(Zodiac(13, 5), std::nullopt);
        QCOMPARE(Zodiac(INT_MIN, INT_MIN), std::nullopt);
        QCOMPARE(Zodiac(12, INT_MAX), std::optional<int>(1));
    }

    void animalsChangeOn13April()
    {
        QCOMPARE(YearAnimal(12, 4, 2520), 11);  // Dragon
        QCOMPARE(YearAnimal(13, 4, 2520), 0);   // Snake
        QCOMPARE(YearAnimal(1, 1, 2522), 1);    // Horse
        QCOMPARE(YearAnimal(9, 10, 2522), 2);   // Goat
        QCOMPARE(YearAnimal(31, 3, 2520), 11);
        QCOMPARE(YearAnimal(31, 12, 2520), 0);
        // New Year's Eve and the next New Year's Day share an animal.
        for (int y = 2490; y <= 2569; ++y) {
            QCOMPARE(YearAnimal(31, 12, y), YearAnimal(1, 1, y + 1));
            QVERIFY(YearAnimal(12, 4, y) != YearAnimal(13, 4, y));
            QCOMPARE(YearAnimal(13, 4, y), (YearAnimal(12, 4, y) + 1) % 12);
        }
        for (int y : {INT_MIN, -1, 0, INT_MAX}) {
            const int a = YearAnimal(1, 1, y);
            QVERIFY(a >= 0 && a <= 11);
        }
    }

    void yearlyCycle()
    {
        const int places[] = {0, 1, 2, 3, 5, 7, 4};
        for (int w = 0; w < 7; ++w)
            QCOMPARE(EveryYearProphesy(w), std::optional<int>(places[w]));
        QCOMPARE(EveryYearProphesy(7), std::nullopt);
        QCOMPARE(EveryYearProphesy(-1), std::nullopt);

        QCOMPARE(YearPosition(2, 47), std::optional<int>(1));
        QCOMPARE(YearPosition(2, 46), std::optional<int>(0));
        QCOMPARE(YearPosition(5, 0), std::optional<int>(7));
        QCOMPARE(YearPosition(5, 1), std::optional<int>(0));
        QCOMPARE(YearPosition(0, -1), std::optional<int>(7));
        QCOMPARE(YearPosition(7, 3), std::nullopt);
        for (int age : {INT_MIN, INT_MIN + 1, -9, INT_MAX - 1, INT_MAX}) {
            const std::optional<int> p = YearPosition(6, age);
            QVERIFY(p && *p >= 0 && *p < 8);
        }
    }

    void ageCountsTheBirthdayItself()
    {
        // Born 9 October BE 2522.
        QCOMPARE(AgeOn(9, 10, 2522, 7, 12, 2569), 47);
        QCOMPARE(AgeOn(9, 10, 2522, 8, 10, 2569), 46);
        QCOMPARE(AgeOn(9, 10, 2522, 9, 10, 2569), 47);
        QCOMPARE(AgeOn(9, 10, 2522, 10, 10, 2569), 47);
        // 29 February: in other years the birthday has passed from 1 March.
        QCOMPARE(AgeOn(29, 2, 2543, 28, 2, 2569), 25);
        QCOMPARE(AgeOn(29, 2, 2543, 1, 3, 2569), 26);
        QCOMPARE(AgeOn(29, 2, 2543, 29, 2, 2567), 24);
        // Born last year, birthday still to come: age 0.
        QCOMPARE(AgeOn(31, 12, 2568, 7, 12, 2569), 0);
        QCOMPARE(AgeOn(1, 1, 2570, 7, 12, 2569), -1);
        QCOMPARE(AgeOn(1, 1, INT_MIN, 1, 1, INT_MAX), INT_MAX);
        QCOMPARE(AgeOn(1, 1, INT_MAX, 1, 1, INT_MIN), INT_MIN);
    }
};

QTEST_APPLESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
