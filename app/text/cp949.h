#pragma once

#include <string>
#include <string_view>

#include "ansi_string.h"

// The one place where the program's CP949 text meets Unicode: the terminal
// and the window call these, nothing else converts. Both follow glibc's iconv
// and never fail on bad input: a CP949 byte that starts no character becomes
// U+FFFD, and a character that CP949 lacks becomes "?". CP949 to UTF-8 reads
// a table that iconv made when the program was built (so no run loads iconv's
// CP949 modules for the program's own text); UTF-8 to CP949 calls iconv.
namespace Cp949 {

std::string ToUtf8(std::string_view cp949);
AnsiString FromUtf8(std::string_view utf8);

}  // namespace Cp949
