// The reading assembly without any window: the two heading lines and the
// keys, for ordinary and for absurd entries, and the dates as written.
#include "assembly.h"
#include "calendar.h"
#include "prediction.h"
#include "text.h"

#include <QTest>

#include <climits>

using namespace morvane;

namespace {

BirthEntry entry(int day, int month, int yearBE, const char16_t *name = u"")
{
    return {name, day, month, yearBE};
}

}  // namespace

class TestAssembly : public QObject
{
    Q_OBJECT

private slots:
    void workedExample()
    {
        const AssembledReading r = AssembleReading(entry(9, 10, 2522), 7, 12, 2569);
        QCOMPARE(toQString(r.nameLine), QStringLiteral(u"ไม่ระบุชื่อ"));
        QCOMPARE(toQString(r.birthLine), QStringLiteral(u"เกิดวันอังคาร ที่ 9 ตุลาคม พ.ศ. 2522  ราศีตุลย์ ปีมะแม"));
        QCOMPARE(r.weekday, 2);
        QCOMPARE(r.sign, std::optional<int>(10));
        QCOMPARE(r.animal, 2);
        QCOMPARE(r.age, 47);
        QCOMPARE(r.yearPosition, std::optional<int>(1));
        QCOMPARE(AssembleReading(entry(9, 10, 2522), 8, 10, 2569).yearPosition, std::optional<int>(0));
    }

    void namesStayAsTyped()
    {
        QCOMPARE(toQString(AssembleReading(entry(1, 1, 2530, u"   "), 1, 1, 2569).nameLine), QStringLiteral("   "));
        QCOMPARE(toQString(AssembleReading(entry(1, 1, 2530, u"<i>x</i>"), 1, 1, 2569).nameLine),
                 QStringLiteral("<i>x</i>"));
    }

    void datesAsWritten()
    {
        QCOMPARE(toQString(ThaiDate(3, 1, 2569)), QStringLiteral(u"วันเสาร์ ที่ 3 มกราคม พ.ศ. 2569"));
        QCOMPARE(toQString(ThaiDate(7, 12, 2569, MonthWord::Written)),
                 QStringLiteral(u"วันจันทร์ ที่ 7 เดือนธันวาคม พ.ศ. 2569"));
        QCOMPARE(toQString(ThaiDate(INT_MIN, 0, INT_MIN)).endsWith(QStringLiteral(u"-2147483648")), true);
        QCOMPARE(BuddhistYear(2026), 2569);
        QCOMPARE(BuddhistYear(LLONG_MAX - 1), INT_MAX);
    }

    void thePredictionIsMadeOnceFromTheEntryAndTheMoment()
    {
        const Prediction p = MakePrediction(entry(9, 10, 2522, u"สมชาย"), {2026, 12, 7, 9, 5, 0});
        QCOMPARE(toQString(p.assembled.nameLine), QStringLiteral(u"สมชาย"));
        QCOMPARE(p.assembled.yearPosition, std::optional<int>(1));
        QCOMPARE(p.texts.display, WriteProphesy(2, 10, 2, 1).display);
        QCOMPARE(p.moment.hour, 9);
        QCOMPARE(MakePrediction(entry(9, 10, 2522), {INT_MAX, 12, 7}).entry.yearBE, 2522);
    }

    void noListSelection()
    {
        // No day or month chosen: no sign, empty names, nothing out of range.
        const AssembledReading r = AssembleReading(entry(0, 0, 0), 7, 12, 2569);
        QCOMPARE(r.sign, std::nullopt);
        QVERIFY(r.yearPosition && *r.yearPosition >= 0 && *r.yearPosition < 8);
        QVERIFY(toQString(r.birthLine).contains(QStringLiteral(u"  ปี")));
    }
};

QTEST_APPLESS_MAIN(TestAssembly)
#include "tst_assembly.moc"
