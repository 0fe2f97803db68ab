// drawassets: draws every picture Morvane ships (banner, icons, cursors,
// the parchment sheet and the About picture) with QPainter, so they can be
// redrawn and tweaked from source instead of living as opaque binaries.
//
//   QT_QPA_PLATFORM=offscreen drawassets <output folder> [--preview <folder>]
//
// --preview also writes enlarged copies and a mock-up of the shaped result
// window, which is how the pictures are judged by eye.

#include "design.h"
#include "outline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRawFont>
#include <QRegion>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Colours the host windows paint behind the pictures; edges must match them.
constexpr QColor kBannerBack = morvane::design::kForm1Back;
constexpr QColor kAboutBack = morvane::design::kForm4Back;
constexpr QColor kPaper = morvane::design::kSheet;

const QColor kPlum(92, 20, 78);
const QColor kRose(196, 38, 104);
const QColor kGoldLight(255, 226, 130);
const QColor kGold(222, 168, 48);
const QColor kGoldDark(150, 96, 20);

double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double smoothstep(double e0, double e1, double x)
{
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = clamp01(t);
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// An elliptical glow that dies out into the background colour before its
// edge, so a picture melts into the window behind it.
void softGlow(QPainter &p, QPointF centre, QSizeF radii, const QColor &inner, qreal midAt, const QColor &mid,
              const QColor &background)
{
    p.save();
    p.translate(centre);
    p.scale(radii.width(), radii.height());
    QRadialGradient g(0, 0, 1);
    g.setColorAt(0, inner);
    g.setColorAt(midAt, mid);
    g.setColorAt(1, withAlpha(background, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
}

// Deterministic value noise: the pictures must come out identical on every
// run, so no random generator with hidden state.
double hash2(int x, int y, int seed)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / double(0xffffff);
}

double valueNoise(double x, double y, int seed)
{
    const int xi = int(std::floor(x));
    const int yi = int(std::floor(y));
    const double fx = x - xi;
    const double fy = y - yi;
    const double u = fx * fx * (3 - 2 * fx);
    const double v = fy * fy * (3 - 2 * fy);
    const double a = hash2(xi, yi, seed), b = hash2(xi + 1, yi, seed);
    const double c = hash2(xi, yi + 1, seed), d = hash2(xi + 1, yi + 1, seed);
    return a + (b - a) * u + (c - a) * v + (a - b - c + d) * u * v;
}

double fbm(double x, double y, int seed, int octaves = 4)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + 17 * i);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

// ---------------------------------------------------------------------------
// Motifs shared by several pictures.

QPainterPath heartPath(const QRectF &r)
{
    auto P = [&](double x, double y) { return QPointF(r.left() + x * r.width(), r.top() + y * r.height()); };
    QPainterPath p;
    p.moveTo(P(0.5, 0.24));
    p.cubicTo(P(0.42, 0.02), P(0.0, -0.02), P(0.02, 0.34));
    p.cubicTo(P(0.04, 0.62), P(0.36, 0.78), P(0.5, 1.0));
    p.cubicTo(P(0.64, 0.78), P(0.96, 0.62), P(0.98, 0.34));
    p.cubicTo(P(1.0, -0.02), P(0.58, 0.02), P(0.5, 0.24));
    p.closeSubpath();
    return p;
}

// Four-pointed twinkle with concave sides.
QPainterPath sparklePath(QPointF c, double r, double waist = 0.18)
{
    QPainterPath p;
    const double w = r * waist;
    p.moveTo(c.x(), c.y() - r);
    p.quadTo(c.x() + w, c.y() - w, c.x() + r, c.y());
    p.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + r);
    p.quadTo(c.x() - w, c.y() + w, c.x() - r, c.y());
    p.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - r);
    p.closeSubpath();
    return p;
}

QPainterPath starPath(QPointF c, double ro, double ri, int points, double rotation = -M_PI / 2)
{
    QPainterPath p;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2) ? ri : ro;
        const double a = rotation + i * M_PI / points;
        const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    p.closeSubpath();
    return p;
}

QPainterPath crescentPath(QPointF c, double r, QPointF bite, double biteR)
{
    QPainterPath moon;
    moon.addEllipse(c, r, r);
    QPainterPath cut;
    cut.addEllipse(c + bite, biteR, biteR);
    return moon.subtracted(cut);
}

// The kanok flame leaf of Thai ornament, in a unit frame: the base at the
// origin, the body running along +x and the tip flicking up to about
// (1.0, -0.55). Two knobs on the back give it the serrated kanok outline.
QPainterPath kanokLeaf()
{
    QPainterPath p;
    p.moveTo(0.0, 0.0);
    p.cubicTo(0.00, -0.16, 0.08, -0.30, 0.26, -0.36);  // first tooth
    p.cubicTo(0.22, -0.29, 0.23, -0.23, 0.30, -0.21);
    p.cubicTo(0.34, -0.36, 0.44, -0.46, 0.58, -0.50);  // second tooth
    p.cubicTo(0.53, -0.43, 0.54, -0.36, 0.60, -0.33);
    p.cubicTo(0.66, -0.48, 0.74, -0.58, 0.86, -0.64);  // third tooth
    p.cubicTo(0.80, -0.56, 0.81, -0.49, 0.86, -0.46);
    p.cubicTo(0.96, -0.60, 0.98, -0.84, 0.84, -1.00);  // the tip hooks back
    p.cubicTo(1.10, -0.92, 1.16, -0.46, 0.90, -0.20);  // belly
    p.cubicTo(0.66, 0.02, 0.32, 0.10, 0.08, 0.08);
    p.cubicTo(0.03, 0.07, 0.0, 0.04, 0.0, 0.0);
    p.closeSubpath();
    return p;
}

// Inner vein of the leaf, stroked on top so it reads at small sizes.
QPainterPath kanokVein()
{
    QPainterPath p;
    p.moveTo(0.06, 0.02);
    p.cubicTo(0.40, -0.04, 0.80, -0.20, 0.94, -0.70);
    return p;
}

QTransform leafFrame(QPointF base, double length, double angleDeg, bool mirror)
{
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angleDeg);
    t.scale(mirror ? -length : length, length);
    return t;
}

void paintKanok(QPainter &p, QPointF base, double length, double angleDeg, bool mirror, const QColor &light,
                const QColor &mid, const QColor &edge, double edgeWidth)
{
    const QTransform t = leafFrame(base, length, angleDeg, mirror);
    const QPainterPath leaf = t.map(kanokLeaf());
    const QRectF b = leaf.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, light);
    g.setColorAt(1, mid);
    p.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(leaf);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(edge, 170), edgeWidth * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(t.map(kanokVein()));
}

void paintGoldHeart(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom, const QColor &edge,
                    double edgeWidth, bool shine = true)
{
    const QPainterPath h = heartPath(r);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(edgeWidth > 0 ? QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : Qt::NoPen);
    p.drawPath(h);
    if (shine) {
        // A soft highlight on the left lobe makes it look glossy, not flat.
        p.setPen(Qt::NoPen);
        QRadialGradient s(r.left() + r.width() * 0.3, r.top() + r.height() * 0.3, r.width() * 0.28);
        s.setColorAt(0, QColor(255, 255, 255, 170));
        s.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(s);
        p.drawPath(h);
    }
}

