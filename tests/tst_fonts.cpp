// Every font the windows ask for must draw Thai, and Thai must wrap at word
// boundaries (Qt does that only when it finds libthai at run time).
#include "fonts.h"
#include "warmup.h"

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QRawFont>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTextLayout>

using namespace morvane;

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void resolvedFontsDrawThai_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("size");
        QTest::addColumn<bool>("bold");
        QTest::newRow("name box") << kBrowallia << 14.25 << false;
        QTest::newRow("name line") << kBrowallia << 24.0 << true;
        QTest::newRow("birth line") << kBrowallia << 15.75 << true;
        QTest::newRow("print") << kBrowallia << 12.0 << false;
        QTest::newRow("buttons") << kMsSansSerif << 12.0 << false;
        QTest::newRow("today") << kMsSansSerif << 9.75 << false;
        QTest::newRow("default") << kMsSansSerif << 8.25 << false;
        QTest::newRow("unknown family") << QStringLiteral("No Such Font 123") << 10.0 << false;
    }

    void resolvedFontsDrawThai()
    {
        QFETCH(QString, family);
        QFETCH(qreal, size);
        QFETCH(bool, bold);
        const QFont font = resolveFont(family, size, bold);
        // The font really is the chosen family, not a silent fallback.
        QCOMPARE(QFontInfo(font).family(), resolveFamily(family).family);
        const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Thai);
        QVERIFY(raw.isValid());
        // Every assigned letter, vowel, tone mark and digit of the Thai block.
        QString thai;
        for (char16_t c = 0x0E01; c <= 0x0E5B; ++c)
            if (c < 0x0E3B || c > 0x0E3E)
                thai += QChar(c);
        for (QChar c : thai)
            QVERIFY2(raw.supportsCharacter(c), qPrintable(QString(c)));
    }

    void substitutesKeepTheOriginalsExtent()
    {
        // Without BrowalliaUPC installed, Garuda stands in at 0.68 of the size.
        if (QFontDatabase::families().contains(kBrowallia, Qt::CaseInsensitive))
            QSKIP("BrowalliaUPC itself is installed");
        const FontChoice browallia = resolveFamily(kBrowallia);
        QCOMPARE(browallia.family, QStringLiteral("Garuda"));
        QCOMPARE(browallia.scale, 0.68);
        QCOMPARE(resolveFont(kBrowallia, 24).pointSizeF(), 24 * 0.68);
        QCOMPARE(resolveFamily(kMsSansSerif).family, QStringLiteral("Loma"));
        // The 14.25 pt name box font fits its 25 px box.
        QVERIFY(QFontMetrics(resolveFont(kBrowallia, 14.25)).height() <= 25);
    }

    void thaiBreaksAtWordBoundaries()
    {
        // The program reads the dictionary on a second thread before Qt's
        // first Thai break; Qt must then find it, as this process's first
        // Thai break does here.
        StartWarmUp warmUp;
        warmUp.waitForFonts();
        warmUp.waitForThaiBreaks();
        // ความ|รัก|ของ|คุณ|จะ|สดใส: no spaces, so only a dictionary finds these.
        const QString text = QStringLiteral(u"ความรักของคุณจะสดใส");
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
        QList<qsizetype> breaks;
        while (finder.toNextBoundary() != -1)
            breaks.append(finder.position());
        QCOMPARE(breaks, (QList<qsizetype>{4, 7, 10, 13, 15, 19}));
    }

    void thaiWrapsInALayout()
    {
        const QString text = QStringLiteral(u"ความรักของคุณจะสดใสเหมือนดอกไม้แรกแย้มในฤดูฝน");
        QTextLayout layout(text, resolveFont(kMsSansSerif, 9.75));
        layout.beginLayout();
        QList<QString> lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(90);
            lines.append(text.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
        QVERIFY2(lines.size() >= 3, qPrintable(lines.join(u'|')));
        const QStringList words
            = {QStringLiteral(u"ความ"), QStringLiteral(u"รัก"),   QStringLiteral(u"ของ"),   QStringLiteral(u"คุณ"),
               QStringLiteral(u"จะ"),   QStringLiteral(u"สดใส"), QStringLiteral(u"เหมือน"), QStringLiteral(u"ดอกไม้"),
               QStringLiteral(u"แรก"),  QStringLiteral(u"แย้ม"),  QStringLiteral(u"ใน"),    QStringLiteral(u"ฤดูฝน"),
               QStringLiteral(u"ฤดู"),   QStringLiteral(u"ฝน"),   QStringLiteral(u"ดอก"),   QStringLiteral(u"ไม้")};
        // Every line must end where a word ends.
        qsizetype pos = 0;
        for (const QString &line : std::as_const(lines)) {
            pos += line.size();
            if (pos == text.size())
                break;
            bool atWordEnd = false;
            for (const QString &w : words)
                atWordEnd |= text.left(pos).endsWith(w);
            QVERIFY2(atWordEnd, qPrintable(lines.join(u'|')));
        }
    }

    void missingThaiFontsAreExplained()
    {
        // Run a second time with a font set holding only a Latin font
        // (tst_fonts_without_thai), as on a machine without Thai fonts.
        const bool withoutThai = qEnvironmentVariableIsSet("MORVANE_TEST_WITHOUT_THAI");
        if (QFontDatabase::families().isEmpty())
            QSKIP("no fonts at all");
        QCOMPARE(QFontDatabase::families(QFontDatabase::Thai).isEmpty(), withoutThai);
        QWidget parent;
        QCOMPARE(checkThaiFonts(&parent), !withoutThai);
        auto *box = parent.findChild<QMessageBox *>(QStringLiteral("NoThaiFont"));
        QCOMPARE(box != nullptr, withoutThai);
        if (box) {
            QVERIFY(box->isVisible());
            QVERIFY(box->text().contains(QStringLiteral("fonts-thai-tlwg")));
            QCOMPARE(box->informativeText(), QStringLiteral("sudo apt install fonts-thai-tlwg"));
        }
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
