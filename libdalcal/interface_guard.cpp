#include "libdalcal/interface_guard.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/almanac.h"

void Explain(dalcal_error* error, std::string_view message) noexcept
{
    if (error == nullptr) return;
    std::size_t length = std::min(message.size(), sizeof(error->message) - 1);
    // Back to the start of a UTF-8 sequence, so that the cut leaves whole characters.
    if (length < message.size()) {
        while (length > 0 && (static_cast<unsigned char>(message[length]) & 0xC0U) == 0x80U) --length;
    }
    std::memcpy(error->message, message.data(), length);
    error->message[length] = '\0';
}

bool AlmanacOf(int32_t almanac, Almanac& chosen, dalcal_error* error)
{
    if (almanac != DALCAL_KOREA && almanac != DALCAL_CLASSIC) {
        Explain(error, "unknown almanac " + std::to_string(almanac) + ": 0 (DALCAL_KOREA) or 1 (DALCAL_CLASSIC)");
        return false;
    }
    chosen = almanac == DALCAL_KOREA ? Almanac::Korea : Almanac::Classic;
    return true;
}
