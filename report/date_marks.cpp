#include "date_marks.h"

#include "cp949_literals.h"

const char* const kUncertainMark = " (±1일)";
const char* const kLeapMonthPrefix = "윤";
const char* const kScheduledMark = "예정";
const char* const kScheduledElectionNote = "예정 (공직선거법 제34조)";
