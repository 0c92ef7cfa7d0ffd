#include "utf8.h"

namespace Utf8 {

bool IsWellFormed(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {  // most bytes, at no call
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace Utf8
