#pragma once

// The notice the window writes on start: the years that show lunar dates (CP949).
extern const char* const RangeNotice;
// The same, with Korea's almanac: which calendar, and its years.
extern const char* const KoreanRangeNotice;
// With Korea's almanac, the line after it: what follows each month and where
// the user's events file is, a Format with the file's name (CP949) for %s.
extern const char* const KoreanNotesNotice;
