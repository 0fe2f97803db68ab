// WriteProphesy: which readings it picks, and how it lays them out for the
// screen (CR LF) and for print (lone CR, five-space indent).
#include "readings.h"
#include "text.h"
#include "writeprophesy.h"

#include <QTest>

#include <climits>

using namespace morvane;

namespace {

QStringList lines(const std::u16string &print)
{
    return toQString(print).split(u'\r');
}

QStringList printed(Reading r)
{
    QStringList out;
    for (Block b : r)
        out.append(QStringLiteral("     ") + toQString(b));
    return out;
}

QString withoutSpaces(QString s)
{
    return s.remove(u' ');
}

// The display's lines: headings, one line a reading, blank separators.
QStringList displayLines(const ProphesyTexts &t)
{
    return toQString(t.display).split(QStringLiteral("\r\n"));
}

}  // namespace

class TestWriteProphesy : public QObject
{
    Q_OBJECT

private slots:
    void printLineCounts()
    {
        const ProphesyTexts t = WriteProphesy(0, 1, 0, 0);
        QCOMPARE(lines(t.printPro).size(), 13);
        QCOMPARE(lines(t.printNow).size(), 4);
        QCOMPARE(lines(t.printNext).size(), 3);
        QCOMPARE(lines(t.printPro), printed(DayProphesy(0)) + printed(ZodiacProphesy(1)) + printed(AniProphesy(0)));
        QCOMPARE(lines(t.printNow), printed(YearlyProphesy(0)));
        QCOMPARE(lines(t.printNext), printed(YearlyProphesy(1)));
        // The first line of a reading: print indent plus paragraph indent.
        QVERIFY(lines(t.printPro).first().startsWith(QString(13, u' ')));
        QVERIFY(lines(t.printNow).first().startsWith(QString(12, u' ')));
        QVERIFY(!lines(t.printNow).first().startsWith(QString(13, u' ')));
    }

    void displayText()
    {
        const ProphesyTexts t = WriteProphesy(2, 10, 2, 1);
        const QStringList d = displayLines(t);
        QCOMPARE(d.size(), 14);
        const QStringList fixed{d[0], d[4], d[5], d[7], d[8], d[10], d[11], d[12], d[13]};
        QCOMPARE(fixed, (QStringList{QStringLiteral(u"คำทำนาย"), QString(), QStringLiteral(u"ความรักในปีนี้"), QString(),
                                     QStringLiteral(u"ความรักในปีหน้า"), QString(), QString(),
                                     QStringLiteral(u"ข้อแนะนำ :"), toQString(kClosingAdvice)}));
        // Each reading line holds exactly its print lines' text, in order.
        const QList<std::pair<int, QStringList>> readings{{1, printed(DayProphesy(2))},
                                                          {2, printed(ZodiacProphesy(10))},
                                                          {3, printed(AniProphesy(2))},
                                                          {6, printed(YearlyProphesy(1))},
                                                          {9, printed(YearlyProphesy(2))}};
        for (const auto &[line, print] : readings)
            QCOMPARE(withoutSpaces(d[line]), withoutSpaces(print.join(QString())));
        QVERIFY(d.last().endsWith(u'.'));
    }

    void blocksJoinAsWritten()
    {
        // Where a print line was cut at a space the screen puts one space
        // back; where it was cut inside a run of Thai ("-") the run goes on.
        int hyphens = 0;
        const auto check = [&](Reading r, const QString &display) {
            for (std::size_t i = 0; i + 1 < r.size(); ++i) {
                const bool hyphen = r[i].ends_with(u'-');
                hyphens += hyphen;
                const QString joint
                    = toQString(r[i]) + (hyphen ? QString() : QStringLiteral(" ")) + toQString(r[i + 1]);
                QVERIFY2(display.contains(joint), qPrintable(toQString(r[i + 1]).left(20)));
            }
        };
        for (int k = 0; k < 12; ++k) {
            const QString d = toQString(WriteProphesy(k % 7, k + 1, k, k % 8).display);
            if (k < 7)
                check(DayProphesy(k), d);
            check(ZodiacProphesy(k + 1), d);
            check(AniProphesy(k), d);
            if (k < 8)
                check(YearlyProphesy(k), d);
        }
        QCOMPARE(hyphens, 14);
    }

