// WriteProphesy: which readings it picks, and how it lays them out for the
// screen (CR LF) and for print (lone CR, five-space indent).
#include "readings.h"
#include "writeprophesy.h"

#include <QTest>

#include <climits>

using namespace morvane;

namespace {

QString q(std::u16string_view s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

QStringList lines(const std::u16string &print)
{
    return q(print).split(u'\r');
}

QStringList printed(Reading r)
{
    QStringList out;
    for (Block b : r)
        out.append(QStringLiteral("     ") + q(b));
    return out;
}

// The reading as the screen shows it: blocks cut at a space get it back,
// blocks cut inside a run ("-") are followed directly.
QString shown(Reading r)
{
    QString out;
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (i > 0 && !r[i - 1].ends_with(u'-'))
            out += u' ';
        out += q(r[i]);
    }
    return out;
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
        const QString crlf = QStringLiteral("\r\n");
        const QString expected = QStringLiteral(u"คำทำนาย") + crlf + shown(DayProphesy(2)) + crlf
            + shown(ZodiacProphesy(10)) + crlf + shown(AniProphesy(2)) + crlf + crlf
            + QStringLiteral(u"ความรักในปีนี้") + crlf + shown(YearlyProphesy(1)) + crlf + crlf
            + QStringLiteral(u"ความรักในปีหน้า") + crlf + shown(YearlyProphesy(2)) + crlf + crlf + crlf
            + QStringLiteral(u"ข้อแนะนำ :") + crlf + q(kClosingAdvice);
        QCOMPARE(q(t.display), expected);
        QVERIFY(q(t.display).endsWith(u'.'));
    }

    void lineBreakConventionsForEveryKey()
    {
        for (int w = 0; w < 7; ++w)
            for (int s = 1; s <= 12; ++s)
                for (int a = 0; a < 12; ++a)
                    for (int p = 0; p < 8; ++p) {
                        const ProphesyTexts t = WriteProphesy(w, s, a, p);
                        const QString d = q(t.display);
                        if (d.count(QStringLiteral("\r\n")) != 13 || d.count(u'\r') != 13 || d.count(u'\n') != 13)
                            QFAIL(qPrintable(QStringLiteral("keys %1 %2 %3 %4").arg(w).arg(s).arg(a).arg(p)));
                        for (const std::u16string *print : {&t.printPro, &t.printNow, &t.printNext})
                            if (print->find(u'\n') != std::u16string::npos || print->front() == u'\r'
                                || print->back() == u'\r')
                                QFAIL("line feed or stray CR in print lines");
                    }
    }

    void hyphenatedBlocksJoinWithoutASpace()
    {
        bool found = false;
        for (int w = 0; w < 7; ++w) {
            const Reading r = DayProphesy(w);
            for (std::size_t i = 0; i + 1 < r.size(); ++i) {
                if (!r[i].ends_with(u'-'))
                    continue;
                found = true;
                const QString joined = q(r[i]) + q(r[i + 1]);
                QVERIFY(q(WriteProphesy(w, 1, 0, 0).display).contains(joined));
            }
        }
        QVERIFY(found);
    }

    void nextYearWrapsRound()
    {
        const ProphesyTexts seven = WriteProphesy(0, 1, 0, 7);
        QCOMPARE(lines(seven.printNow), printed(YearlyProphesy(7)));
        QCOMPARE(lines(seven.printNext), printed(YearlyProphesy(0)));
        const QString d = q(seven.display);
        QVERIFY(d.indexOf(shown(YearlyProphesy(7))) < d.indexOf(shown(YearlyProphesy(0))));
    }

    void eachCallStandsAlone()
    {
        const ProphesyTexts fresh = WriteProphesy(6, 12, 11, 6);
        WriteProphesy(0, 1, 0, 0);
        const ProphesyTexts again = WriteProphesy(6, 12, 11, 6);
        QCOMPARE(again.display, fresh.display);
        QCOMPARE(again.printPro, fresh.printPro);
        QVERIFY(q(again.display).indexOf(shown(DayProphesy(0))) < 0);
    }

    void missingSign()
    {
        const ProphesyTexts t = WriteProphesy(3, std::nullopt, 5, 2);
        const QString crlf = QStringLiteral("\r\n");
        QVERIFY(q(t.display).contains(shown(DayProphesy(3)) + crlf + crlf + shown(AniProphesy(5))));
        QCOMPARE(lines(t.printPro), printed(DayProphesy(3)) + QStringList{QStringLiteral("     ")}
                                        + printed(AniProphesy(5)));
        QCOMPARE(q(t.display).count(crlf), 13);
    }

    void keysOutOfRange()
    {
        const int odd[] = {INT_MIN, -8, -1, 13, INT_MAX};
        for (int k : odd) {
            const ProphesyTexts t = WriteProphesy(k, k, k, k);
            QCOMPARE(q(t.display).count(QStringLiteral("\r\n")), 13);
            // Every reading is empty: one indent-only line each.
            QCOMPARE(lines(t.printPro), QStringList(3, QStringLiteral("     ")));
            QCOMPARE(q(t.printNow), QStringLiteral("     "));
            QCOMPARE(q(t.printNext), QStringLiteral("     "));
        }
        // A position outside the cycle has no next year either.
        QCOMPARE(q(WriteProphesy(0, 1, 0, -1).printNext), QStringLiteral("     "));
        QCOMPARE(q(WriteProphesy(0, 1, 0, std::nullopt).printNow), QStringLiteral("     "));
    }
};

QTEST_APPLESS_MAIN(TestWriteProphesy)
#include "tst_writeprophesy.moc"
