// The reading catalogue as data: every reading has its number of blocks and
// its length, and every block keeps the rules the print layout relies on.
// A failure names the reading and the block.
#include "readings.h"
#include "text.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBoundaryFinder>

using namespace morvane;

namespace {

struct Expected
{
    const char *name;
    Reading reading;
    int blocks;
    int characters;
    int indent;
    char table;  // d, s, a, y: only readings of different tables meet in one result
};

QList<Expected> catalogue()
{
    QList<Expected> all;
    const int day[][2] = {{5, 768}, {6, 934}, {7, 973}, {7, 1054}, {6, 944}, {5, 774}, {5, 647}};
    const char *dayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int k = 0; k < 7; ++k)
        all.append({dayNames[k], DayProphesy(k), day[k][0], day[k][1], 8, 'd'});
    const int sign[][2] = {{4, 592}, {4, 579}, {4, 604}, {5, 752}, {5, 705}, {5, 758},
                           {5, 754}, {4, 556}, {4, 517}, {6, 919}, {4, 518}, {4, 591}};
    const char *signNames[] = {"Capricorn", "Aquarius", "Pisces", "Aries", "Taurus",  "Gemini",
                               "Cancer",    "Leo",      "Virgo",  "Libra", "Scorpio", "Sagittarius"};
    for (int k = 1; k <= 12; ++k)
        all.append({signNames[k - 1], ZodiacProphesy(k), sign[k - 1][0], sign[k - 1][1], 8, 's'});
    const int animal[][2] = {{4, 518}, {4, 510}, {6, 817}, {4, 604}, {4, 503}, {3, 425},
                             {3, 469}, {3, 470}, {3, 473}, {4, 538}, {4, 600}, {3, 454}};
    const char *animalNames[]
        = {"Snake", "Horse", "Goat", "Monkey", "Rooster", "Dog", "Pig", "Rat", "Ox", "Tiger", "Rabbit", "Dragon"};
    for (int k = 0; k < 12; ++k)
        all.append({animalNames[k], AniProphesy(k), animal[k][0], animal[k][1], 8, 'a'});
    const int yearly[][2] = {{4, 525}, {3, 402}, {3, 456}, {3, 462}, {3, 337}, {3, 426}, {3, 427}, {4, 537}};
    const char *yearlyNames[] = {"year 0", "year 1", "year 2", "year 3", "year 4", "year 5", "year 6", "year 7"};
    for (int k = 0; k < 8; ++k)
        all.append({yearlyNames[k], YearlyProphesy(k), yearly[k][0], yearly[k][1], k <= 5 ? 7 : 8, 'y'});
    return all;
}

bool isThaiLetterOrMark(QChar c)
{
    return (c >= u'\u0E01' && c <= u'\u0E3A') || (c >= u'\u0E40' && c <= u'\u0E4E');
}

QByteArray where(const Expected &e, qsizetype block)
{
    return QByteArray(e.name) + " block " + QByteArray::number(block);
}

// The reading as prose: a cut word is whole again, and a line end is the
// space it replaced.
QString prose(const Expected &e)
{
    QString text;
    for (Block block : e.reading) {
        QString b = toQString(block);
        if (b.endsWith(u'-'))
            b.chop(1);
        else
            b += u' ';
        text += b;
    }
    return text.trimmed();
}

