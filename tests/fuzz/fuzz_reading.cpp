// Any integers and any UTF-16 text through the engine, the reading assembly
// and WriteProphesy: nothing may crash, overflow or leave its range.
#include "assembly.h"
#include "calendar.h"
#include "prediction.h"
#include "readings.h"
#include "writeprophesy.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

using namespace morvane;

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

std::u16string text(FuzzedDataProvider &in, std::size_t most)
{
    std::u16string s;
    const std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, most);
    for (std::size_t i = 0; i < n && in.remaining_bytes() >= 2; ++i)
        s += static_cast<char16_t>(in.ConsumeIntegral<std::uint16_t>());
    return s;
}

std::optional<int> maybe(FuzzedDataProvider &in)
{
    if (in.ConsumeBool())
        return std::nullopt;
    return in.ConsumeIntegral<int>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const int a = in.ConsumeIntegral<int>();
    const int b = in.ConsumeIntegral<int>();
    const int c = in.ConsumeIntegral<int>();

    const int w = DweekNum(a, b, c);
    check(w >= 0 && w <= 6);
    check(DayOfweek(a).size() <= 8 && MonthName(a).size() <= 10);
    if (const std::optional<int> s = Zodiac(a, b))
        check(*s >= 1 && *s <= 12 && !ZodiacName(s).empty());
    const int animal = YearAnimal(a, b, c);
    check(animal >= 0 && animal <= 11 && !YearOfAni(animal).empty());
    (void)EveryYearProphesy(a);
    const int age = AgeOn(a, b, c, in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>());
    if (const std::optional<int> p = YearPosition(a, age))
        check(*p >= 0 && *p <= 7);
    (void)DaysInMonth(a, c);
    (void)IsLeapYear(in.ConsumeIntegral<long long>());

    BirthEntry e;
    e.day = in.ConsumeIntegral<int>();
    e.month = in.ConsumeIntegral<int>();
    e.yearBE = in.ConsumeIntegral<int>();
    e.name = text(in, 4096);
    const Moment now{a, b, c, in.ConsumeIntegral<int>(), 0, 0};
    const Prediction p = MakePrediction(e, now);
    const AssembledReading &r = p.assembled;
    check(e.name.empty() ? r.nameLine == u"ไม่ระบุชื่อ" : r.nameLine == OneLine(e.name));
    for (char16_t ch : r.nameLine)
        check(ch >= 0x20 && ch != 0x2028 && ch != 0x2029 && (ch < 0x7f || ch > 0x9f));
    check(r.weekday >= 0 && r.weekday <= 6);
    check(!ThaiDate(a, b, c).empty());

    const ProphesyTexts &t = p.texts;
    check(!t.display.empty() && !t.printPro.empty());
    const ProphesyTexts u = WriteProphesy(maybe(in), maybe(in), maybe(in), maybe(in));
    check(u.display.find(u"ข้อแนะนำ :") != std::u16string::npos);
    return 0;
}
