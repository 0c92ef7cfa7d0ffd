#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "page_layout.h"

// Pages as one PDF document, drawn by cairo with the text set by Pango in the
// page font (embedded as subsets, the text extractable); the bytes go to
// write as they are made. Returns whether cairo made the document.
bool WritePdfPages(const std::vector<PageDrawing>& pages, const std::function<bool(std::string_view)>& write);