void paintSparkle(QPainter &p, QPointF c, double r, const QColor &col, int glowAlpha = 90)
{
    p.setPen(Qt::NoPen);
    QRadialGradient g(c, r * 0.9);
    g.setColorAt(0, QColor(255, 255, 255, glowAlpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(g);
    p.drawEllipse(c, r * 0.9, r * 0.9);
    p.setBrush(col);
    p.drawPath(sparklePath(c, r));
}

// The pictures are drawn with named fonts only, so the same source gives
// the same pictures on every machine: a missing font stops the generator,
// naming the Debian package that brings it.
QString requireFamily(const QString &family, const char *package)
{
    // Families can carry a foundry suffix ("Z003 [urw]"), so ask what a
    // request actually resolves to instead of searching the family list.
    if (QFontInfo(QFont(family)).family().startsWith(family, Qt::CaseInsensitive))
        return family;
    std::fprintf(stderr, "drawassets: the font %s is missing; install %s\n", qPrintable(family), package);
    std::exit(1);
}

bool fontCovers(const QFont &font, const QString &text)
{
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Thai);
    for (const QChar ch : text)
        if (!raw.supportsCharacter(ch))
            return false;
    return true;
}

// ---------------------------------------------------------------------------
// Palette images. Qt writes an Indexed8 QImage as a palette PNG whose PLTE
// holds exactly the colour table, so the table size is the colour count.

// Reduces an ARGB picture to at most `colours` entries: entry 0 is fully
// transparent, the rest come from a small k-means over the opaque pixels.
QImage toIndexed(const QImage &src, int colours)
{
    const QImage img = src.convertToFormat(QImage::Format_ARGB32);
    struct Px
    {
        double r, g, b;
    };
    std::vector<Px> px;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) >= 128)
                px.push_back({double(qRed(c)), double(qGreen(c)), double(qBlue(c))});
        }
    const int k = std::min<int>(colours - 1, int(px.size()));
    // Seed by farthest-point picking so rare accent colours (the gold star)
    // get their own entry instead of being averaged away.
    std::vector<Px> centre;
    centre.push_back(px[0]);
    auto dist2 = [](const Px &a, const Px &b) {
        return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
    };
    while (int(centre.size()) < k) {
        double best = -1;
        size_t bi = 0;
        for (size_t i = 0; i < px.size(); ++i) {
            double m = 1e18;
            for (const Px &c : centre)
                m = std::min(m, dist2(px[i], c));
            if (m > best) {
                best = m;
                bi = i;
            }
        }
        centre.push_back(px[bi]);
    }
    std::vector<int> label(px.size(), 0);
    for (int iter = 0; iter < 30; ++iter) {
        for (size_t i = 0; i < px.size(); ++i) {
            double m = 1e18;
            for (int c = 0; c < k; ++c) {
                const double d = dist2(px[i], centre[c]);
                if (d < m) {
                    m = d;
                    label[i] = c;
                }
            }
        }
        std::vector<Px> sum(k, {0, 0, 0});
        std::vector<int> n(k, 0);
        for (size_t i = 0; i < px.size(); ++i) {
            sum[label[i]].r += px[i].r;
            sum[label[i]].g += px[i].g;
            sum[label[i]].b += px[i].b;
            ++n[label[i]];
        }
        for (int c = 0; c < k; ++c)
            if (n[c])
                centre[c] = {sum[c].r / n[c], sum[c].g / n[c], sum[c].b / n[c]};
    }
    QList<QRgb> table{qRgba(0, 0, 0, 0)};
    for (const Px &c : centre)
        table.push_back(qRgb(int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b))));

    QImage out(img.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            int index = 0;
            if (qAlpha(c) >= 128) {
                double m = 1e18;
                for (int i = 1; i < int(table.size()); ++i) {
                    const double dr = qRed(c) - qRed(table[i]);
                    const double dg = qGreen(c) - qGreen(table[i]);
                    const double db = qBlue(c) - qBlue(table[i]);
                    const double d = dr * dr + dg * dg + db * db;
                    if (d < m) {
                        m = d;
                        index = i;
                    }
                }
            }
            out.setPixel(x, y, uint(index));
        }
    return out;
}

// Pixel art given as rows of characters, each mapped to a palette index.
QImage fromPixelArt(const std::vector<const char *> &rows, const QString &keys, const QList<QRgb> &table)
{
    QImage out(32, 32, QImage::Format_Indexed8);
    out.setColorTable(table);
    out.fill(0);
    for (int y = 0; y < int(rows.size()) && y < 32; ++y)
        for (int x = 0; rows[y][x] && x < 32; ++x) {
            const int i = int(keys.indexOf(QLatin1Char(rows[y][x])));
            if (i > 0)
                out.setPixel(x, y, uint(i));
        }
    return out;
}

// ---------------------------------------------------------------------------
// banner.png: title strip at the top of the input window.

constexpr QRect kBannerRect = morvane::twipsRect(morvane::design::kForm1Banner);
// The today line is an opaque label over the banner's foot: from this row
// down nothing of the banner shows above it.
constexpr int kBannerCoveredFrom = morvane::twipsRect(morvane::design::kForm1Today).top() - kBannerRect.top();

