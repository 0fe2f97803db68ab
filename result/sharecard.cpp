#include "sharecard.h"

#include "design.h"
#include "fonts.h"
#include "messages.h"
#include "pictures.h"
#include "prediction.h"
#include "report.h"
#include "text.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextLayout>

#include <png.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace morvane {
namespace {

using design::Face;
using design::Family;

// The card stands on the result window's parchment picture at 2x, scaled
// to the card's width: at 1122 pixels it is drawn a little larger than
// the card, so nothing is enlarged.
constexpr QSize kSheet2x{1122, 922};
// Between these rows of the 2x picture the sheet is plain paper between
// its two torn sides. A longer card walks up and down this band, a mirror
// image on the way back, so the torn edge runs on without a seam.
constexpr int kBandTop2x = 200;
constexpr int kBandBottom2x = 760;
// The ornament between "พิมพ์" and "ปิด" in the 2x picture, with a rim of
// plain paper round it (tools/drawassets draws it about window pixel
// (288.5, 416.5)). The card takes it up under the birth line.
constexpr QRect kOrnament2x{484, 784, 186, 56};

// The column the text is set in, clear of the torn sides, and the room
// kept at the top and under the foot for the torn top and bottom edges.
constexpr int kColumnLeft = 120;
constexpr int kColumnWidth = 840;
constexpr int kTopRoom = 104;
constexpr int kFootRoom = 78;

constexpr QColor kHeadingInk{150, 30, 80};  // the heart of the ornament
constexpr QColor kReadingInk{40, 30, 20};
constexpr QColor kFootInk{130, 96, 52};  // the ornament's leaves

// Sizes in points at 96 dpi, in the families the windows ask for.
constexpr qreal kNamePoints[] = {66, 54, 44, 36, 30, 24, 18};  // the first that keeps the name to two lines
constexpr Face kBirthFace{Family::BrowalliaUPC, 32, true};
constexpr Face kHeadingFace{Family::BrowalliaUPC, 36, true};
constexpr Face kReadingFace{Family::MSSansSerif, 23};
constexpr Face kDateFace{Family::MSSansSerif, 15};
constexpr Face kProgramFace{Family::MSSansSerif, 13, false, true};

// The paper as the card uses it, scaled once: the whole sheet without its
// ornament, the band mirrored for the walk back, and the ornament.
struct Paper
{
    QImage sheet;
    QImage bandUp;
    QImage ornament;
    int bandTop = 0;
    int bandBottom = 0;
};

const Paper &paper()
{
    static const Paper made = [] {
        QImage picture = parchment(2).toImage().convertToFormat(QImage::Format_RGB32);
        picture.setDevicePixelRatio(1);
        const qreal scale = qreal(kShareCardWidth) / picture.width();
        const auto scaled = [scale](const QImage &image) {
            return image.scaled(qRound(image.width() * scale), qRound(image.height() * scale), Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
        };
        Paper p;
        p.ornament = scaled(picture.copy(kOrnament2x));
        {
            QPainter blank(&picture);
            blank.fillRect(kOrnament2x, design::kSheet);
        }
        p.sheet = scaled(picture);
        p.bandTop = qRound(kBandTop2x * scale);
        p.bandBottom = qRound(kBandBottom2x * scale);
        p.bandUp = p.sheet.copy(0, p.bandTop, p.sheet.width(), p.bandBottom - p.bandTop).mirrored(false, true);
        return p;
    }();
    return made;
}

// The sheet lengthened to `height` rows: its top, the band walked down,
// up and down again as far as the height asks, and its bottom.
void paintSheet(QPainter &painter, int height)
{
    const Paper &p = paper();
    const int width = p.sheet.width();
    const int band = p.bandBottom - p.bandTop;
    const int bottom = p.sheet.height() - p.bandBottom;
    int y = 0;
    const auto down = [&](int from, int rows) {
        painter.drawImage(QRect(0, y, width, rows), p.sheet, QRect(0, from, width, rows));
        y += rows;
    };
    const auto up = [&](int rows) {  // from the band's last row upwards
        painter.drawImage(QRect(0, y, width, rows), p.bandUp, QRect(0, 0, width, rows));
        y += rows;
    };
    down(0, p.bandBottom);
    int left = height - p.sheet.height();
    while (left > 0) {
        const int back = std::min(band, (left + 1) / 2);
        const int forth = std::min(back, left - back);
        up(back);
        down(p.bandBottom - forth, forth);
        left -= back + forth;
    }
    down(p.bandBottom, bottom);
}

QFont cardFont(const Face &face)
{
    QFont font = resolveFont(face);
    // In pixels, so that the card comes out the same whatever the screen.
    font.setPixelSize(qRound(font.pointSizeF() * 96 / 72));
    return font;
}

// One paragraph set across the column: Thai broken between words (libthai,
// through Qt's text layout), a run that no line can hold anywhere it must.
class Block
{
public:
    Block(const QString &text, const QFont &font, const QColor &ink, bool centred, qreal indent = 0)
        : layout_(text, font), ink_(ink)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_.setTextOption(option);
        layout_.setCacheEnabled(true);
        layout_.beginLayout();
        qreal y = 0;
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            const qreal x = layout_.lineCount() == 1 ? indent : 0;
            line.setLineWidth(kColumnWidth - x);
            line.setPosition(QPointF(centred ? (kColumnWidth - line.naturalTextWidth()) / 2 : x, y));
            y += line.height();
        }
        layout_.endLayout();
        height_ = y;
    }

