#pragma once

#include <string>
#include <string_view>

#include "runtime/ansi_string.h"

// The one place where CP949 text (the window's designed calendar, the edit
// boxes, --encoding cp949) meets the UTF-8 of the rest of the program:
// nothing else converts. Both follow glibc's iconv,
// through tables that iconv made when the program was built (so no run loads
// a conversion module), and never fail on bad input: a CP949 byte that starts
// no character becomes U+FFFD; a character that CP949 lacks, and each byte of
// UTF-8 that is no character, becomes "?" (a whole sequence of the right
// length that encodes nothing, such as a surrogate, is one "?").
namespace Cp949 {

std::string ToUtf8(const AnsiString& cp949);
void AppendUtf8(std::string& out, const AnsiString& cp949);  // ToUtf8 onto the end of out
AnsiString FromUtf8(std::string_view utf8);

}  // namespace Cp949
