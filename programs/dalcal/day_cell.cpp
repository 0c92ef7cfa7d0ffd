#include "programs/dalcal/day_cell.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTableWidget>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

#include "report/korean_words.h"

namespace {

constexpr int kPaddingPx = 3;
// A cell of this many lines of the window's font is the usual size; larger
// cells grow the text, up to kMostScale.
constexpr double kUsualCellLines = 7.0;
constexpr double kMostScale = 1.6;
constexpr double kDayScale = 1.3;
constexpr double kLunarScale = 0.8;
constexpr double kNoteScale = 0.85;
constexpr int kSmallestPx = 9;  // below this Hangul is no longer legible

QFont Sized(const QFont& base, double pixels)
{
    QFont font = base;
    font.setPixelSize(std::max(kSmallestPx, static_cast<int>(std::lround(pixels))));
    return font;
}

QColor Mixed(const QColor& ink, const QColor& paper, double paperShare)
{
    const auto mix = [paperShare](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * paperShare)); };
    return {mix(ink.red(), paper.red()), mix(ink.green(), paper.green()), mix(ink.blue(), paper.blue())};
}

// Blanks inside brackets kept from breaking: "(양력 2.29, 옮김)" stays whole.
QString BracketsWhole(QString text)
{
    int depth = 0;
    for (QChar& c : text) {
        if (c == QLatin1Char('(')) ++depth;
        if (c == QLatin1Char(')') && depth > 0) --depth;
        if (c == QLatin1Char(' ') && depth > 0) c = QChar(0x00A0);
    }
    return text;
}

// The lines of text within width, broken between words (inside a word only
// where the word alone is wider).
QStringList Wrapped(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

QColor NoteInk(DayKind kind, const QPalette& palette)
{
    switch (kind) {
        case DayKind::Holidays:
            return DayInk(DayColor::Holiday, palette);
        case DayKind::Events:
            return OwnDateInk(palette);
        case DayKind::Terms:
            return palette.color(QPalette::Text);
        case DayKind::Anniversaries:
        case DayKind::Sundry:
            break;
    }
    return QuietInk(palette.color(QPalette::Text), palette);
}

bool IsDark(const QPalette& palette)
{
    constexpr int kMiddle = 128;
    return palette.color(QPalette::Base).lightness() < kMiddle;
}

}  // namespace

QColor DayInk(DayColor color, const QPalette& palette)
{
    const bool dark = IsDark(palette);
    switch (color) {
        case DayColor::Holiday:
            return dark ? QColor(0xFF, 0x7B, 0x72) : QColor(0xC6, 0x28, 0x28);
        case DayColor::Saturday:
            return dark ? QColor(0x79, 0xB8, 0xFF) : QColor(0x15, 0x65, 0xC0);
        case DayColor::Weekday:
            break;
    }
    return palette.color(QPalette::Text);
}

QColor OwnDateInk(const QPalette& palette)
{
    // Green, which neither the holidays' red nor Saturday's blue is, at the
    // lightness that reads on the palette's base.
    return IsDark(palette) ? QColor(0x6C, 0xD9, 0x8A) : QColor(0x1B, 0x7A, 0x3A);
}

QColor QuietInk(const QColor& ink, const QPalette& palette)
{
    constexpr double kPaperShare = 0.4;
    return Mixed(ink, palette.color(QPalette::Base), kPaperShare);
}

CellFonts CellFontsFor(const QFont& base, const QSize& cellSize)
{
    const double basePx = QFontInfo(base).pixelSize();
    const double scale = std::clamp(cellSize.height() / (basePx * kUsualCellLines), 1.0, kMostScale);
    return {Sized(base, basePx * kDayScale * scale), Sized(base, basePx * kLunarScale * scale),
            Sized(base, basePx * kNoteScale * scale)};
}

QSize SmallestCell(const QFont& base)
{
    const CellFonts fonts = CellFontsFor(base, {});
    QFont bold = fonts.day;
    bold.setBold(true);
    const QFontMetrics day(bold);
    const QFontMetrics lunar(fonts.lunar);
    const QFontMetrics note(fonts.note);
    const int width = std::max({day.horizontalAdvance(QStringLiteral("30")) + day.height() / 2,
                                lunar.horizontalAdvance(QString::fromUtf8("윤12.30")),
                                note.horizontalAdvance(QString::fromUtf8("외 9건"))});
    return {width + 2 * kPaddingPx, day.height() + lunar.height() + note.height() + 2 * kPaddingPx};
}

