#include "formats/svg_page.h"

#include <cstdio>

namespace {

std::string Points(double valuePt)
{
    char text[32];
    (void)std::snprintf(text, sizeof text, "%.2f", valuePt);
    return text;
}

std::string Color(const Rgb& rgb)
{
    char text[8];
    (void)std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

// Text as XML character data: the five characters XML reserves escaped.
void AppendEscaped(std::string& out, const std::string& text)
{
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += c;
        }
    }
}

const char* AnchorName(Anchor anchor)
{
    switch (anchor) {
        case Anchor::Middle:
            return "middle";
        case Anchor::End:
            return "end";
        case Anchor::Start:
            break;
    }
    return "start";
}

}  // namespace

std::string SvgPage(const PageDrawing& drawing)
{
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"297mm\" height=\"210mm\" viewBox=\"0 0 ";
    svg += Points(kPageWidthPt) + " " + Points(kPageHeightPt) + "\">\n<title>";
    AppendEscaped(svg, drawing.title);
    svg += "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    for (const PageBox& box : drawing.boxes) {
        svg += "<rect x=\"" + Points(box.xPt) + "\" y=\"" + Points(box.yPt) + "\" width=\"" + Points(box.widthPt) +
               "\" height=\"" + Points(box.heightPt) + "\" fill=\"" + Color(box.fill) + "\"/>\n";
    }
    for (const PageRule& rule : drawing.rules) {
        svg += "<line x1=\"" + Points(rule.x1Pt) + "\" y1=\"" + Points(rule.y1Pt) + "\" x2=\"" + Points(rule.x2Pt) +
               "\" y2=\"" + Points(rule.y2Pt) + "\" stroke=\"" + Color(rule.color) + "\" stroke-width=\"" +
               Points(rule.widthPt) + "\"/>\n";
    }
    svg += "<g font-family=\"";
    svg += kPageFontFamily;
    svg += ", 'Nanum Gothic', sans-serif\">\n";
    for (const PageText& text : drawing.texts) {
        svg += "<text x=\"" + Points(text.xPt) + "\" y=\"" + Points(text.baselinePt) + "\" font-size=\"" +
               Points(text.sizePt) + "\" fill=\"" + Color(text.color) + "\"";
        if (text.bold) svg += " font-weight=\"bold\"";
        if (text.anchor != Anchor::Start) {
            svg += " text-anchor=\"";
            svg += AnchorName(text.anchor);
            svg += '"';
        }
        svg += " xml:space=\"preserve\">";
        AppendEscaped(svg, text.utf8);
        svg += "</text>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}
