#pragma once

// The notice the window writes on start: the years that show lunar dates (CP949).
extern const char* const RangeNotice;
// The same, with Korea's almanac: which calendar, and its years.
extern const char* const KoreanRangeNotice;