QVector<CellText> LayOutCell(const DayCellContent& content, const QRect& box, const QFont& base,
                             const QPalette& palette)
{
    const CellFonts fonts = CellFontsFor(base, box.size());
    QFont dayFont = fonts.day;
    dayFont.setBold(content.today);
    const QFontMetrics dayMetrics(dayFont);
    const QFontMetrics lunarMetrics(fonts.lunar);
    const QFontMetrics noteMetrics(fonts.note);
    const int left = box.left() + kPaddingPx;
    const int width = std::max(1, box.width() - 2 * kPaddingPx);
    int top = box.top() + kPaddingPx;

    QVector<CellText> texts;
    const QColor dayInk = DayInk(content.color, palette);
    const int dayWidth = std::max(dayMetrics.horizontalAdvance(QStringLiteral("30")), dayMetrics.height());
    texts.push_back({QString::number(content.day), QRect(left, top, dayWidth, dayMetrics.height()), dayFont,
                     content.today ? palette.color(QPalette::HighlightedText) : dayInk});
    top += dayMetrics.height();
    if (!content.lunar.isEmpty()) {
        texts.push_back({lunarMetrics.elidedText(content.lunar, Qt::ElideRight, width),
                         QRect(left, top, width, lunarMetrics.height()), fonts.lunar, QuietInk(dayInk, palette)});
    }
    top += lunarMetrics.height();

    // The notes, whole and in order while they fit; where some do not, the
    // last line says how many more.
    const int lineHeight = noteMetrics.height();
    const int room = std::max(0, (box.bottom() - kPaddingPx - top + 1) / lineHeight);
    QVector<QStringList> wrapped;
    int allLines = 0;
    for (const CellNote& note : content.notes) {
        const QString marker = note.kind == DayKind::Events ? QString::fromUtf8(kOwnDateMarker) : QString();
        wrapped.push_back(Wrapped(marker + BracketsWhole(note.name), fonts.note, width));
        allLines += static_cast<int>(wrapped.back().size());
    }
    const int noteRoom = allLines <= room ? room : std::max(0, room - 1);
    int line = 0;
    int shown = 0;
    for (; shown < wrapped.size(); ++shown) {
        const QStringList& lines = wrapped[shown];
        const bool fits = line + lines.size() <= noteRoom;
        if (!fits && line > 0) break;  // whole notes only, after the first
        const QColor ink = NoteInk(content.notes[shown].kind, palette);
        for (int i = 0; i < lines.size() && line < noteRoom; ++i, ++line) {
            const QString text = !fits && line + 1 == noteRoom
                                     ? noteMetrics.elidedText(lines[i] + QChar(0x2026), Qt::ElideRight, width)
                                     : lines[i];
            texts.push_back({text, QRect(left, top + line * lineHeight, width, lineHeight), fonts.note, ink});
        }
        if (!fits) {
            ++shown;
            break;
        }
    }
    if (shown < wrapped.size() && line < room) {
        texts.push_back({QString::fromStdString(MoreItemsText(static_cast<std::int32_t>(wrapped.size() - shown))),
                         QRect(left, top + line * lineHeight, width, lineHeight), fonts.note,
                         QuietInk(palette.color(QPalette::Text), palette)});
    }
    return texts;
}

void DayCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant data = index.data(kCellRole);
    if (!data.canConvert<DayCellContent>()) return;  // a blank cell before the 1st or after the last
    const auto content = data.value<DayCellContent>();
    const QPalette& palette = option.palette;
    const QColor highlight = option.widget != nullptr ? option.widget->window()->palette().color(QPalette::Highlight)
                                                      : palette.color(QPalette::Highlight);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (option.state & QStyle::State_Selected) {
        QColor tint = highlight;
        constexpr int kTintAlpha = 40;
        tint.setAlpha(kTintAlpha);
        painter->fillRect(option.rect, tint);
        painter->setPen(QPen(highlight, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    }
    const QVector<CellText> texts = LayOutCell(content, option.rect, option.font, palette);
    if (content.today && !texts.isEmpty()) {  // the day number in a disc (a pill for two digits)
        const CellText& number = texts.front();
        const int height = number.box.height();
        const int width = std::max(height, QFontMetrics(number.font).horizontalAdvance(number.text) + height / 2);
        QRect disc(0, 0, width, height);
        disc.moveCenter(number.box.center());
        painter->setPen(Qt::NoPen);
        painter->setBrush(highlight);
        painter->drawRoundedRect(disc, height / 2.0, height / 2.0);
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(texts.size()); ++i) {
        const CellText& text = texts[static_cast<qsizetype>(i)];
        painter->setFont(text.font);
        painter->setPen(text.color);
        const Qt::Alignment alignment = i == 0 ? Qt::Alignment(Qt::AlignCenter) : (Qt::AlignLeft | Qt::AlignVCenter);
        painter->drawText(text.box, static_cast<int>(alignment.toInt()), text.text);
    }
    painter->restore();
}

void PaintDayCells(QTableWidget* grid)
{
    grid->setItemDelegate(new DayCellPainter(grid));
    // The view's own highlight (the style fills a selected cell with it) made
    // clear; the painter takes the window's.
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Highlight, Qt::transparent);
    grid->setPalette(palette);
}
