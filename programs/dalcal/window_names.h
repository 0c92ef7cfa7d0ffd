#pragma once

// What assistive technology calls the window's controls (CP949): a screen
// reader says these, as the captions say nothing ("Button1", no label).
extern const char* const kYearBoxName;
extern const char* const kMonthBoxName;
extern const char* const kButtonName;  // says what a press does
extern const char* const kCalendarBoxName;