// Drawn in the banner's 373 x 121 pixels; `scale` multiplies the resolution.
QImage drawBanner(int scale)
{
    QImage img(kBannerRect.size() * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(kBannerBack);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);

    // Glow that dies out before the border and above the today line, so
    // the strip melts into the window's own pink.
    softGlow(p, QPointF(186.5, 52), QSizeF(182, kBannerCoveredFrom - 54), QColor(255, 240, 253), 0.55,
             QColor(255, 222, 252, 200), kBannerBack);

    // Title.
    QFont title(requireFamily(QStringLiteral("Z003"), "fonts-urw-base35"));
    title.setPixelSize(70);
    QPainterPath word;
    word.addText(0, 0, title, QStringLiteral("Morvane"));
    const QRectF wb = word.boundingRect();
    word.translate(186.5 - wb.center().x(), 40 - wb.center().y());
    const QRectF tb = word.boundingRect();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 60, 140, 70));
    p.drawPath(word.translated(1.2, 1.8));  // soft drop shadow
    p.setPen(QPen(QColor(255, 250, 255, 200), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);  // pale halo
    QLinearGradient tg(tb.topLeft(), tb.bottomLeft());
    tg.setColorAt(0.0, QColor(150, 30, 120));
    tg.setColorAt(0.55, kPlum);
    tg.setColorAt(1.0, QColor(70, 12, 60));
    p.setPen(QPen(kGoldDark, 0.6));
    p.setBrush(tg);
    p.drawPath(word);

    // Thai subtitle "love fortune".
    const QString thai = QStringLiteral(u"ดูดวงความรัก");
    QFont sub(requireFamily(QStringLiteral("Kinnari"), "fonts-tlwg-kinnari"));
    sub.setPixelSize(21);
    sub.setBold(true);
    if (!fontCovers(sub, thai))
        std::fprintf(stderr, "warning: %s lacks Thai glyphs\n", qPrintable(sub.family()));
    QPainterPath subPath;
    subPath.addText(0, 0, sub, thai);
    const QRectF sb = subPath.boundingRect();
    subPath.translate(186.5 - sb.center().x(), 83 - sb.center().y());
    const QRectF sb2 = subPath.boundingRect();
    p.setPen(QPen(QColor(255, 250, 255, 210), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(subPath);
    p.setPen(Qt::NoPen);
    p.setBrush(kRose);
    p.drawPath(subPath);

    // Kanok flourishes either side of the subtitle: a gold rule ending in a
    // flame leaf, with a small heart where the rule meets the text.
    const double midY = 84;
    for (int side = -1; side <= 1; side += 2) {
        const double inner = side < 0 ? sb2.left() - 9 : sb2.right() + 9;
        const double outer = side < 0 ? 58 : 373 - 58;
        QLinearGradient lg(inner, 0, outer, 0);
        lg.setColorAt(0, kGold);
        lg.setColorAt(1, withAlpha(kGold, 120));
        p.setPen(QPen(QBrush(lg), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(inner, midY), QPointF(outer + side * -4, midY));
        p.setPen(QPen(QBrush(lg), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(inner - side * 6, midY + 3.2), QPointF(outer + side * -14, midY + 3.2));
        // A pair of kanok leaves at each end: the large one flicks up and
        // out, the small one (turned over) curls down beneath it.
        const bool left = side < 0;
        paintKanok(p, QPointF(outer + side * 2, midY + 3.2), 12, left ? 155 : 205, !left, kGoldLight, kGold, kGoldDark,
                   0.6);
        paintKanok(p, QPointF(outer, midY + 1), 23, left ? 8 : -8, left, kGoldLight, kGold, kGoldDark, 0.8);
        p.setPen(QPen(kGoldDark, 0.6));
        p.setBrush(kGoldLight);
        p.drawEllipse(QPointF(outer + side * 1.5, midY + 1.6), 2.2, 2.2);
        paintGoldHeart(p, QRectF(inner - 4, midY - 4, 8, 8), QColor(240, 90, 150), QColor(180, 20, 80),
                       QColor(120, 10, 60), 0.5, false);
    }

    // Crescent moon, upper left, with a star in its arms.
    {
        const QPointF c(40, 38);
        const QPainterPath moon = crescentPath(c, 21, QPointF(9, -6), 18);
        QRadialGradient mg(c + QPointF(-8, -4), 26);
        mg.setColorAt(0, QColor(255, 244, 190));
        mg.setColorAt(0.6, kGoldLight);
        mg.setColorAt(1, kGold);
        QRadialGradient halo(c, 32);
        halo.setColorAt(0.55, QColor(255, 255, 235, 120));
        halo.setColorAt(1.0, QColor(255, 255, 235, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, 32, 32);
        p.setPen(QPen(kGoldDark, 0.8));
        p.setBrush(mg);
        p.drawPath(moon);
        p.setPen(QPen(kGoldDark, 0.6));
        p.setBrush(kGoldLight);
        p.drawPath(starPath(QPointF(48, 38), 6.5, 2.7, 5));
        paintSparkle(p, QPointF(70, 18), 5, QColor(255, 250, 220));
        paintSparkle(p, QPointF(18, 68), 3.5, QColor(255, 250, 220));
    }

    // A pair of hearts, upper right, the small one tucked behind.
    {
        paintGoldHeart(p, QRectF(312, 22, 20, 18), QColor(250, 130, 180), QColor(200, 50, 120), QColor(140, 20, 80),
                       0.8);
        paintGoldHeart(p, QRectF(320, 26, 32, 29), QColor(240, 60, 110), QColor(170, 10, 60), QColor(110, 0, 40), 0.9);
        paintSparkle(p, QPointF(352, 20), 5, QColor(255, 250, 220));
        paintSparkle(p, QPointF(302, 58), 3.5, QColor(255, 250, 220));
    }

    // Scattered twinkles round the title.
    paintSparkle(p, QPointF(tb.left() - 6, tb.top() + 6), 4, QColor(255, 236, 160));
    paintSparkle(p, QPointF(tb.right() + 4, tb.bottom() - 4), 3.5, QColor(255, 236, 160));
    paintSparkle(p, QPointF(250, 12), 2.6, QColor(255, 255, 255));
    paintSparkle(p, QPointF(112, 64), 2.4, QColor(255, 255, 255));
    paintSparkle(p, QPointF(96, 14), 2.2, QColor(255, 255, 255));
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// The window icon: a crystal ball with a heart in it, on a gold lotus stand.
// Drawn in a 256 unit square; `size` only changes line weights.

void paintIconDesign(QPainter &p, int size)
{
    const double px = 256.0 / size;  // one device pixel in design units
    const double edge = std::max(1.15 * px, 4.0);

    // Lotus-petal stand (a Thai pedestal), behind the ball's lower rim.
    QPainterPath stand;
    stand.moveTo(58, 242);
    stand.lineTo(198, 242);
    stand.cubicTo(196, 226, 184, 214, 168, 208);
    stand.lineTo(88, 208);
    stand.cubicTo(72, 214, 60, 226, 58, 242);
    stand.closeSubpath();
    QLinearGradient sg(0, 200, 0, 244);
    sg.setColorAt(0, QColor(255, 222, 120));
    sg.setColorAt(1, QColor(190, 120, 30));
    p.setPen(QPen(QColor(110, 60, 10), edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(sg);
    p.drawPath(stand);
    // The ball.
    // Outline outer edge on a pixel boundary, so the 32 px rendering has no
    // stray single pixels at the ball's extremes.
    const QPointF c(128, 112);
    const double r = 96 - edge / 2;
    QRadialGradient bg(c + QPointF(-34, -40), r * 1.5, c + QPointF(-40, -46));
    bg.setColorAt(0.0, QColor(252, 236, 255));
    bg.setColorAt(0.35, QColor(206, 150, 236));
    bg.setColorAt(0.8, QColor(124, 62, 180));
    bg.setColorAt(1.0, QColor(86, 34, 140));
    p.setPen(QPen(QColor(58, 16, 96), edge));
    p.setBrush(bg);
    p.drawEllipse(c, r, r);

    // Lotus petals rising from the stand in front of the ball, cupping it.
    const int petals = size <= 32 ? 3 : 5;
    for (int k = 0; k < petals; ++k) {
        // Outer petals first, so each inner one overlaps its neighbours.
        const int i = (k % 2) ? petals - 1 - k / 2 : k / 2;
        const double t = double(i) / (petals - 1);
        const double cx = 76 + t * 104;
        const double tilt = (t - 0.5) * 50;
        QPainterPath petal;
        petal.moveTo(-20, 0);
        petal.cubicTo(-22, -16, -8, -28, 0, -38);
        petal.cubicTo(8, -28, 22, -16, 20, 0);
        petal.closeSubpath();
        QTransform tr;
        tr.translate(cx, 218 - std::abs(t - 0.5) * 14);
        tr.rotate(tilt);
        QLinearGradient pg(cx, 174, cx, 214);
        pg.setColorAt(0, QColor(255, 236, 150));
        pg.setColorAt(1, QColor(214, 150, 40));
        p.setPen(QPen(QColor(110, 60, 10), edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(pg);
        p.drawPath(tr.map(petal));
    }

    // Heart floating inside.
    const QRectF hr(70, 60, 116, 104);
    const QPainterPath heart = heartPath(hr);
    QLinearGradient hg(hr.topLeft(), hr.bottomRight());
    hg.setColorAt(0, QColor(255, 92, 140));
    hg.setColorAt(1, QColor(176, 8, 58));
    p.setPen(QPen(QColor(110, 0, 40), edge * 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(hg);
    p.drawPath(heart);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 232, 230));
    p.drawEllipse(QPointF(96, 88), 11, 8);

    // Glass reflections: a broad arc top-left and a dot.
    QPainterPath shine;
    shine.moveTo(c.x() - 70, c.y() - 20);
    shine.cubicTo(c.x() - 66, c.y() - 60, c.x() - 30, c.y() - 82, c.x() + 6, c.y() - 82);
    shine.cubicTo(c.x() - 26, c.y() - 70, c.x() - 54, c.y() - 48, c.x() - 70, c.y() - 20);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPath(shine);

    // Gold twinkle, top right, overlapping the glass.
    const QPointF st(204, 46);
    p.setPen(QPen(QColor(140, 84, 10), edge * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QRadialGradient stg(st, 40);
    stg.setColorAt(0, QColor(255, 252, 220));
    stg.setColorAt(1, QColor(240, 180, 40));
    p.setBrush(stg);
    p.drawPath(sparklePath(st, 42, 0.22));
}

QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    paintIconDesign(p, size);
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// Cursors, as pixel art: at 32 px a hand drawn pixel by pixel reads far
// better than a scaled vector drawing.

QImage drawHand()
{
    // The fingertip's top pixel is (3,0): the hot spot the program sets.
    static const std::vector<const char *> rows = {
        "   ##",           "  #..#",          "  #..#",          "  #..#",          "  #..#",
        "  #..#",          "  #..#",          "  #..###",        "  #..#..###",     "  #..#..#..###",
        "  #..#..#..#..#", "###..#..#..#..#", "#..#..........#", "#...#.........#", " #............#",
        " #............#", "  #...........#", "  #..........#",  "   #.........#",  "   #.........#",
        "    #.......#",   "    #.......#",   "    #########",
    };
    return fromPixelArt(rows, QStringLiteral(" #."), {qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
}

QImage drawGrab()
{
    // Closed fist from above: four curled fingers, the thumb folded along
    // the left; grey on the shadow side gives it some roundness. Centred on
    // (16,16), the default hot spot of a pixmap cursor.
    static const std::vector<const char *> rows = {
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "           ### ### ### ##",
        "          #...#...#...#..#",
        "          #...#...#...#..#",
        "        ###,,,#,,,#,,,#,,#",
        "       #..#...........,..#",
        "       #...#............,#",
        "       #....#...........,#",
        "        #...............,#",
        "        #..............,#",
        "         #.............,#",
        "          #...........,#",
        "          #...........,#",
        "           #.........,#",
        "           ###########",
    };
    return fromPixelArt(rows, QStringLiteral(" #.,"),
                        {qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(192, 192, 192)});
}

// The same two hands for dense screens, as line drawings in the 32-pixel
// frame of the pixel art (coordinates are pixel centres there), painted at
// `scale` device pixels to a pixel with a one-pixel outline.
QImage lineCursor(int scale, const QPainterPath &outline, const QPainterPath &creases,
                  const std::function<void(QPainter &)> &shade)
{
    QImage img(32 * scale, 32 * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(outline);
    if (shade) {
        p.save();
        p.setClipPath(outline);
        shade(p);
        p.restore();
    }
    const QPen ink(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(ink);
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.drawPath(creases);
    p.end();
    return img;
}

QImage drawHandAt(int scale)
{
    QPainterPath o;
    o.moveTo(2.5, 2);  // index finger, the fingertip at the top of (3,0)
    o.arcTo(QRectF(2.5, 0.5, 3, 3), 180, -180);
    o.lineTo(5.5, 9);
    o.arcTo(QRectF(5.5, 7.5, 3, 3), 180, -180);  // middle finger
    o.lineTo(8.5, 10);
    o.arcTo(QRectF(8.5, 8.5, 3, 3), 180, -180);  // ring finger
    o.lineTo(11.5, 11);
    o.arcTo(QRectF(11.5, 9.5, 3, 3), 180, -180);  // little finger
    o.lineTo(14.5, 16.5);
    o.cubicTo(14.5, 18.5, 12.5, 19.5, 12.5, 21);
    o.lineTo(12.5, 22.5);
    o.lineTo(4.5, 22.5);
    o.lineTo(4.5, 20.5);
    o.cubicTo(4.5, 18.5, 0.5, 15.5, 0.5, 13);  // palm and thumb
    o.cubicTo(0.5, 12, 1, 11.5, 1.8, 11.5);
    o.lineTo(2.5, 11.5);
    o.closeSubpath();
    QPainterPath c;
    c.moveTo(2.5, 11.5);  // the thumb against the palm
    c.lineTo(4.5, 13.5);
    for (const auto &[x, top] : {std::pair{5.5, 9.0}, std::pair{8.5, 10.0}, std::pair{11.5, 11.0}}) {
        c.moveTo(x, top);
        c.lineTo(x, 12);
    }
    return lineCursor(scale, o, c, nullptr);
}

QImage drawGrabAt(int scale)
{
    QPainterPath o;
    o.moveTo(10.5, 13.5);
    o.lineTo(10.5, 12.5);
    for (double x : {10.5, 14.5, 18.5})  // three curled fingers, then the little one
        o.arcTo(QRectF(x, 10.5, 4, 4), 180, -180);
    o.arcTo(QRectF(22.5, 10.5, 3, 3), 180, -180);
    o.lineTo(25.5, 17.5);
    o.cubicTo(25.5, 20, 22.5, 21.5, 22.5, 23.5);
    o.lineTo(11.5, 23.5);
    o.cubicTo(11.5, 21, 7.5, 18.5, 7.5, 15.5);  // the heel of the hand
    o.lineTo(7.5, 14.8);
    o.cubicTo(7.5, 14, 8, 13.5, 8.8, 13.5);  // the folded thumb
    o.closeSubpath();
    QPainterPath c;
    c.moveTo(10.5, 13.5);
    c.lineTo(12.5, 16.5);
    for (double x : {14.5, 18.5, 22.5}) {
        c.moveTo(x, 12.5);
        c.lineTo(x, 13.5);
    }
    return lineCursor(scale, o, c, [](QPainter &p) {
        // Grey under the knuckles and down the shadow side, as in the pixel art.
        const QColor grey(192, 192, 192);
        p.fillRect(QRectF(10.5, 13, 15, 1), grey);
        QPainterPath side;
        side.moveTo(26.5, 13.5);
        side.lineTo(24.5, 13.5);
        side.lineTo(24, 17.5);
        side.cubicTo(24, 19.5, 21.5, 21, 21, 23.5);
        side.lineTo(26.5, 23.5);
        side.closeSubpath();
        p.fillPath(side, grey);
    });
}

// ---------------------------------------------------------------------------
// parchment.png: the background of the shaped result window.
//
// The window is 569 x 475; the picture fills (0,8)-(561,469) and the window
// shape is a big rectangle minus the cuts below. The torn rim is drawn along
// that shape, so the cut looks like the paper's own edge. The picture is
// drawn at the proportions it is shown in, once per resolution.

constexpr int kWinW = morvane::px(morvane::design::kForm2Size.width());
constexpr int kWinH = morvane::px(morvane::design::kForm2Size.height());
constexpr QRect kSheetRect = morvane::twipsRect(morvane::design::kForm2Picture);

// Opaque controls the window lays over the sheet; the paper under and
// around them must be the plain paper colour.
const std::vector<QRect> kControls = [] {
    std::vector<QRect> rects;
    for (const QRect &twips : morvane::design::kForm2Controls)
        rects.push_back(morvane::twipsRect(twips));
    return rects;
}();

// The program's own outline, clipped to the window.
QRegion windowShape()
{
    return morvane::windowOutline() & QRegion(0, 0, kWinW, kWinH);
}

// Signed distance to the window outline in window pixels, positive inside,
// on a grid a little larger than the window.
class OutlineField
{
public:
    explicit OutlineField(const QRegion &shape)
    {
        inside_.assign(size_t(W * H), 0);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                inside_[idx(x, y)] = shape.contains(QPoint(x - M, y - M));
        std::vector<float> near(size_t(W * H), float(R));
        // Brute force within a radius: only the margin needs exact values.
        for (int y = 1; y < H - 1; ++y)
            for (int x = 1; x < W - 1; ++x) {
                const bool in = inside_[idx(x, y)];
                if (inside_[idx(x - 1, y)] == in && inside_[idx(x + 1, y)] == in && inside_[idx(x, y - 1)] == in
                    && inside_[idx(x, y + 1)] == in)
                    continue;
                for (int dy = -R; dy <= R; ++dy)
                    for (int dx = -R; dx <= R; ++dx) {
                        const int qx = x + dx, qy = y + dy;
                        if (qx < 0 || qy < 0 || qx >= W || qy >= H || inside_[idx(qx, qy)] == in)
                            continue;
                        const float d = std::sqrt(float(dx * dx + dy * dy));
                        float &n = near[idx(qx, qy)];
                        n = std::min(n, d);
                    }
            }
        dist_.resize(near.size());
        for (size_t i = 0; i < near.size(); ++i)
            dist_[i] = inside_[i] ? near[i] - 0.5f : -(near[i] - 0.5f);
    }

    // Bilinear, at a point in window coordinates (pixel centres at +0.5).
    double at(double wx, double wy) const
    {
        const double gx = wx - 0.5 + M, gy = wy - 0.5 + M;
        const int x0 = std::clamp(int(std::floor(gx)), 0, W - 2);
        const int y0 = std::clamp(int(std::floor(gy)), 0, H - 2);
        const double fx = clamp01(gx - x0), fy = clamp01(gy - y0);
        const double a = dist_[idx(x0, y0)], b = dist_[idx(x0 + 1, y0)];
        const double c = dist_[idx(x0, y0 + 1)], d = dist_[idx(x0 + 1, y0 + 1)];
        return (a * (1 - fx) + b * fx) * (1 - fy) + (c * (1 - fx) + d * fx) * fy;
    }

private:
    static constexpr int M = 8, R = 44;
    static constexpr int W = kWinW + 2 * M, H = kWinH + 2 * M;
    static size_t idx(int x, int y) { return size_t(y) * W + size_t(x); }
    std::vector<unsigned char> inside_;
    std::vector<float> dist_;
};

double distanceToControls(double wx, double wy)
{
    double best = 1e9;
    for (const QRect &r : kControls) {
        const double dx = std::max({r.left() - wx, 0.0, wx - (r.left() + r.width())});
        const double dy = std::max({r.top() - wy, 0.0, wy - (r.top() + r.height())});
        best = std::min(best, std::hypot(dx, dy));
    }
    return best;
}

// Soft brown blotches with a darker tide line, as old paper collects them.
struct Stain
{
    double x, y, r, strength;
};
const Stain kStains[] = {
    {22, 60, 15, 0.55},  {30, 440, 18, 0.6},   {536, 440, 14, 0.5}, {540, 40, 13, 0.45},
    {30, 260, 10, 0.35}, {300, 448, 12, 0.35}, {180, 24, 10, 0.3},
};

QColor paperAt(const OutlineField &field, double wx, double wy)
{
    const double d = field.at(wx, wy);
    const double nRim = fbm(wx / 9.0, wy / 9.0, 11);
    const double grain = fbm(wx / 2.2, wy / 2.2, 23, 3);
    const double mottle = fbm(wx / 14.0, wy / 14.0, 37);

    const QColor surround = mix(QColor(74, 42, 22), QColor(104, 64, 34), grain);
    // Width of the charred-and-scorched rim, irregular along the edge.
    const double rim = 3.2 + 3.6 * nRim + 1.6 * fbm(wx / 3.0, wy / 3.0, 71, 2);
    if (d < -2.5) {
        // Outside the outline: cut away, but a soft step avoids a hard seam
        // if the window samples between picture pixels.
        return mix(QColor(60, 32, 16), surround, smoothstep(-2.5, -5.0, d));
    }
    const QColor charred = mix(QColor(54, 28, 12), QColor(84, 46, 20), grain);
    const QColor burnt(150, 88, 36);
    const QColor scorch(206, 156, 84);
    const QColor aged(236, 214, 146);
    if (d < rim) {
        const double t = d / rim;
        if (t < 0.35)
            return charred;
        if (t < 0.7)
            return mix(charred, burnt, smoothstep(0.35, 0.7, t + 0.15 * (grain - 0.5)));
        return mix(burnt, scorch, smoothstep(0.7, 1.0, t));
    }

    // Ageing fades into the paper, and is held off the controls entirely.
    const double ageWidth = 7 + 9 * mottle;
    const double u = (d - rim) / ageWidth;
    const double keep = smoothstep(4.0, 12.0, distanceToControls(wx, wy));
    QColor c = mix(scorch, aged, smoothstep(0.0, 0.35, u));
    c = mix(c, kPaper, smoothstep(0.2, 1.0, u));
    double tint = 0;
    // Fibrous mottling only in the aged band.
    tint += (1 - smoothstep(0.3, 1.3, u)) * 0.25 * (grain - 0.5);
    for (const Stain &s : kStains) {
        // Warp the blotch so it is never a clean circle.
        const double wob = s.r * (0.7 + 0.6 * fbm(wx / 6.0, wy / 6.0, 53));
        const double rr = std::hypot(wx - s.x, wy - s.y) / wob;
        if (rr < 1.3) {
            const double body = (1 - smoothstep(0.0, 1.0, rr)) * 0.3;
            const double tide = std::exp(-std::pow((rr - 0.9) / 0.12, 2)) * 0.12;
            tint += s.strength * (body + tide) * (1 - smoothstep(12, 30, d));
        }
    }
    // Foxing: a sprinkle of small rust specks, only in the margin.
    {
        constexpr double cell = 11;
        const int cx = int(std::floor(wx / cell)), cy = int(std::floor(wy / cell));
        for (int j = cy - 1; j <= cy + 1; ++j)
            for (int i = cx - 1; i <= cx + 1; ++i) {
                if (hash2(i, j, 91) > 0.22)
                    continue;
                const double sx = (i + hash2(i, j, 92)) * cell, sy = (j + hash2(i, j, 93)) * cell;
                const double sr = 1.0 + 1.6 * hash2(i, j, 94);
                const double rr = std::hypot((wx - sx) / sr, (wy - sy) / sr);
                tint += 0.45 * (1 - smoothstep(0.3, 1.0, rr)) * (1 - smoothstep(8, 20, d));
            }
    }
    const QColor stain(200, 150, 80);
    c = mix(c, stain, clamp01(tint));
    return mix(kPaper, c, keep);
}

// A small ornament between the print and close buttons: a heart between
// two kanok leaves. Drawn in window coordinates; the caller maps them.
void paintSheetOrnament(QPainter &p)
{
    const QPointF c(288.5, 416.5);
    const QColor inkLight(240, 206, 130), ink(204, 150, 64), inkEdge(150, 96, 40);
    QLinearGradient rule(c.x() - 44, 0, c.x() + 44, 0);
    rule.setColorAt(0, withAlpha(ink, 0));
    rule.setColorAt(0.3, ink);
    rule.setColorAt(0.7, ink);
    rule.setColorAt(1, withAlpha(ink, 0));
    p.setPen(QPen(QBrush(rule), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 44, c.y() + 5), QPointF(c.x() + 44, c.y() + 5));
    paintKanok(p, QPointF(c.x() - 9, c.y() + 4), 19, -6, true, inkLight, ink, inkEdge, 0.9);
    paintKanok(p, QPointF(c.x() + 9, c.y() + 4), 19, 6, false, inkLight, ink, inkEdge, 0.9);
    paintGoldHeart(p, QRectF(c.x() - 8, c.y() - 6, 16, 15), QColor(236, 90, 130), QColor(170, 30, 70),
                   QColor(120, 20, 50), 0.9);
    for (int side = -1; side <= 1; side += 2)
        paintSparkle(p, QPointF(c.x() + side * 38, c.y() - 2), 3.2, QColor(220, 170, 80), 0);
}

// `scale` picture pixels to a window pixel.
QImage drawParchment(const OutlineField &field, int scale)
{
    QImage img(kSheetRect.size() * scale, QImage::Format_RGB888);
    // Sixteen samples to a window pixel at every scale, so the noise and the
    // rim come out alike at each resolution.
    const int S = 4 / scale;
    for (int iy = 0; iy < img.height(); ++iy)
        for (int ix = 0; ix < img.width(); ++ix) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < S; ++sy)
                for (int sx = 0; sx < S; ++sx) {
                    const double wx = kSheetRect.x() + (ix + (sx + 0.5) / S) / scale;
                    const double wy = kSheetRect.y() + (iy + (sy + 0.5) / S) / scale;
                    const QColor c = paperAt(field, wx, wy);
                    r += c.red();
                    g += c.green();
                    b += c.blue();
                }
            img.setPixelColor(
                ix, iy,
                QColor(int(std::lround(r / (S * S))), int(std::lround(g / (S * S))), int(std::lround(b / (S * S)))));
        }

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.translate(-kSheetRect.x(), -kSheetRect.y());
    paintSheetOrnament(p);
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// about.png: a rose with a heart, for the peach About window.

// Drawn in the picture's 57 x 107 pixels; `scale` multiplies the resolution.
QImage drawAbout(int scale)
{
    QImage img(morvane::twipsRect(morvane::design::kForm4Picture).size() * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(kAboutBack);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    softGlow(p, QPointF(28.5, 53), QSizeF(26, 50), QColor(255, 244, 232), 0.6, QColor(255, 236, 216, 170), kAboutBack);

    // Stem with two leaves.
    QPainterPath stem;
    stem.moveTo(28, 52);
    stem.cubicTo(25, 66, 33, 78, 28.5, 90);
    p.setPen(QPen(QColor(54, 110, 48), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    auto leaf = [&](QPointF base, double len, double angle) {
        QPainterPath l;
        l.moveTo(0, 0);
        l.cubicTo(len * 0.3, -len * 0.35, len * 0.8, -len * 0.3, len, 0);
        l.cubicTo(len * 0.75, len * 0.3, len * 0.3, len * 0.3, 0, 0);
        QTransform t;
        t.translate(base.x(), base.y());
        t.rotate(angle);
        const QPainterPath m = t.map(l);
        QLinearGradient g(base, t.map(QPointF(len, 0)));
        g.setColorAt(0, QColor(60, 130, 56));
        g.setColorAt(1, QColor(120, 180, 90));
        p.setPen(QPen(QColor(34, 80, 34), 0.7));
        p.setBrush(g);
        p.drawPath(m);
        QPainterPath vein;
        vein.moveTo(t.map(QPointF(0, 0)));
        vein.lineTo(t.map(QPointF(len * 0.85, 0)));
        p.setPen(QPen(QColor(34, 80, 34, 160), 0.5));
        p.drawPath(vein);
    };
    leaf(QPointF(28.5, 68), 14, 200);
    leaf(QPointF(29.5, 80), 14, -25);

    // Rose head: back petals, cup, spiral, front petals.
    const QPointF rc(28.5, 42);
    const QColor deep(128, 6, 40), mid(196, 24, 64), light(238, 84, 112);
    auto petal = [&](QPointF at, double w, double h, double angle, const QColor &a, const QColor &b) {
        QPainterPath pp;
        pp.moveTo(-w / 2, 0);
        pp.cubicTo(-w / 2, -h * 0.9, w / 2, -h * 0.9, w / 2, 0);
        pp.cubicTo(w / 3, h * 0.35, -w / 3, h * 0.35, -w / 2, 0);
        QTransform t;
        t.translate(at.x(), at.y());
        t.rotate(angle);
        QLinearGradient g(t.map(QPointF(0, -h)), t.map(QPointF(0, h * 0.3)));
        g.setColorAt(0, a);
        g.setColorAt(1, b);
        p.setPen(QPen(QColor(90, 0, 26), 0.6));
        p.setBrush(g);
        p.drawPath(t.map(pp));
    };
    petal(rc + QPointF(-7, 0), 14, 14, -40, mid, deep);
    petal(rc + QPointF(7, 0), 14, 14, 40, mid, deep);
    petal(rc + QPointF(0, -3), 16, 14, 0, light, mid);
    // Cup.
    QPainterPath cup;
    cup.moveTo(rc.x() - 11, rc.y() - 2);
    cup.cubicTo(rc.x() - 11, rc.y() + 9, rc.x() - 4, rc.y() + 12, rc.x(), rc.y() + 12);
    cup.cubicTo(rc.x() + 4, rc.y() + 12, rc.x() + 11, rc.y() + 9, rc.x() + 11, rc.y() - 2);
    cup.cubicTo(rc.x() + 6, rc.y() + 2, rc.x() - 6, rc.y() + 2, rc.x() - 11, rc.y() - 2);
    QLinearGradient cg(rc + QPointF(-11, 0), rc + QPointF(11, 0));
    cg.setColorAt(0, mid);
    cg.setColorAt(0.45, light);
    cg.setColorAt(1, deep);
    p.setPen(QPen(QColor(90, 0, 26), 0.6));
    p.setBrush(cg);
    p.drawPath(cup);
    // Spiral of the inner petals.
    QPainterPath spiral;
    spiral.moveTo(rc.x() - 6, rc.y() - 1);
    spiral.cubicTo(rc.x() - 6, rc.y() - 8, rc.x() + 6, rc.y() - 8, rc.x() + 5, rc.y() - 2);
    spiral.cubicTo(rc.x() + 4, rc.y() + 2, rc.x() - 3, rc.y() + 2, rc.x() - 3, rc.y() - 2);
    spiral.cubicTo(rc.x() - 3, rc.y() - 5, rc.x() + 2, rc.y() - 5, rc.x() + 2, rc.y() - 2);
    p.setPen(QPen(deep, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiral);
    // Sepals where the head meets the stem.
    p.setPen(QPen(QColor(34, 80, 34), 0.6));
    p.setBrush(QColor(70, 140, 60));
    QPainterPath sepal;
    sepal.moveTo(rc.x() - 6, rc.y() + 9);
    sepal.quadTo(rc.x() - 1, rc.y() + 13, rc.x(), rc.y() + 15);
    sepal.quadTo(rc.x() + 1, rc.y() + 13, rc.x() + 6, rc.y() + 9);
    sepal.quadTo(rc.x(), rc.y() + 12, rc.x() - 6, rc.y() + 9);
    p.drawPath(sepal);

    // Heart and twinkles above.
    paintGoldHeart(p, QRectF(19, 5, 19, 17), QColor(250, 100, 140), QColor(180, 20, 70), QColor(120, 10, 50), 0.8);
    paintSparkle(p, QPointF(45, 9), 3.5, QColor(255, 216, 110));
    paintSparkle(p, QPointF(11, 22), 2.6, QColor(255, 216, 110));
    paintSparkle(p, QPointF(47, 30), 2.2, QColor(255, 255, 255));

    // The rose stands in a phan, the footed gold tray of Thai offerings,
    // with kanok flicks rising from its rim.
    paintKanok(p, QPointF(22, 90), 11, -20, true, kGoldLight, kGold, kGoldDark, 0.5);
    paintKanok(p, QPointF(35, 90), 11, 20, false, kGoldLight, kGold, kGoldDark, 0.5);
    QPainterPath phan;
    phan.moveTo(15, 89);
    phan.lineTo(42, 89);
    phan.cubicTo(41, 93, 36, 95.5, 32, 96);
    phan.lineTo(31.5, 99);
    phan.cubicTo(34, 100, 37, 102, 37.5, 104.5);
    phan.lineTo(19.5, 104.5);
    phan.cubicTo(20, 102, 23, 100, 25.5, 99);
    phan.lineTo(25, 96);
    phan.cubicTo(21, 95.5, 16, 93, 15, 89);
    phan.closeSubpath();
    QLinearGradient pg(15, 0, 42, 0);
    pg.setColorAt(0, QColor(196, 132, 30));
    pg.setColorAt(0.4, QColor(255, 234, 150));
    pg.setColorAt(1, QColor(180, 116, 24));
    p.setPen(QPen(kGoldDark, 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(pg);
    p.drawPath(phan);
    p.setPen(QPen(withAlpha(kGoldDark, 160), 0.5));
    p.drawLine(QPointF(17, 91.2), QPointF(40, 91.2));
    p.drawLine(QPointF(22, 102), QPointF(35, 102));
    paintGoldHeart(p, QRectF(26, 91.8, 5, 4.6), QColor(240, 80, 120), QColor(170, 20, 60), QColor(110, 0, 40), 0.3,
                   false);
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// Previews, for judging the pictures by eye.

QImage enlarge(const QImage &img, int factor, const QColor &back)
{
    QImage out(img.size() * factor, QImage::Format_ARGB32_Premultiplied);
    out.fill(back);
    QPainter p(&out);
    p.drawImage(QRect(QPoint(0, 0), out.size()), img);
    p.end();
    return out;
}

// How many border pixels differ from the colour the picture sits on.
int borderMismatches(const QImage &img, const QColor &back)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((x == 0 || y == 0 || x == img.width() - 1 || y == img.height() - 1)
                && img.pixelColor(x, y).rgb() != back.rgb())
                ++n;
    return n;
}

QImage checker(QSize s)
{
    QImage out(s, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            out.setPixel(x, y, ((x / 8 + y / 8) % 2) ? qRgb(200, 200, 200) : qRgb(240, 240, 240));
    return out;
}

// Numbers behind the mock-up: the paper under the controls, and what the
// window shows right at its cut.
void reportSheet(const QImage &win, const QRegion &shape, const OutlineField &field, const char *label)
{
    int worstPaper = 0, lightEdge = 0, edgePixels = 0, maxEdgeLuma = 0, tornNearControls = 0;
    QPoint worstAt;
    // Visible pixels the picture does not cover would show the pink behind.
    const int uncovered = int((shape - QRegion(kSheetRect)).rectCount());
    for (int y = 0; y < kWinH; ++y)
        for (int x = 0; x < kWinW; ++x) {
            if (!shape.contains(QPoint(x, y)))
                continue;
            const QColor c = win.pixelColor(x, y);
            // Where the tear itself reaches a control there is no room for
            // plain paper; count those separately.
            if (distanceToControls(x + 0.5, y + 0.5) < 4 && field.at(x + 0.5, y + 0.5) < 10) {
                ++tornNearControls;
            } else if (distanceToControls(x + 0.5, y + 0.5) < 4) {
                const int dev
                    = std::max({std::abs(c.red() - 255), std::abs(c.green() - 255), std::abs(c.blue() - 192)});
                if (dev > worstPaper)
                    worstAt = QPoint(x, y);
                worstPaper = std::max(worstPaper, dev);
            }
            const bool edge = !shape.contains(QPoint(x - 1, y)) || !shape.contains(QPoint(x + 1, y))
                              || !shape.contains(QPoint(x, y - 1)) || !shape.contains(QPoint(x, y + 1));
            if (edge) {
                ++edgePixels;
                const int luma = qGray(c.rgb());
                maxEdgeLuma = std::max(maxEdgeLuma, luma);
                if (luma > 150)
                    ++lightEdge;
            }
        }
    if (uncovered)
        std::printf("%s: %d visible rectangles outside the picture\n", label, uncovered);
    std::printf("%s: paper near controls deviates by <= %d (at %d,%d; %d pixels where the tear meets one);"
                " %d edge pixels, %d light, brightest luma %d\n",
                label, worstPaper, worstAt.x(), worstAt.y(), tornNearControls, edgePixels, lightEdge, maxEdgeLuma);
}

// The result window as it shows at `scale`: the sheet drawn for that scale,
// the outline as the window system cuts it (each window pixel a square of
// `scale` pixels), the cut-away grey.
QImage windowMockup(const QImage &sheet, const QRegion &shape, int scale)
{
    QImage win(QSize(kWinW, kWinH) * scale, QImage::Format_ARGB32_Premultiplied);
    win.fill(kBannerBack);
    QPainter p(&win);
    p.scale(scale, scale);
    p.drawImage(kSheetRect, sheet);
    for (const QRect &r : kControls)
        p.fillRect(r, kPaper);
    p.setClipRegion(QRegion(0, 0, kWinW, kWinH) - shape);
    p.fillRect(QRect(0, 0, kWinW, kWinH), QColor(60, 60, 60));
    p.end();
    return win;
}

// How much finer a picture drawn at twice the resolution is than its 1x
// drawing enlarged: the mean absolute difference (0-255) between the 2x
// drawing and the 1x one enlarged smoothly, and the same for the 1x one
// enlarged pixel by pixel. Near-zero would mean the 2x drawing adds nothing.
void reportSharpness(const char *name, const QImage &one, const QImage &two)
{
    const auto meanDiff = [](const QImage &a, const QImage &b) {
        double sum = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            }
        return sum / (3.0 * a.width() * a.height());
    };
    const QImage smooth = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage blocky = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    std::printf("%s: 2x drawing against the 1x enlarged: %.2f smoothly, %.2f pixel by pixel\n", name,
                meanDiff(two, smooth), meanDiff(two, blocky));
}

bool save(const QImage &img, const QString &path, const char *format = nullptr)
{
    if (!img.save(path, format)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%-12s %dx%d  %s\n", qPrintable(QFileInfo(path).fileName()), img.width(), img.height(),
                img.format() == QImage::Format_Indexed8
                    ? qPrintable(QStringLiteral("indexed, %1 colours").arg(img.colorCount()))
                    : "full colour");
    return true;
}

}  // namespace

// The scalable icon: the same drawing as the pictures, as SVG paths.
bool saveSvgIcon(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Morvane"));
    svg.setDescription(QStringLiteral("A crystal ball with a heart on a lotus stand"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    paintIconDesign(p, 256);
    p.end();
    // The generator gives the size in millimetres; icon themes want pixels.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    text.replace(QRegularExpression(QStringLiteral("width=\"[0-9.]+mm\" height=\"[0-9.]+mm\"")),
                 QStringLiteral("width=\"256\" height=\"256\""));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%-16s scalable\n", qPrintable(QFileInfo(path).fileName()));
    return true;
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString previewDir;
    const int flag = int(args.indexOf(QStringLiteral("--preview")));
    if (flag >= 0 && flag + 1 < args.size()) {
        previewDir = args.at(flag + 1);
        args.remove(flag, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: drawassets <output folder> [--preview <folder>]\n");
        return 2;
    }
    const QDir out(args.at(0));
    if (!QDir().mkpath(out.path()))
        return 1;

    const QRegion shape = windowShape();
    const OutlineField field(shape);
    // Every picture at the size it is shown and at twice that, for screens
    // scaled beyond 100 %; name@2x.png is the second.
    QImage banner[3], about[3], sheet[3], hand[3], grab[3];
    for (int scale : {1, 2}) {
        banner[scale] = drawBanner(scale).convertToFormat(QImage::Format_RGB32);
        about[scale] = drawAbout(scale).convertToFormat(QImage::Format_RGB32);
        sheet[scale] = drawParchment(field, scale);
    }
    // At 1x the hands are pixel art; at 2x line drawings of the same hands.
    hand[1] = drawHand();
    hand[2] = drawHandAt(2);
    grab[1] = drawGrab();
    grab[2] = drawGrabAt(2);

    bool ok = true;
    for (int scale : {1, 2}) {
        const QString at = scale == 2 ? QStringLiteral("@2x") : QString();
        ok &= save(banner[scale], out.filePath(QStringLiteral("banner%1.png").arg(at)));
        ok &= save(about[scale], out.filePath(QStringLiteral("about%1.png").arg(at)));
        ok &= save(sheet[scale], out.filePath(QStringLiteral("parchment%1.png").arg(at)));
        ok &= save(hand[scale], out.filePath(QStringLiteral("hand%1.png").arg(at)));
        ok &= save(grab[scale], out.filePath(QStringLiteral("grab%1.png").arg(at)));
    }
    // The icon at the sizes desktops ask for; 32 keeps its 16 colours.
    std::vector<QImage> icons;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icons.push_back(size == 32 ? toIndexed(drawIcon(32), 16) : drawIcon(size));
        ok &= save(icons.back(), out.filePath(QStringLiteral("icon-%1.png").arg(size)));
    }
    ok &= saveSvgIcon(out.filePath(QStringLiteral("icon.svg")));

    if (!previewDir.isEmpty()) {
        const QDir pv(previewDir);
        QDir().mkpath(pv.path());
        std::printf("border pixels off the background: banner %d, about %d\n", borderMismatches(banner[1], kBannerBack),
                    borderMismatches(about[1], kAboutBack));
        {
            // What the today line hides: the banner's rows beneath it should
            // be the window's pink, give or take the glow's last breath.
            int worst = 0;
            for (int y = kBannerCoveredFrom; y < banner[1].height(); ++y)
                for (int x = 0; x < banner[1].width(); ++x) {
                    const QColor c = banner[1].pixelColor(x, y);
                    worst = std::max({worst, std::abs(c.red() - kBannerBack.red()),
                                      std::abs(c.green() - kBannerBack.green()),
                                      std::abs(c.blue() - kBannerBack.blue())});
                }
            std::printf("banner rows under the today line differ from the window by <= %d\n", worst);
        }
        reportSharpness("banner", banner[1], banner[2]);
        reportSharpness("about", about[1], about[2]);
        reportSharpness("parchment", sheet[1], sheet[2]);
        for (int scale : {1, 2}) {
            // The banner on its window background, the today line's place marked.
            QImage ctx(QSize(413, 161) * scale, QImage::Format_RGB32);
            ctx.fill(kBannerBack);
            QPainter p(&ctx);
            p.drawImage(20 * scale, 20 * scale, banner[scale]);
            p.setPen(QColor(0, 120, 255));
            p.scale(scale, scale);
            p.drawRect(QRectF(20 + kBannerRect.width() * 0.05, 20 + kBannerCoveredFrom, kBannerRect.width() * 0.9, 17));
            p.end();
            ctx.save(pv.filePath(QStringLiteral("banner-in-window-%1x.png").arg(scale)));
        }
        enlarge(banner[1], 2, Qt::white).save(pv.filePath("banner-1x-enlarged.png"));
        QImage iconSheet = checker(QSize(16 + 24 + 32 + 48 + 64 + 128 + 256 + 80, 256 + 20));
        {
            QPainter p(&iconSheet);
            int x = 10;
            for (const QImage &icon : icons) {
                p.drawImage(x, 10, icon.convertToFormat(QImage::Format_ARGB32));
                x += icon.width() + 10;
            }
            p.end();
        }
        iconSheet.save(pv.filePath("icons.png"));
        for (const auto &[name, art] : {std::pair{"hand", hand}, std::pair{"grab", grab}}) {
            // 1x and 2x side by side, each enlarged to the same size.
            QImage c = checker(QSize(2 * 320 + 30, 340));
            QPainter p(&c);
            p.drawImage(QRect(10, 10, 320, 320), art[1].convertToFormat(QImage::Format_ARGB32));
            p.drawImage(QRect(340, 10, 320, 320), art[2].convertToFormat(QImage::Format_ARGB32));
            p.end();
            c.save(pv.filePath(QStringLiteral("%1-1x-2x.png").arg(QLatin1String(name))));
        }
        {
            // The kanok leaf large and small, to judge its outline.
            QImage m(800, 300, QImage::Format_RGB32);
            m.fill(kBannerBack);
            QPainter p(&m);
            p.setRenderHint(QPainter::Antialiasing);
            paintKanok(p, QPointF(30, 200), 220, 0, false, kGoldLight, kGold, kGoldDark, 2);
            paintKanok(p, QPointF(500, 200), 220, 0, true, kGoldLight, kGold, kGoldDark, 2);
            paintKanok(p, QPointF(560, 260), 40, 0, false, kGoldLight, kGold, kGoldDark, 0.8);
            paintKanok(p, QPointF(620, 260), 22, 0, false, kGoldLight, kGold, kGoldDark, 0.8);
            p.end();
            m.save(pv.filePath("motifs.png"));
        }
        enlarge(about[2], 2, Qt::white).save(pv.filePath("about-2x-enlarged.png"));
        {
            QImage win = windowMockup(sheet[1], shape, 1);
            QImage plain(kWinW, kWinH, QImage::Format_ARGB32_Premultiplied);
            plain.fill(kBannerBack);
            QPainter p(&plain);
            p.drawImage(kSheetRect, sheet[1]);
            for (const QRect &r : kControls)
                p.fillRect(r, kPaper);
            p.end();
            reportSheet(plain, shape, field, "sheet");
            win.save(pv.filePath("window-1x.png"));
            const QImage win2 = windowMockup(sheet[2], shape, 2);
            win2.save(pv.filePath("window-2x.png"));
            enlarge(win.copy(0, 0, 200, 160), 4, Qt::white).save(pv.filePath("window-topleft-1x-enlarged.png"));
            enlarge(win2.copy(0, 0, 400, 320), 2, Qt::white).save(pv.filePath("window-topleft-2x-enlarged.png"));
            enlarge(win2.copy(456, 784, 244, 96), 3, Qt::white).save(pv.filePath("window-ornament-2x-enlarged.png"));
            // Same, with the controls outlined, to see how close the tear comes.
            QImage marked = win;
            p.begin(&marked);
            p.setPen(QColor(0, 120, 255));
            for (const QRect &r : kControls)
                p.drawRect(r.adjusted(0, 0, -1, -1));
            p.end();
            enlarge(marked, 2, Qt::white).save(pv.filePath("window-controls-2x.png"));
        }
    }
    return ok ? 0 : 1;
}
