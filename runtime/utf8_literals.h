#pragma once

// Included by every file that writes Korean literals as UTF-8, the program's
// text everywhere but in the window's designed calendar (cp949_literals.h).
#ifndef __clang_analyzer__
static_assert(sizeof("가") == 4, "compile this file with its Korean text as UTF-8");
#endif
