#include "calendar.h"

#include <array>
#include <climits>

namespace morvane {
namespace {

// Mathematical modulo: the result has the sign of m, so negative years and
// ages land inside the table instead of before it.
constexpr long long floorMod(long long a, long long m)
{
    const long long r = a % m;
    return r < 0 ? r + m : r;
}

constexpr long long floorDiv(long long a, long long m)
{
    return (a - floorMod(a, m)) / m;
}

// Days from 1 January CE 1970 to 1 January of a CE year, counting leap days
// in whole 400-year eras (146097 days) so it holds for any year.
constexpr long long daysBeforeYear(long long y)
{
    const long long py = y - 1;
    return 365 * (y - 1970) + floorDiv(py, 4) - floorDiv(py, 100) + floorDiv(py, 400)
           - (492 - 19 + 4);  // the same three counts for 1969: 492, 19, 4
}

static_assert(daysBeforeYear(1970) == 0);
static_assert(daysBeforeYear(1971) == 365);
static_assert(daysBeforeYear(1973) == 3 * 365 + 1);

constexpr std::array<int, 12> kMonthLength = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr std::array<int, 13> kDaysBeforeMonth = [] {
    std::array<int, 13> a{};
    for (int m = 0; m < 12; ++m)
        a[m + 1] = a[m] + kMonthLength[m];
    return a;
}();
static_assert(kDaysBeforeMonth[12] == 365);

// 1 January 1970 was a Thursday.
constexpr int kWeekdayOfEpoch = 4;

// clang-format off
constexpr std::array<std::u16string_view, 7> kDayNames = {
    u"อาทิตย์", u"จันทร์", u"อังคาร", u"พุธ", u"พฤหัสบดี", u"ศุกร์", u"เสาร์",
};

constexpr std::array<std::u16string_view, 12> kMonthNames = {
    u"มกราคม", u"กุมภาพันธ์", u"มีนาคม", u"เมษายน", u"พฤษภาคม", u"มิถุนายน",
    u"กรกฎาคม", u"สิงหาคม", u"กันยายน", u"ตุลาคม", u"พฤศจิกายน", u"ธันวาคม",
};

constexpr std::array<std::u16string_view, 12> kZodiacNames = {
    u"ราศีมังกร", u"ราศีกุมภ์", u"ราศีมีน", u"ราศีเมษ", u"ราศีพฤษภ", u"ราศีเมถุน",
    u"ราศีกรกฎ", u"ราศีสิงห์", u"ราศีกันย์", u"ราศีตุลย์", u"ราศีพิจิก", u"ราศีธนู",
};

constexpr std::array<std::u16string_view, 12> kAnimalNames = {
    u"มะเส็ง", u"มะเมีย", u"มะแม", u"วอก", u"ระกา", u"จอ",
    u"กุน", u"ชวด", u"ฉลู", u"ขาล", u"เถาะ", u"มะโรง",
};
// clang-format on

// Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday. The cycle
// itself runs Sun, Mon, Tue, Wed, Sat, Thu, (an empty place), Fri.
constexpr std::array<int, 7> kCyclePlace = {0, 1, 2, 3, 5, 7, 4};

std::u16string decimal(long long n)
{
    std::u16string digits;
    const bool negative = n < 0;
    unsigned long long u = negative ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + u % 10));
        u /= 10;
    } while (u != 0);
    if (negative)
        digits.insert(digits.begin(), u'-');
    return digits;
}

template <std::size_t N>
std::u16string_view lookup(const std::array<std::u16string_view, N> &table, long long index)
{
    return index >= 0 && index < static_cast<long long>(N) ? table[static_cast<std::size_t>(index)]
                                                           : std::u16string_view{};
}

}  // namespace

bool IsLeapYear(long long y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int month, long long ceYear)
{
    if (month < 1 || month > 12)
        return 0;
    return kMonthLength[month - 1] + (month == 2 && IsLeapYear(ceYear) ? 1 : 0);
}

int DweekNum(int day, int month, int yearBE)
{
    // Months outside 1..12 carry into neighbouring years, so any month is a
    // valid offset from January of the given year.
    const long long m0 = static_cast<long long>(month) - 1;
    const long long y = static_cast<long long>(yearBE) - kBuddhistEraOffset + floorDiv(m0, 12);
    const int m = static_cast<int>(floorMod(m0, 12));  // 0 = January
    long long days = daysBeforeYear(y) + kDaysBeforeMonth[m];
    if (m > 1 && IsLeapYear(y))
        ++days;
    days += static_cast<long long>(day) - 1;
    return static_cast<int>(floorMod(days + kWeekdayOfEpoch, 7));
}

std::u16string ThaiDate(int day, int month, int yearBE, MonthWord monthWord)
{
    std::u16string date = u"วัน";
    date += DayOfweek(DweekNum(day, month, yearBE));
    date += u" ที่ ";
    date += decimal(day);
    date += monthWord == MonthWord::Written ? u" เดือน" : u" ";
    date += MonthName(month);
    date += u" พ.ศ. ";
    date += decimal(yearBE);
    return date;
}

std::u16string_view DayOfweek(int weekday)
{
    return lookup(kDayNames, weekday);
}

std::u16string_view MonthName(int month)
{
    return lookup(kMonthNames, static_cast<long long>(month) - 1);
}

std::optional<int> Zodiac(int month, int day)
{
    if (month < 1 || month > 12)
        return std::nullopt;
    return day <= 20 ? month : month % 12 + 1;
}

std::u16string_view ZodiacName(std::optional<int> sign)
{
    return sign ? lookup(kZodiacNames, static_cast<long long>(*sign) - 1) : std::u16string_view{};
}

int YearAnimal(int day, int month, int yearBE)
{
    const bool beforeNewYear = month < 4 || (month == 4 && day < 13);
    return static_cast<int>(floorMod(static_cast<long long>(yearBE) - (beforeNewYear ? 1 : 0), 12));
}

std::u16string_view YearOfAni(int animal)
{
    return lookup(kAnimalNames, animal);
}

std::optional<int> EveryYearProphesy(int weekday)
{
    if (weekday < 0 || weekday >= static_cast<int>(kCyclePlace.size()))
        return std::nullopt;
    return kCyclePlace[static_cast<std::size_t>(weekday)];
}

int AgeOn(int birthDay, int birthMonth, int birthYearBE, int day, int month, int yearBE)
{
    const bool birthdayToCome = month < birthMonth || (month == birthMonth && day < birthDay);
    const long long age = static_cast<long long>(yearBE) - (birthdayToCome ? 1 : 0) - birthYearBE;
    return age > INT_MAX ? INT_MAX : age < INT_MIN ? INT_MIN : static_cast<int>(age);
}

std::optional<int> YearPosition(int weekday, int age)
{
    const std::optional<int> place = EveryYearProphesy(weekday);
    if (!place)
        return std::nullopt;
    return static_cast<int>(floorMod(static_cast<long long>(*place) + age, kCycleLength));
}

}  // namespace morvane
