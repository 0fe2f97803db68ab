#include "writeprophesy.h"

#include "calendar.h"
#include "readings.h"

#include <algorithm>

namespace morvane {
namespace {

constexpr std::u16string_view kCrLf = u"\r\n";
constexpr char16_t kCr = u'\r';
constexpr std::u16string_view kPrintIndent = u"     ";
constexpr std::size_t kMaxBlocks = 10;

template <typename Table>
Reading pick(Table table, std::optional<int> key)
{
    return key ? table(*key) : Reading{};
}

// Appends a reading's blocks to the screen text. A block stands for one
// print line; where the line was cut at a space the space goes back in
// between, and where it was cut inside a run of Thai ("-" at its end) the
// next block follows directly.
void appendDisplay(std::u16string &display, Reading reading)
{
    for (std::size_t i = 0; i < reading.size() && i < kMaxBlocks; ++i) {
        if (i > 0 && !reading[i - 1].ends_with(u'-'))
            display += u' ';
        display += reading[i];
    }
}

// Appends a reading as print lines, one block a line. An empty reading still
// makes one line, holding only the indent, so a missing reading leaves a
// visible gap instead of closing up the lines around it.
void appendPrint(std::u16string &print, Reading reading)
{
    const std::size_t lines = reading.empty() ? 1 : std::min(reading.size(), kMaxBlocks);
    for (std::size_t i = 0; i < lines; ++i) {
        if (!print.empty())
            print += kCr;
        print += kPrintIndent;
        if (i < reading.size())
            print += reading[i];
    }
}

}  // namespace

ProphesyTexts WriteProphesy(std::optional<int> weekday, std::optional<int> sign, std::optional<int> animal,
                            std::optional<int> yearPosition)
{
    const Reading day = pick(DayProphesy, weekday);
    const Reading zodiac = pick(ZodiacProphesy, sign);
    const Reading ani = pick(AniProphesy, animal);
    const Reading now = pick(YearlyProphesy, yearPosition);
    std::optional<int> nextPosition;
    if (yearPosition && *yearPosition >= 0 && *yearPosition < kCycleLength)
        nextPosition = (*yearPosition + 1) % kCycleLength;
    const Reading next = pick(YearlyProphesy, nextPosition);

    ProphesyTexts t;
    t.display += u"คำทำนาย";
    t.display += kCrLf;
    appendDisplay(t.display, day);
    t.display += kCrLf;
    appendDisplay(t.display, zodiac);
    t.display += kCrLf;
    appendDisplay(t.display, ani);
    t.display += kCrLf;
    t.display += kCrLf;
    t.display += u"ความรักในปีนี้";
    t.display += kCrLf;
    appendDisplay(t.display, now);
    t.display += kCrLf;
    t.display += kCrLf;
    t.display += u"ความรักในปีหน้า";
    t.display += kCrLf;
    appendDisplay(t.display, next);
    t.display += kCrLf;
    t.display += kCrLf;
    t.display += kCrLf;
    t.display += u"ข้อแนะนำ :";
    t.display += kCrLf;
    t.display += kClosingAdvice;

    appendPrint(t.printPro, day);
    appendPrint(t.printPro, zodiac);
    appendPrint(t.printPro, ani);
    appendPrint(t.printNow, now);
    appendPrint(t.printNext, next);
    return t;
}

}  // namespace morvane
