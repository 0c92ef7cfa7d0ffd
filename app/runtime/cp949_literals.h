#pragma once

// Included by every file that writes Korean literals: they must be compiled to
// CP949 (two bytes a syllable), never left as UTF-8 (three bytes a syllable).
static_assert(sizeof("가") == 3, "compile this file with -fexec-charset=CP949");
