#pragma once

#include <string>

#include "formats/page_layout.h"

// A page as an SVG document (UTF-8), its text as text elements, sized as A4
// landscape paper.
std::string SvgPage(const PageDrawing& drawing);
