#pragma once

#include <cstdint>

// "0" before a one-digit number, for ISO dates and clock times: the runtime's
// Format pads with blanks only.
inline const char* ZeroPad(std::int32_t value)
{
    return value >= 0 && value < 10 ? "0" : "";
}
