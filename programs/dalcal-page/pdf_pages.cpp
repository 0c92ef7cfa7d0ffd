#include "programs/dalcal-page/pdf_pages.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

namespace {

struct CairoSurfaceFree {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoFree {
    void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
};
struct GObjectFree {
    void operator()(void* object) const { g_object_unref(object); }
};
struct FontDescriptionFree {
    void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};

using Writer = std::function<bool(std::string_view)>;

cairo_status_t WriteBytes(void* closure, const unsigned char* data, unsigned int length)
{
    const Writer& write = *static_cast<const Writer*>(closure);
    const std::string_view bytes(reinterpret_cast<const char*>(data), length);
    return write(bytes) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

void SetColor(cairo_t* cairo, const Rgb& rgb)
{
    constexpr double kFull = 255.0;
    cairo_set_source_rgb(cairo, rgb.red / kFull, rgb.green / kFull, rgb.blue / kFull);
}

void DrawText(cairo_t* cairo, PangoLayout* layout, const PageText& text)
{
    std::unique_ptr<PangoFontDescription, FontDescriptionFree> font(pango_font_description_new());
    pango_font_description_set_family(font.get(), kPageFontFamily);
    pango_font_description_set_weight(font.get(), text.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font.get(), text.sizePt * PANGO_SCALE);
    pango_layout_set_font_description(layout, font.get());
    pango_layout_set_text(layout, text.utf8.data(), static_cast<int>(text.utf8.size()));
    PangoRectangle logical{};
    pango_layout_get_extents(layout, nullptr, &logical);
    const double widthPt = static_cast<double>(logical.width) / PANGO_SCALE;
    double xPt = text.xPt;
    if (text.anchor == Anchor::Middle) xPt -= widthPt / 2;
    if (text.anchor == Anchor::End) xPt -= widthPt;
    const double baselinePt = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
    SetColor(cairo, text.color);
    cairo_move_to(cairo, xPt, text.baselinePt - baselinePt);
    pango_cairo_show_layout(cairo, layout);
}

void DrawPage(cairo_t* cairo, PangoLayout* layout, const PageDrawing& page)
{
    for (const PageBox& box : page.boxes) {
        SetColor(cairo, box.fill);
        cairo_rectangle(cairo, box.xPt, box.yPt, box.widthPt, box.heightPt);
        cairo_fill(cairo);
    }
    for (const PageRule& rule : page.rules) {
        SetColor(cairo, rule.color);
        cairo_set_line_width(cairo, rule.widthPt);
        cairo_move_to(cairo, rule.x1Pt, rule.y1Pt);
        cairo_line_to(cairo, rule.x2Pt, rule.y2Pt);
        cairo_stroke(cairo);
    }
    for (const PageText& text : page.texts) DrawText(cairo, layout, text);
}

}  // namespace

bool WritePdfPages(const std::vector<PageDrawing>& pages, const PdfDocument& document, const Writer& write)
{
    std::unique_ptr<cairo_surface_t, CairoSurfaceFree> surface(
        cairo_pdf_surface_create_for_stream(WriteBytes, const_cast<Writer*>(&write), kPageWidthPt, kPageHeightPt));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return false;
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, document.title.c_str());
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "dalcal");
    if (!document.created.empty()) {
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATE_DATE, document.created.c_str());
    }
    std::unique_ptr<cairo_t, CairoFree> cairo(cairo_create(surface.get()));
    std::unique_ptr<PangoLayout, GObjectFree> layout(pango_cairo_create_layout(cairo.get()));
    for (const PageDrawing& page : pages) {
        pango_cairo_update_layout(cairo.get(), layout.get());
        DrawPage(cairo.get(), layout.get(), page);
        cairo_show_page(cairo.get());
    }
    cairo_surface_finish(surface.get());
    return cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS &&
           cairo_status(cairo.get()) == CAIRO_STATUS_SUCCESS;
}
