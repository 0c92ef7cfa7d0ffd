#pragma once

// The notice the window writes on start: the years that show lunar dates (CP949).
extern const char* const RangeNotice;
