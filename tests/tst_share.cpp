// The reading made to leave the program: the picture for sharing, what the
// clipboard gets, and the names saved files are offered.
#include "guitest.h"
#include "prediction.h"
#include "sharecard.h"
#include "text.h"
#include "writeprophesy.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

// Keys (3, 10, 2, 7) give the longest reading there is; (0, 1, 0, 0) a
// shorter one.
Prediction sample(const QString &name = QStringLiteral(u"สมหญิง ใจดี"), int weekday = 3, int sign = 10, int animal = 2,
                  int position = 7)
{
    Prediction p;
    p.moment = {2026, 12, 9, 16, 5, 0};
    p.assembled.nameLine = name.toStdU16String();
    p.assembled.birthLine = u"เกิดวันพุธ ที่ 8 ตุลาคม พ.ศ. 2523  ราศีตุลย์ ปีมะแม";
    p.texts = WriteProphesy(weekday, sign, animal, position);
    return p;
}

// The torn edge is whole all round when every pixel of the card's outer
// rim is the dark table the sheet lies on, not paper and not ink.
bool edgeIsWhole(const QImage &card)
{
    const auto dark = [&](int x, int y) { return qGray(card.pixel(x, y)) < 140; };
    for (int i = 0; i < 4; ++i) {
        for (int x = 0; x < card.width(); ++x)
            if (!dark(x, i) || !dark(x, card.height() - 1 - i))
                return false;
        for (int y = 0; y < card.height(); ++y)
            if (!dark(i, y) || !dark(card.width() - 1 - i, y))
                return false;
    }
    return true;
}

}  // namespace

class TestShare : public QObject
{
    Q_OBJECT

    QTemporaryDir kept_;

    void keep(const QImage &card, const char *name)
    {
        if (qEnvironmentVariableIsSet("MORVANE_KEEP_PNG"))
            card.save(kept_.filePath(QLatin1String(name) + QLatin1String(".png")));
    }

private slots:
    void initTestCase()
    {
        test::setUpApplication();
        // MORVANE_KEEP_PNG=1 keeps the pictures made here, to look at them.
        if (qEnvironmentVariableIsSet("MORVANE_KEEP_PNG")) {
            kept_.setAutoRemove(false);
            qInfo("pictures in %s", qPrintable(kept_.path()));
        }
    }

    void theCardGrowsWithTheReadingAndTheName()
    {
        const QImage longest = shareCard(sample());
        const QImage shorter = shareCard(sample(QStringLiteral(u"สมหญิง ใจดี"), 0, 1, 0, 0));
        const QImage named = shareCard(sample(QStringLiteral(u"<b>สมหญิง</b> &amp; ").repeated(400)));
        keep(longest, "longest");
        keep(shorter, "shorter");
        keep(named, "named");
        for (const QImage &card : {longest, shorter, named}) {
            QCOMPARE(card.width(), 1080);
            QVERIFY(!card.hasAlphaChannel());
            QVERIFY(edgeIsWhole(card));
        }
        QVERIFY(longest.height() > shorter.height());
        QVERIFY(named.height() > longest.height() + 1000);
    }
};

QTEST_MAIN(TestShare)
#include "tst_share.moc"
