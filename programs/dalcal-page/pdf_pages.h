#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/page_layout.h"

// Pages as one PDF document, drawn by cairo with the text set by Pango in the
// page font (embedded as subsets, the text extractable); the bytes go to
// write as they are made, under the document's title ("2027년 2월", "2027년").
// created is its creation date, "YYYY-MM-DDTHH:MM:SS" in UTC, or empty for
// now: given, two runs make the same bytes. Returns whether cairo made it.
struct PdfDocument {
    std::string title;
    std::string created;
};
bool WritePdfPages(const std::vector<PageDrawing>& pages, const PdfDocument& document,
                   const std::function<bool(std::string_view)>& write);