    qreal height() const { return height_; }
    int lines() const { return layout_.lineCount(); }

    void draw(QPainter &painter, qreal top) const
    {
        painter.setPen(ink_);
        layout_.draw(&painter, QPointF(kColumnLeft, top));
    }

private:
    QTextLayout layout_;
    QColor ink_;
    qreal height_ = 0;
};

// The reading box's text in its parts: headings, paragraphs and the blank
// lines between sections. A heading stands at the start of its line; a
// paragraph is indented.
struct Part
{
    enum Kind { Heading, Paragraph, Gap } kind;
    QString text;
};

QList<Part> readingParts(const Prediction &prediction)
{
    QList<Part> parts;
    const QString display = toQString(prediction.texts.display);
    for (const QString &line : display.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString text = line.trimmed();
        if (text.isEmpty()) {
            if (!parts.isEmpty() && parts.last().kind != Part::Gap)
                parts.append({Part::Gap, QString()});
        } else {
            parts.append({line.front().isSpace() ? Part::Paragraph : Part::Heading, text});
        }
    }
    while (!parts.isEmpty() && parts.last().kind == Part::Gap)
        parts.removeLast();
    return parts;
}

// Where libpng writes: a device that, once a write has failed, takes no
// more, so that a full disk ends in a false from writePng, not a jump.
struct PngOutput
{
    QIODevice &device;
    bool failed = false;
};

void writeToDevice(png_structp png, png_bytep data, png_size_t length)
{
    auto *out = static_cast<PngOutput *>(png_get_io_ptr(png));
    if (!out->failed)
        out->failed = out->device.write(reinterpret_cast<const char *>(data), qint64(length)) != qint64(length);
}

void flushNothing(png_structp) { }

// libpng is used directly for the filter: Qt's writer lets it try all five
// on every row, which takes twice as long for a file no smaller. Each row
// from the one above suits the card, whose paper runs down in plain
// columns; at zlib's fastest level the paper's grain leaves little else to
// squeeze. libpng reports its own errors by a jump back to the setjmp here;
// nothing between the two owns anything, so no destructor is skipped.
bool encodePng(png_structp png, png_infop info, const QImage &rgb, PngOutput &output)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, &output, writeToDevice, flushNothing);
    png_set_IHDR(png, info, png_uint_32(rgb.width()), png_uint_32(rgb.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (int y = 0; y < rgb.height(); ++y)
        png_write_row(png, rgb.constScanLine(y));
    png_write_end(png, info);
    return true;
}

QString predictionDate(const Prediction &prediction)
{
    const Moment &m = prediction.moment;
    return QStringLiteral(u"ทำนายเมื่อ") + stampDate(QDate(m.year, m.month, m.day));
}

}  // namespace

