#include "pangoprinter.h"

#include "fonts.h"
#include "version.h"

#include <QIODevice>
#include <QRect>

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <algorithm>

namespace morvane {
namespace {

constexpr qreal kTwipsPerPoint = 20;

// The print face's size per point the report asks for. The reading blocks
// were cut to print one to a line at 12 pt in BrowalliaUPC, a narrow face;
// its stand-ins set them far wider, so on paper they get a scale of their
// own, measured so that the widest print line of the catalogue (the
// five-space print indent and Friday's second block, 176 characters) fits
// A4's printable width at quarter-inch margins, 559 pt = 11,180 twips (US
// Letter gives 11,520). That line, measured here with pango:
//   Garuda: 19,578 twips at 12 pt; 13,311 at the screen's 0.68 (19 % too
//           wide); 10,964 at 0.56, 98 % of A4's width.
//   Loma:   20,369 at 12 pt; 10,999 at 0.54.
//   Waree:  20,655 at 12 pt; 10,947 at 0.53.
// Any other face keeps the screen's scale and leans on the line breaking.
qreal printScale(const QString &requested, const FontChoice &face)
{
    if (requested.compare(kBrowallia, Qt::CaseInsensitive) == 0) {
        static const QList<std::pair<QString, qreal>> measured
            = {{QStringLiteral("Garuda"), 0.56}, {QStringLiteral("Loma"), 0.54}, {QStringLiteral("Waree"), 0.53}};
        for (const auto &[family, scale] : measured)
            if (face.family.compare(family, Qt::CaseInsensitive) == 0)
                return scale;
    }
    return face.scale;
}

}  // namespace

struct PangoPrintDevice::Pango
{
    PangoContext *context = nullptr;
    PangoLayout *layout = nullptr;
    PangoFontDescription *font = nullptr;
    cairo_surface_t *surface = nullptr;
    cairo_t *cr = nullptr;

    Pango()
    {
        context = pango_font_map_create_context(pango_cairo_font_map_get_default());
        // Points as they are, positions unrounded: the PDF is set at its own
        // size, not snapped to a screen's pixels.
        pango_cairo_context_set_resolution(context, 72);
        pango_context_set_round_glyph_positions(context, FALSE);
        cairo_font_options_t *options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(context, options);
        cairo_font_options_destroy(options);
        pango_context_set_language(context, pango_language_from_string("th"));
        layout = pango_layout_new(context);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        font = pango_font_description_new();
    }

    ~Pango()
    {
        closeSurface();
        pango_font_description_free(font);
        g_object_unref(layout);
        g_object_unref(context);
    }

    // Finishes the document, writing what is left of it; true when cairo
    // met no error on the way.
    bool closeSurface()
    {
        if (!surface)
            return false;
        cairo_destroy(cr);
        cr = nullptr;
        cairo_surface_finish(surface);
        const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(surface);
        surface = nullptr;
        return ok;
    }

    void setText(const QString &text, int width, int indent)
    {
        const QByteArray utf8 = text.toUtf8();
        pango_layout_set_text(layout, utf8.constData(), static_cast<int>(utf8.size()));
        pango_layout_set_width(layout, width);
        pango_layout_set_indent(layout, indent);
    }

