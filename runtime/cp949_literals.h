#pragma once

// Included by every file that writes Korean literals of the window's designed
// calendar: they must be compiled to CP949 (two bytes a syllable), never left
// as UTF-8 (three bytes a syllable).
// clang-tidy reads the sources as UTF-8 only, so the check is the compilers'.
#ifndef __clang_analyzer__
static_assert(sizeof("가") == 3, "compile this file with its Korean text as CP949");
#endif
