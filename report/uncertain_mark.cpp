#include "uncertain_mark.h"

#include "cp949_literals.h"

const char* const kUncertainMark = " (±1일)";
