// The reading assembly without any window: the two heading lines and the
// keys, for ordinary and for absurd entries.
#include "assembly.h"
#include "text.h"

#include <QTest>

#include <climits>

using namespace morvane;

namespace {

BirthEntry entry(int day, int month, const char16_t *monthText, const char16_t *year, const char16_t *name = u"")
{
    BirthEntry e;
    e.name = name;
    e.day = day;
    e.month = month;
    e.dayText = QString::number(day).toStdU16String();
    e.monthText = monthText;
    e.yearText = year;
    return e;
}

}  // namespace

class TestAssembly : public QObject
{
    Q_OBJECT

private slots:
    void workedExample()
    {
        const AssembledReading r = AssembleReading(entry(9, 10, u"ตุลาคม", u"2522"), 7, 12, 2569);
        QCOMPARE(toQString(r.nameLine), QStringLiteral(u"ไม่ระบุชื่อ"));
        QCOMPARE(toQString(r.birthLine), QStringLiteral(u"เกิดวันอังคาร ที่ 9 ตุลาคม พ.ศ. 2522  ราศีตุลย์ ปีมะแม"));
        QCOMPARE(r.weekday, 2);
        QCOMPARE(r.sign, std::optional<int>(10));
        QCOMPARE(r.animal, 2);
        QCOMPARE(r.age, 47);
        QCOMPARE(r.yearPosition, std::optional<int>(1));
        QCOMPARE(AssembleReading(entry(9, 10, u"ตุลาคม", u"2522"), 8, 10, 2569).yearPosition, std::optional<int>(0));
    }

    void namesStayAsTyped()
    {
        QCOMPARE(toQString(AssembleReading(entry(1, 1, u"มกราคม", u"2530", u"   "), 1, 1, 2569).nameLine),
                 QStringLiteral("   "));
        QCOMPARE(toQString(AssembleReading(entry(1, 1, u"มกราคม", u"2530", u"<i>x</i>"), 1, 1, 2569).nameLine),
                 QStringLiteral("<i>x</i>"));
    }

    void yearValues()
    {
        QCOMPARE(YearValue(u"2522"), 2522);
        QCOMPARE(YearValue(u""), 0);
        QCOMPARE(YearValue(u"  2522x"), 2522);
        QCOMPARE(YearValue(u"-12"), -12);
        QCOMPARE(YearValue(u"abc"), 0);
        QCOMPARE(YearValue(u"99999999999999999999"), INT_MAX);
        QCOMPARE(YearValue(u"-99999999999999999999"), INT_MIN);
    }

    void noListSelection()
    {
        // No day or month chosen: no sign, empty names, nothing out of range.
        const AssembledReading r = AssembleReading(entry(0, 0, u"", u""), 7, 12, 2569);
        QCOMPARE(r.sign, std::nullopt);
        QVERIFY(r.yearPosition && *r.yearPosition >= 0 && *r.yearPosition < 8);
        QVERIFY(toQString(r.birthLine).contains(QStringLiteral(u"  ปี")));
    }
};

QTEST_APPLESS_MAIN(TestAssembly)
#include "tst_assembly.moc"