// Words as Qt's Thai word breaker (libthai) cuts them.
QStringList words(const QString &text)
{
    QStringList out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
    qsizetype from = 0;
    while (finder.toNextBoundary() != -1) {
        const QString word = text.mid(from, finder.position() - from).trimmed();
        if (!word.isEmpty())
            out << word;
        from = finder.position();
    }
    return out;
}

}  // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void readingsHaveTheirSizes()
    {
        int blocks = 0;
        const QList<Expected> all = catalogue();
        QCOMPARE(all.size(), 39);
        for (const Expected &e : all) {
            QVERIFY2(static_cast<int>(e.reading.size()) == e.blocks, e.name);
            int total = 0;
            for (Block b : e.reading)
                total += static_cast<int>(b.size());
            QVERIFY2(total == e.characters, QByteArray(e.name) + ": " + QByteArray::number(total) + " characters");
            blocks += e.blocks;
        }
        QCOMPARE(blocks, 166);
    }

    void blocksKeepThePrintRules()
    {
        int hyphens = 0;
        for (const Expected &e : catalogue()) {
            for (std::size_t i = 0; i < e.reading.size(); ++i) {
                const QString b = toQString(e.reading[i]);
                const bool last = i + 1 == e.reading.size();
                const QByteArray at = where(e, static_cast<qsizetype>(i));
                if (last)
                    QVERIFY2(b.size() >= 13 && b.size() <= 154, at + " length");
                else
                    QVERIFY2(b.size() >= 140 && b.size() <= 171, at + " length");
                const qsizetype lead = b.size() - QString(b).remove(QRegularExpression(QStringLiteral("^ +"))).size();
                QVERIFY2(lead == (i == 0 ? e.indent : 0), at + " leading spaces");
                QVERIFY2(!b.endsWith(u' '), at + " trailing space");
                QVERIFY2(!b.trimmed().contains(QStringLiteral("  ")), at + " double space");
                for (qsizetype c = 0; c < b.size(); ++c) {
                    const QChar ch = b[c];
                    const bool allowed = isThaiLetterOrMark(ch) || ch == u' ' || (ch >= u'0' && ch <= u'9')
                                         || (ch == u'-' && c == b.size() - 1);
                    QVERIFY2(allowed, at + " character " + QByteArray::number(c));
                }
                if (b.endsWith(u'-')) {
                    ++hyphens;
                    QVERIFY2(!last, at + " ends the reading with a hyphen");
                    const QChar next = e.reading[i + 1].front();
                    QVERIFY2(isThaiLetterOrMark(next), at + " is not carried on by the next block");
                    QVERIFY2(isThaiLetterOrMark(b[b.size() - 2]), at + " hyphen does not follow Thai");
                }
            }
        }
        QCOMPARE(hyphens, 14);
    }

    void cutsFallBetweenWords()
    {
        // Without libthai Qt breaks Thai anywhere and every cut would pass.
        QVERIFY2(words(QStringLiteral(u"ชื่นชม")).size() == 1, "Qt has no Thai word breaker (is libthai0 installed?)");
        for (const Expected &e : catalogue()) {
            for (std::size_t i = 0; i + 1 < e.reading.size(); ++i) {
                const QString left = toQString(e.reading[i]);
                if (!left.endsWith(u'-'))
                    continue;
                const QString run = left.chopped(1) + toQString(e.reading[i + 1]);
                QTextBoundaryFinder finder(QTextBoundaryFinder::Word, run);
                finder.setPosition(left.size() - 1);
                QVERIFY2(finder.isAtBoundary(), where(e, static_cast<qsizetype>(i))
                                                    + " cuts a word: " + run.mid(left.size() - 9, 18).toUtf8());
            }
        }
    }

    void characterReadingsVaryTheirHabits()
    {
        // A result shows one weekday, one sign and one animal reading in a
        // row: closing each on the ideal partner, or advising "ลอง..." in
        // each, reads as a formula.
        const QRegularExpression partner(
            QStringLiteral(u"คู่ที่|คู่แท้|คู่ครอง|คนที่ใช่|คนที่เหมาะ|คู่ในฝัน|คู่ควร|คู่บุญ|เนื้อคู่|(?:คน|คู่)\\S*(?:คือ|ต้อง)"));
        QByteArray partnerClosings;
        QSet<char> partnerTables;
        int tries = 0;
        for (const Expected &e : catalogue()) {
            if (e.table == 'y')
                continue;
            const QString text = prose(e);
            if (partner.match(text.right(100)).hasMatch()) {
                partnerClosings += QByteArray(" ") + e.name;
                partnerTables.insert(e.table);
            }
            tries += words(text).contains(QStringLiteral(u"ลอง")) ? 1 : 0;
        }
        QVERIFY2(partnerClosings.count(' ') < 10, "close on the ideal partner:" + partnerClosings);
        QVERIFY2(partnerTables.size() <= 1, "partner closings can meet in one result:" + partnerClosings);
        QVERIFY2(tries <= 12, QByteArray::number(tries) + " character readings advise ลอง");
    }

    void noSentenceIsUsedTwice()
    {
        // Clauses are separated by spaces in Thai; a long clause met in two
        // readings is text copied, not written.
        QHash<QString, QByteArray> seen;
        for (const Expected &e : catalogue()) {
            const QString text = prose(e);
            QSet<QString> mine;
            for (const QString &clause : text.split(u' ', Qt::SkipEmptyParts)) {
                if (clause.size() < 20 || mine.contains(clause))
                    continue;
                mine.insert(clause);
                QVERIFY2(!seen.contains(clause),
                         QByteArray(e.name) + " repeats " + seen.value(clause) + ": " + clause.toUtf8());
                seen.insert(clause, e.name);
            }
        }
    }

    void closingAdvice()
    {
        const QString advice = toQString(kClosingAdvice);
        QCOMPARE(advice.size(), 177);
        QVERIFY(advice.startsWith(QString(7, u' ')));
        QVERIFY(advice[7] != u' ');
        QVERIFY(advice.endsWith(u'.'));
        QCOMPARE(advice.count(u'.'), 1);
        for (QChar c : advice)
            QVERIFY(isThaiLetterOrMark(c) || c == u' ' || c == u'.');
    }

    void keysWithoutAnEntryGiveNothing()
    {
        for (int k : {INT_MIN, -1, 7, 8, 12, 13, INT_MAX}) {
            QVERIFY(DayProphesy(k).empty() || (k >= 0 && k < 7));
            QVERIFY(AniProphesy(k).empty() || (k >= 0 && k < 12));
            QVERIFY(YearlyProphesy(k).empty() || (k >= 0 && k < 8));
        }
        QVERIFY(ZodiacProphesy(0).empty());
        QVERIFY(ZodiacProphesy(13).empty());
        QVERIFY(ZodiacProphesy(INT_MIN).empty());
        QVERIFY(ZodiacProphesy(INT_MAX).empty());
        QVERIFY(!ZodiacProphesy(12).empty());
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
