// Korean text of the window, kept apart from the Qt code: this file is
// compiled to CP949 bytes, which Qt's headers cannot be.
#include "programs/dalcal/window_names.h"

#include "runtime/cp949_literals.h"

const char* const kYearBoxName = "연도";
const char* const kMonthBoxName = "월";
const char* const kButtonName = "달력 추가: 입력한 연도와 월의 달력을 아래에 덧붙임";
const char* const kCalendarBoxName = "달력";
