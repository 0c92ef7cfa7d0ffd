#pragma once

// Written after a date or a time that may be a day off: a computed lunar
// month whose new moon, or a solar term, falls within minutes of midnight (CP949).
extern const char* const kUncertainMark;
