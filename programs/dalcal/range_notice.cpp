// Korean text of the window, kept apart from the Qt code: this file is
// compiled to CP949 bytes, which Qt's headers cannot be.
#include "programs/dalcal/range_notice.h"

#include "runtime/cp949_literals.h"

const char* const RangeNotice = "음력 일자는  1900년부터 2050년까지 표시함 ";
const char* const KoreanRangeNotice = "음력 일자는  한국천문연구원 역법으로 1391년부터 2100년까지 표시함 ";
const char* const KoreanNotesNotice = "달마다 그 아래에 공휴일, 절기와 내 날짜(%s)를 표시함 ";
