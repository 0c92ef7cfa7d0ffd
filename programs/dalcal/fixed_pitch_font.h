#pragma once

#include <QFont>
#include <QString>

class QWidget;

// The calendar's columns are CP949 bytes, so its font must draw a Korean
// syllable exactly as wide as two ASCII characters.

// True when "가" is exactly twice as wide as "a" in font, as laid out on screen.
bool HasDoubleWidthHangul(const QFont& font);

// The family at the pixel size nearest pixelSize at which HasDoubleWidthHangul
// holds; pixelSize itself when no size from 8 to 32 qualifies.
QFont FixedPitchFont(const QString& family, int pixelSize);

// Gives widget and each child whose description asks for a font (dynamic
// property FontHeight, the negative pixel height) that font: the family
// named when installed, else a fixed-pitch Korean family from those
// installed, sized by FixedPitchFont.
void UseInstalledFonts(QWidget& widget);
