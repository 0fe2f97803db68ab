// Calendar and sign rules of the reading engine.
//
// Users see Buddhist-era years (BE = CE + 543, starting on 1 January like the
// CE year); the offset is applied only where a BE year meets Gregorian
// arithmetic. Every function accepts any int without undefined behaviour:
// arithmetic is done in 64 bits and lookups outside their table give empty
// text or no value.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

inline constexpr int kBuddhistEraOffset = 543;

// The Buddhist-era year of a CE year, clamped to the range of int.
constexpr int BuddhistYear(long long ceYear)
{
    constexpr int kMost = std::numeric_limits<int>::max();
    constexpr int kLeast = std::numeric_limits<int>::min();
    return ceYear > static_cast<long long>(kMost) - kBuddhistEraOffset ? kMost
           : ceYear < static_cast<long long>(kLeast) - kBuddhistEraOffset
               ? kLeast
               : static_cast<int>(ceYear + kBuddhistEraOffset);
}

// A moment on the local clock: a Gregorian (CE) date and a time of day.
struct Moment
{
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Gregorian leap year, for a CE year.
bool IsLeapYear(long long ceYear);

// Weekday of a date (day, month, BE year): 0 = Sunday .. 6 = Saturday.
// A day past the end of its month counts on into the next month (31 April is
// 1 May), a month past 12 into the next year; dates before 1 January CE 1899
// follow the proleptic Gregorian calendar.
int DweekNum(int day, int month, int yearBE);

// Thai names; empty for a number outside the table.
std::u16string_view DayOfweek(int weekday);  // 0 = "อาทิตย์" .. 6 = "เสาร์"
std::u16string_view MonthName(int month);    // 1 = "มกราคม" .. 12 = "ธันวาคม"

// A date as the program writes it everywhere, from the weekday on:
// "วันอังคาร ที่ 9 ตุลาคม พ.ศ. 2522". The today line names the month with
// the word for month before it: "วันอังคาร ที่ 9 เดือนตุลาคม พ.ศ. 2522".
enum class MonthWord { Omitted, Written };
std::u16string ThaiDate(int day, int month, int yearBE, MonthWord monthWord = MonthWord::Omitted);

// Days in a month of a CE year (28..31), or 0 for a month outside 1..12.
int DaysInMonth(int month, long long ceYear);

// Zodiac sign of a birth date: every sign starts on the 21st, so the sign is
// the month for days up to the 20th and the next month after (December 21st
// on wraps to 1, Capricorn). No sign for a month outside 1..12.
std::optional<int> Zodiac(int month, int day);
std::u16string_view ZodiacName(std::optional<int> sign);  // 1 = "ราศีมังกร" ..

// Animal of the twelve-year cycle of a birth date (0 = Snake .. 11 = Dragon).
// A BE year divisible by 12 is a Snake year from 13 April on; dates before
// 13 April belong to the previous animal year.
int YearAnimal(int day, int month, int yearBE);
std::u16string_view YearOfAni(int animal);  // 0 = "มะเส็ง" .. 11 = "มะโรง"

// The yearly cycle has eight places, one more than the weekdays: the
// seventh place (6) belongs to no weekday of birth.
inline constexpr int kCycleLength = 8;

// Place of a weekday of birth on the eight-step yearly cycle, or no place for
// a number outside 0..6.
std::optional<int> EveryYearProphesy(int weekday);

// Completed years on a given day (all years BE). The birthday itself counts
// as passed; someone born on 29 February has their birthday on 1 March in
// other years. Negative when the birth date lies after the given day; the
// result is clamped to the range of int.
int AgeOn(int birthDay, int birthMonth, int birthYearBE, int day, int month, int yearBE);

// Year-cycle position at an age: (cycle place of the weekday + age) mod 8,
// always 0..7 (negative ages wrap round), or no value for an invalid weekday.
std::optional<int> YearPosition(int weekday, int age);

}  // namespace morvane