    PangoRectangle extents() const
    {
        PangoRectangle logical;
        pango_layout_get_extents(layout, nullptr, &logical);
        return logical;
    }
};

PangoPrintDevice::PangoPrintDevice(QIODevice &output, const QPageLayout &page) : output_(output), page_(page) { }

// Made at the first use, on the thread that lays the report out: the device
// itself may be made on another, where pango's default font map is not the
// one that thread uses.
PangoPrintDevice::Pango &PangoPrintDevice::pango()
{
    if (!pango_)
        pango_ = std::make_unique<Pango>();
    return *pango_;
}

PangoPrintDevice::~PangoPrintDevice()
{
    // An abandoned document is closed here, while its output is still at hand.
    if (pango_)
        pango_->closeSurface();
}

bool PangoPrintDevice::begin()
{
    if (!output_.isOpen() && !output_.open(QIODevice::WriteOnly))
        return false;
    Pango &p = pango();
    p.closeSurface();
    writeFailed_ = false;
    const QRect sheet = page_.fullRectPoints();
    const auto write = [](void *closure, const unsigned char *data, unsigned int length) {
        auto *self = static_cast<PangoPrintDevice *>(closure);
        if (self->output_.write(reinterpret_cast<const char *>(data), length) != qint64(length))
            self->writeFailed_ = true;
        return self->writeFailed_ ? CAIRO_STATUS_WRITE_ERROR : CAIRO_STATUS_SUCCESS;
    };
    p.surface = cairo_pdf_surface_create_for_stream(write, this, sheet.width(), sheet.height());
    p.cr = cairo_create(p.surface);
    if (cairo_status(p.cr) != CAIRO_STATUS_SUCCESS) {
        p.closeSurface();
        return false;
    }
    cairo_pdf_surface_set_metadata(p.surface, CAIRO_PDF_METADATA_TITLE, "คำทำนาย");
    cairo_pdf_surface_set_metadata(p.surface, CAIRO_PDF_METADATA_CREATOR,
                                   (QByteArray("Morvane ") + kVersion).constData());
    pango_cairo_update_layout(p.cr, p.layout);
    pages_ = 1;
    brokenLines_ = 0;
    x_ = 0;
    y_ = 0;
    return true;
}

void PangoPrintDevice::setFontName(const QString &name)
{
    fontName_ = name;
    setFontSize(fontSize_);
}

void PangoPrintDevice::setFontSize(qreal points)
{
    fontSize_ = points;
    const FontChoice face = resolveFamily(fontName_);
    Pango &p = pango();
    pango_font_description_set_family(p.font, face.family.toUtf8().constData());
    pango_font_description_set_size(p.font, static_cast<gint>(points * printScale(fontName_, face) * PANGO_SCALE));
    pango_layout_set_font_description(p.layout, p.font);
}

void PangoPrintDevice::setCurrentX(float twips)
{
    x_ = twips;
}

float PangoPrintDevice::textWidth(const QString &text)
{
    pango().setText(text, -1, 0);
    return static_cast<float>(pango().extents().width * kTwipsPerPoint / PANGO_SCALE);
}

void PangoPrintDevice::print(const QString &text)
{
    const QStringList lines = text.split(u'\r');
    for (const QString &line : lines) {
        printLine(line);
        x_ = 0;
    }
}

void PangoPrintDevice::printLine(const QString &line)
{
    Pango &p = pango();
    if (!p.cr)
        return;
    const QRect area = page_.paintRectPoints();
    if (line.isEmpty()) {
        p.setText(QString(), -1, 0);
        y_ += qreal(p.extents().height) / PANGO_SCALE;
        return;
    }
    // The first piece starts at the current position and the rest at the
    // left edge, each cut where it would leave the page.
    qreal x = std::max<qreal>(0, x_ / kTwipsPerPoint);
    if (x >= area.width())
        x = 0;
    p.setText(line, area.width() * PANGO_SCALE, static_cast<int>(x * PANGO_SCALE));

    PangoLayoutIter *it = pango_layout_get_iter(p.layout);
    bool first = true;
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(it, nullptr, &logical);
        const qreal height = qreal(logical.height) / PANGO_SCALE;
        const qreal ascent = qreal(pango_layout_iter_get_baseline(it) - logical.y) / PANGO_SCALE;
        if (y_ > 0 && y_ + height > area.height()) {
            cairo_show_page(p.cr);
            ++pages_;
            y_ = 0;
        }
        cairo_move_to(p.cr, area.left() + qreal(logical.x) / PANGO_SCALE, area.top() + y_ + ascent);
        pango_cairo_show_layout_line(p.cr, pango_layout_iter_get_line_readonly(it));
        y_ += height;
        if (!first)
            ++brokenLines_;
        first = false;
    } while (pango_layout_iter_next_line(it));
    pango_layout_iter_free(it);
}

bool PangoPrintDevice::endDoc()
{
    return pango().closeSurface() && !writeFailed_;
}

}  // namespace morvane
