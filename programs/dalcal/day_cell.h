#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QStyledItemDelegate>
#include <QVector>

#include "report/day_color.h"
#include "report/day_kinds.h"

// A day of the month view's grid as a wall or phone calendar draws it: the
// day number first and largest (in a disc of the highlight colour today), the
// lunar date under it, small and quiet, then the day's notes, each in its
// kind's colour: holidays in the day's red, the user's own dates in an accent
// of their own after a marker, the rest quiet. The notes wrap between words
// only (never inside brackets); where they do not all fit, the last line says
// how many more: "외 2건". Every cell has the same sizes whatever its notes;
// the sizes grow with the cells, up to a cap.

struct CellNote {
    DayKind kind;
    QString name;
};

// What a cell shows, kept in its item (kCellRole).
struct DayCellContent {
    int day = 0;
    QString lunar;  // "1월", "12.30", "윤6.2"; empty outside the almanac
    QVector<CellNote> notes;
    DayColor color = DayColor::Weekday;
    bool today = false;
};

inline constexpr int kCellRole = Qt::UserRole + 1;

// One piece of text laid out in a cell, in the cell's coordinates.
struct CellText {
    QString text;
    QRect box;
    QFont font;
    QColor color;
};

// The fonts of every cell of a grid whose cells are cellSize, from the
// window's font: the day number, the lunar date, the notes.
struct CellFonts {
    QFont day;
    QFont lunar;
    QFont note;
};
CellFonts CellFontsFor(const QFont& base, const QSize& cellSize);

// The texts of a cell laid out in box: day number, lunar date, notes (the last
// "외 N건" where they do not fit), each whole within box.
QVector<CellText> LayOutCell(const DayCellContent& content, const QRect& box, const QFont& base,
                             const QPalette& palette);

// The smallest cell in which a day number, a lunar date ("윤12.30") and one
// line of notes are whole.
QSize SmallestCell(const QFont& base);

// The colours of the cells: red and blue that read on the palette's base; the
// accent of the user's own dates; the quiet ink of the lunar dates (the day's
// colour, softened) and of the other notes.
QColor DayInk(DayColor color, const QPalette& palette);
QColor OwnDateInk(const QPalette& palette);
QColor QuietInk(const QColor& ink, const QPalette& palette);

// Before each of the user's own dates in a cell.
inline constexpr const char* kOwnDateMarker = "\u2022 ";

class DayCellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class QTableWidget;

// Draws the grid's days with a DayCellPainter, the selected day marked by its
// frame and a tint rather than the style's filled cell (which would hide the
// colours).
void PaintDayCells(QTableWidget* grid);
