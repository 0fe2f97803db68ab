#include "assembly.h"

#include "calendar.h"

#include <climits>

namespace morvane {

int YearValue(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;  // already past any int; the clamp below decides
    }
    if (negative)
        value = -value;
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

AssembledReading AssembleReading(const BirthEntry &e, int todayDay, int todayMonth, int todayYearBE)
{
    const int year = YearValue(e.yearText);
    AssembledReading r;
    r.animal = YearAnimal(e.day, e.month, year);
    r.age = AgeOn(e.day, e.month, year, todayDay, todayMonth, todayYearBE);
    r.weekday = DweekNum(e.day, e.month, year);
    r.yearPosition = YearPosition(r.weekday, r.age);
    r.sign = Zodiac(e.month, e.day);

    r.nameLine = e.name.empty() ? std::u16string(u"ไม่ระบุชื่อ") : e.name;
    r.birthLine = u"เกิดวัน";
    r.birthLine += DayOfweek(r.weekday);
    r.birthLine += u" ที่ ";
    r.birthLine += e.dayText;
    r.birthLine += u" ";
    r.birthLine += e.monthText;
    r.birthLine += u" พ.ศ. ";
    r.birthLine += e.yearText;
    r.birthLine += u"  ";
    r.birthLine += ZodiacName(r.sign);
    r.birthLine += u" ปี";
    r.birthLine += YearOfAni(r.animal);
    return r;
}

}  // namespace morvane
