#include "assembly.h"

#include "calendar.h"

namespace morvane {
namespace {

// Unicode's control characters (category Cc) and the two separators that
// end a line or a paragraph.
constexpr bool breaksTheLine(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

}  // namespace

std::u16string OneLine(std::u16string_view text)
{
    std::u16string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        line += breaksTheLine(text[i]) ? u' ' : text[i];
    }
    return line;
}

AssembledReading AssembleReading(const BirthEntry &e, int todayDay, int todayMonth, int todayYearBE)
{
    AssembledReading r;
    r.animal = YearAnimal(e.day, e.month, e.yearBE);
    r.age = AgeOn(e.day, e.month, e.yearBE, todayDay, todayMonth, todayYearBE);
    r.weekday = DweekNum(e.day, e.month, e.yearBE);
    r.yearPosition = YearPosition(r.weekday, r.age);
    r.sign = Zodiac(e.month, e.day);

    r.nameLine = e.name.empty() ? std::u16string(u"ไม่ระบุชื่อ") : OneLine(e.name);
    r.birthLine = u"เกิด";
    r.birthLine += ThaiDate(e.day, e.month, e.yearBE);
    r.birthLine += u"  ";
    r.birthLine += ZodiacName(r.sign);
    r.birthLine += u" ปี";
    r.birthLine += YearOfAni(r.animal);
    return r;
}

}  // namespace morvane
