#include "cp949.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "exception.h"

namespace Cp949 {
namespace {

// Owns one iconv descriptor. Opening one costs more than converting a line,
// so each thread keeps one per direction for as long as it runs.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr): iconv's failure value
            throw Exception(AnsiString("No text conversion from ") + from + " to " + to + ": " + std::strerror(errno));
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of input; calls skip(input) to replace and step over each
    // byte sequence that cannot be converted.
    template <class Skip>
    std::string Run(std::string_view input, Skip skip)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // start from the initial state
        std::string out;
        std::string chunk(input.size() * 3 + 16, '\0');  // CP949 -> UTF-8 grows by 3/2 at most
        char* in = const_cast<char*>(input.data());      // iconv's signature; it does not write
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* outPtr = chunk.data();
            std::size_t outLeft = chunk.size();
            const std::size_t done = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(chunk.data(), chunk.size() - outLeft);
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
                skip(out, in, inLeft);  // EILSEQ or a sequence cut off at the end (EINVAL)
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

// Bytes to step over at a UTF-8 sequence that cannot be converted: the whole
// character when it is well formed (CP949 lacks it), else the bad byte alone.
std::size_t Utf8SkipLength(const char* in, std::size_t left)
{
    const auto lead = static_cast<unsigned char>(in[0]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    if (length > left) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(in[i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

// Unicode code points of the CP949 pairs, lead 0x81-0xFE by trail 0x41-0xFE,
// as glibc's iconv gives them (0: iconv refuses the pair); made by the build.
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kFirstTrail = 0x41;
constexpr std::size_t kTrails = 0xFE - kFirstTrail + 1;
constexpr std::size_t kLeads = 0xFE - kFirstLead + 1;
constexpr std::array<std::uint16_t, kLeads* kTrails> kCodePoints = {
#include "cp949_to_unicode.inc"
};

// The code point of the pair at text[i], 0 if there is none.
unsigned PairCodePoint(std::string_view text, std::size_t i)
{
    if (i + 1 >= text.size()) return 0;
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead < kFirstLead || lead > 0xFE || trail < kFirstTrail || trail > 0xFE) return 0;
    return kCodePoints[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)];
}

void AppendUtf8(std::string& out, unsigned codePoint)  // codePoint in [0x80, 0xFFFF]
{
    if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
}

// ASCII is the same in CP949 and UTF-8: nothing to convert.
bool IsAscii(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string ToUtf8(std::string_view cp949)
{
    if (IsAscii(cp949)) return std::string(cp949);
    std::string out;
    out.reserve(cp949.size() * 3 / 2 + 3);
    for (std::size_t i = 0; i < cp949.size();) {
        const auto byte = static_cast<unsigned char>(cp949[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++i;
        } else if (const unsigned codePoint = PairCodePoint(cp949, i); codePoint != 0) {
            AppendUtf8(out, codePoint);
            i += 2;
        } else {
            out += "\xEF\xBF\xBD";  // U+FFFD REPLACEMENT CHARACTER, for the byte that starts no character
            ++i;
        }
    }
    return out;
}

AnsiString FromUtf8(std::string_view utf8)
{
    if (IsAscii(utf8)) return AnsiString(utf8);
    thread_local Converter fromUtf8("CP949", "UTF-8");
    return fromUtf8.Run(utf8, [](std::string& out, char*& in, std::size_t& left) {
        out += '?';
        const std::size_t length = Utf8SkipLength(in, left);
        in += length;
        left -= length;
    });
}

}  // namespace Cp949