    void lineBreakConventionsForEveryKey()
    {
        for (int w = 0; w < 7; ++w)
            for (int s = 1; s <= 12; ++s)
                for (int a = 0; a < 12; ++a)
                    for (int p = 0; p < 8; ++p) {
                        const ProphesyTexts t = WriteProphesy(w, s, a, p);
                        const QString d = toQString(t.display);
                        if (d.count(QStringLiteral("\r\n")) != 13 || d.count(u'\r') != 13 || d.count(u'\n') != 13)
                            QFAIL(qPrintable(QStringLiteral("keys %1 %2 %3 %4").arg(w).arg(s).arg(a).arg(p)));
                        for (const std::u16string *print : {&t.printPro, &t.printNow, &t.printNext})
                            if (print->find(u'\n') != std::u16string::npos || print->front() == u'\r'
                                || print->back() == u'\r')
                                QFAIL("line feed or stray CR in print lines");
                    }
    }

    void nextYearWrapsRound()
    {
        const ProphesyTexts seven = WriteProphesy(0, 1, 0, 7);
        QCOMPARE(lines(seven.printNow), printed(YearlyProphesy(7)));
        QCOMPARE(lines(seven.printNext), printed(YearlyProphesy(0)));
        const QStringList d = displayLines(seven);
        QCOMPARE(withoutSpaces(d[6]), withoutSpaces(printed(YearlyProphesy(7)).join(QString())));
        QCOMPARE(withoutSpaces(d[9]), withoutSpaces(printed(YearlyProphesy(0)).join(QString())));
    }

    void eachCallStandsAlone()
    {
        const ProphesyTexts fresh = WriteProphesy(6, 12, 11, 6);
        WriteProphesy(0, 1, 0, 0);
        const ProphesyTexts again = WriteProphesy(6, 12, 11, 6);
        QCOMPARE(again.display, fresh.display);
        QCOMPARE(again.printPro, fresh.printPro);
        QVERIFY(!toQString(again.display).contains(toQString(DayProphesy(0).front())));
    }

    void missingSign()
    {
        const ProphesyTexts t = WriteProphesy(3, std::nullopt, 5, 2);
        const QString crlf = QStringLiteral("\r\n");
        QCOMPARE(displayLines(t)[2], QString());
        QCOMPARE(lines(t.printPro),
                 printed(DayProphesy(3)) + QStringList{QStringLiteral("     ")} + printed(AniProphesy(5)));
        QCOMPARE(toQString(t.display).count(crlf), 13);
    }

    void keysOutOfRange()
    {
        const int odd[] = {INT_MIN, -8, -1, 13, INT_MAX};
        for (int k : odd) {
            const ProphesyTexts t = WriteProphesy(k, k, k, k);
            QCOMPARE(toQString(t.display).count(QStringLiteral("\r\n")), 13);
            // Every reading is empty: one indent-only line each.
            QCOMPARE(lines(t.printPro), QStringList(3, QStringLiteral("     ")));
            QCOMPARE(toQString(t.printNow), QStringLiteral("     "));
            QCOMPARE(toQString(t.printNext), QStringLiteral("     "));
        }
        // A position outside the cycle has no next year either.
        QCOMPARE(toQString(WriteProphesy(0, 1, 0, -1).printNext), QStringLiteral("     "));
        QCOMPARE(toQString(WriteProphesy(0, 1, 0, std::nullopt).printNow), QStringLiteral("     "));
    }
};

QTEST_APPLESS_MAIN(TestWriteProphesy)
#include "tst_writeprophesy.moc"
