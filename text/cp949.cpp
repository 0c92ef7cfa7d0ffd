#include "text/cp949.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "text/utf8.h"

namespace Cp949 {
namespace {

// Unicode code points of the CP949 pairs, lead 0x81-0xFE by trail 0x41-0xFE,
// as glibc's iconv gives them (0: iconv refuses the pair); made by the build.
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kFirstTrail = 0x41;
constexpr std::size_t kTrails = 0xFE - kFirstTrail + 1;
constexpr std::size_t kLeads = 0xFE - kFirstLead + 1;
constexpr std::array<std::uint16_t, kLeads* kTrails> kCodePoints = {
#include "cp949_to_unicode.inc"
};

// The other direction, by code point, as glibc's iconv writes it; made by the build.
struct Encoding {
    std::uint16_t codePoint;
    std::uint16_t pair;  // lead << 8 | trail
};
constexpr Encoding kEncodings[] = {
#include "unicode_to_cp949.inc"
};
static_assert(std::ranges::is_sorted(kEncodings, {}, &Encoding::codePoint));

constexpr const char* kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD, in UTF-8
constexpr std::size_t kReplacementLength = 3;

unsigned Byte(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

// The code point of the pair at text[i], 0 if there is none.
unsigned PairCodePoint(std::string_view text, std::size_t i)
{
    if (i + 1 >= text.size()) return 0;
    const unsigned lead = Byte(text, i);
    const unsigned trail = Byte(text, i + 1);
    if (lead < kFirstLead || lead > 0xFE || trail < kFirstTrail || trail > 0xFE) return 0;
    return kCodePoints[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)];
}

// Writes codePoint (in [0x80, 0xFFFF]) as UTF-8 at the start of room (at
// least three bytes); returns the bytes written.
std::size_t PutUtf8(std::span<char> room, unsigned codePoint)
{
    if (codePoint < 0x800) {
        room[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        room[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    room[0] = static_cast<char>(0xE0 | (codePoint >> 12));
    room[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    room[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 3;
}

// CP949 has every Hangul syllable: those, the most of what users write, are
// looked up directly, the rest found in kEncodings.
constexpr unsigned kFirstSyllable = 0xAC00;
constexpr unsigned kLastSyllable = 0xD7A3;
constexpr auto kSyllablePairs = [] {
    std::array<std::uint16_t, kLastSyllable - kFirstSyllable + 1> pairs{};
    for (const Encoding& encoding : kEncodings) {
        if (encoding.codePoint >= kFirstSyllable && encoding.codePoint <= kLastSyllable) {
            pairs.at(encoding.codePoint - kFirstSyllable) = encoding.pair;
        }
    }
    return pairs;
}();
static_assert(std::ranges::none_of(kSyllablePairs, [](std::uint16_t pair) { return pair == 0; }));

// The CP949 pair of a code point, 0 if CP949 lacks it.
unsigned PairOf(unsigned codePoint)
{
    if (codePoint >= kFirstSyllable && codePoint <= kLastSyllable) return kSyllablePairs[codePoint - kFirstSyllable];
    const auto* const found = std::ranges::lower_bound(kEncodings, codePoint, {}, &Encoding::codePoint);
    return found != std::end(kEncodings) && found->codePoint == codePoint ? found->pair : 0;
}

}  // namespace

void AppendUtf8(std::string& out, const AnsiString& cp949)
{
    const std::string_view bytes = cp949.View();
    // Written in place through a local copy of the text's start: a store
    // through out[...] would make the compiler reload out's pointer after
    // every byte. No byte takes more than the three of U+FFFD.
    const std::size_t start = out.size();
    out.resize(start + bytes.size() * kReplacementLength);
    const std::span<char> room(out.data() + start, bytes.size() * kReplacementLength);
    std::size_t length = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        if (const unsigned byte = Byte(bytes, i); byte < 0x80) {
            room[length++] = static_cast<char>(byte);
            ++i;
        } else if (const unsigned codePoint = PairCodePoint(bytes, i); codePoint != 0) {
            length += PutUtf8(room.subspan(length), codePoint);
            i += 2;
        } else {
            std::ranges::copy(
                std::string_view(kReplacementCharacter),
                room.begin() + static_cast<std::ptrdiff_t>(length));  // for the byte that starts no character
            length += kReplacementLength;
            ++i;
        }
    }
    out.resize(start + length);
}

std::string ToUtf8(const AnsiString& cp949)
{
    std::string out;
    AppendUtf8(out, cp949);
    return out;
}

AnsiString FromUtf8(std::string_view utf8)
{
    // Written in place, never longer: a pair comes of two bytes or more.
    std::string out(utf8.size(), '\0');
    const std::span<char> room(out);
    std::size_t length = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned byte = Byte(utf8, i);
        if (byte < 0x80) {
            room[length++] = static_cast<char>(byte);
            ++i;
            continue;
        }
        const Utf8::Character character = Utf8::Read(utf8, i);
        const unsigned pair = character.codePoint <= 0xFFFF ? PairOf(character.codePoint) : 0;
        if (pair != 0) {
            room[length++] = static_cast<char>(pair >> 8);
            room[length++] = static_cast<char>(pair & 0xFF);
        } else {
            room[length++] = '?';  // a character CP949 lacks, or bytes that are none
        }
        i += character.length;
    }
    out.resize(length);
    return AnsiString(std::move(out));
}

}  // namespace Cp949
