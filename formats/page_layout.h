#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/month_page.h"

// A month page laid out on A4 landscape paper: what is drawn where, in
// points (1/72 inch) from the top left corner, text as UTF-8. The drawing
// programs (PDF, SVG) draw these items and decide nothing themselves.

inline constexpr double kPageWidthPt = 841.89;   // A4, 297 mm
inline constexpr double kPageHeightPt = 595.28;  // 210 mm

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

enum class Anchor { Start, Middle, End };

struct PageText {
    double xPt;         // where the anchor is
    double baselinePt;  // the baseline
    double sizePt;
    bool bold;
    Rgb color;
    Anchor anchor;
    std::string utf8;
};

struct PageBox {
    double xPt;
    double yPt;
    double widthPt;
    double heightPt;
    Rgb fill;
};

struct PageRule {
    double x1Pt;
    double y1Pt;
    double x2Pt;
    double y2Pt;
    double widthPt;
    Rgb color;
};

struct PageDrawing {
    std::string title;           // "2027년 2월", for the document's metadata
    std::vector<PageBox> boxes;  // drawn first
    std::vector<PageRule> rules;
    std::vector<PageText> texts;
};

// The families the pages are set in (Debian's fonts-nanum).
inline constexpr const char* kPageFontFamily = "NanumGothic";

PageDrawing LayOutMonthPage(const MonthPage& page);