QImage shareCard(const Prediction &prediction)
{
    // Everything is set first, for the height; then the paper, then the ink.
    std::vector<std::unique_ptr<Block>> blocks;
    std::vector<qreal> tops;
    qreal y = kTopRoom;
    const auto add = [&](std::unique_ptr<Block> block, qreal spaceAfter) {
        tops.push_back(y);
        y += block->height() + spaceAfter;
        blocks.push_back(std::move(block));
    };

    // A long name steps down in size rather than fill the card; the longest
    // runs on over as many lines as it needs, never cut.
    const QString name = toQString(prediction.assembled.nameLine);
    std::unique_ptr<Block> nameBlock;
    for (const qreal points : kNamePoints) {
        nameBlock
            = std::make_unique<Block>(name, cardFont({Family::BrowalliaUPC, points, true}), design::kNameText, true);
        if (nameBlock->lines() <= 2)
            break;
    }
    add(std::move(nameBlock), 4);
    add(std::make_unique<Block>(toQString(prediction.assembled.birthLine), cardFont(kBirthFace), design::kBirthdayText,
                                true),
        16);
    const QImage &ornament = paper().ornament;
    const qreal ornamentTop = y;
    y += ornament.height() + 18;

    const QFont headingFont = cardFont(kHeadingFace);
    const QFont readingFont = cardFont(kReadingFace);
    const qreal indent = QFontMetricsF(readingFont).horizontalAdvance(QStringLiteral("    "));
    for (const Part &part : readingParts(prediction)) {
        switch (part.kind) {
        case Part::Heading:
            add(std::make_unique<Block>(part.text, headingFont, kHeadingInk, false), 2);
            break;
        case Part::Paragraph:
            add(std::make_unique<Block>(part.text, readingFont, kReadingInk, false, indent), 8);
            break;
        case Part::Gap:
            y += 14;
            break;
        }
    }

    // The foot stands at the bottom of the paper, however short the reading.
    Block date(predictionDate(prediction), cardFont(kDateFace), kFootInk, true);
    Block program(QStringLiteral("Morvane"), cardFont(kProgramFace), kFootInk, true);
    const qreal foot = date.height() + program.height();
    y += 36;
    const int height = std::max(paper().sheet.height(), qCeil(y + foot) + kFootRoom);

    QImage card(kShareCardWidth, height, QImage::Format_RGB32);
    if (card.isNull())  // no memory for a name of tens of thousands of letters
        return card;
    QPainter painter(&card);
    paintSheet(painter, height);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawImage(QPointF((kShareCardWidth - ornament.width()) / 2.0, ornamentTop), ornament);
    for (std::size_t i = 0; i < blocks.size(); ++i)
        blocks[i]->draw(painter, tops[i]);
    const qreal footTop = height - kFootRoom - foot;
    date.draw(painter, footTop);
    program.draw(painter, footTop + date.height());
    painter.end();
    return card;
}

QString shareText(const Prediction &prediction)
{
    QStringList lines
        = {toQString(prediction.assembled.nameLine), toQString(prediction.assembled.birthLine), QString()};
    for (const Part &part : readingParts(prediction))
        lines.append(part.text);
    return lines.join(u'\n') + u'\n';
}

QMimeData *shareMimeData(const Prediction &prediction)
{
    auto *data = new QMimeData;
    data->setText(shareText(prediction));
    if (const QImage card = shareCard(prediction); !card.isNull())
        data->setImageData(card);
    return data;
}

bool writePng(const QImage &picture, QIODevice &device)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    PngOutput output{device};
    const bool written = info && encodePng(png, info, rgb, output) && !output.failed;
    png_destroy_write_struct(&png, &info);
    return written;
}

QString savePng(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        return messages::kNoMemoryForPicture;
    const bool replacing = QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const bool folder = QFileInfo(QFileInfo(path).absolutePath()).isDir();
        return messages::saveTrouble(folder ? SaveTrouble::CannotWrite : SaveTrouble::NoFolder, path, replacing);
    }
    // Where a full disk shows: the writer, or the buffered rest at the
    // flush. A failed save is discarded, and an earlier file stays.
    if (!writePng(picture, file) || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return messages::saveTrouble(SaveTrouble::WriteFailed, path, replacing);
    }
    if (!file.commit())
        return messages::saveTrouble(SaveTrouble::WriteFailed, path, replacing);
    return QString();
}

}  // namespace morvane
