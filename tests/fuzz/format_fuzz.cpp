// Feeds Format arbitrary templates and arguments: it must fill them or raise
// Exception, and never write more than the template and the fields allow.
//
// Input: a byte giving the number of arguments (up to 8) and, for each, its
// kind (low bit: integer or string); then per argument 4 bytes of integer or
// a length byte and that many bytes of string; the rest is the template.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/exception.h"
#include "runtime/format.h"

namespace {

// Reads from the front of the input; yields zeros once it runs out.
struct Reader {
    const std::uint8_t* data;
    std::size_t size;

    std::uint8_t Byte()
    {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    std::string Bytes(std::size_t count)
    {
        count = count < size ? count : size;
        std::string bytes(reinterpret_cast<const char*>(data), count);
        data += count;
        size -= count;
        return bytes;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader reader{data, size};
    const std::uint8_t header = reader.Byte();
    const std::size_t argCount = header % 9;

    std::vector<std::string> texts;  // owns the strings the arguments point at
    texts.reserve(argCount);
    std::vector<Sysutils::FormatArg> args;
    std::size_t argBytes = 0;
    for (std::size_t i = 0; i < argCount; ++i) {
        if (((header >> 4) >> (i % 4) & 1) == 0) {
            std::uint32_t bits = 0;
            for (int b = 0; b < 4; ++b) bits = bits << 8 | reader.Byte();
            std::int32_t value = 0;
            std::memcpy(&value, &bits, sizeof value);
            args.emplace_back(value);
            argBytes += 11;
        } else {
            texts.push_back(reader.Bytes(reader.Byte()));
            args.emplace_back(texts.back().c_str());
            argBytes += texts.back().size();
        }
    }
    const std::string pattern = reader.Bytes(reader.size);

    try {
        const AnsiString out = Sysutils::FormatList(pattern, args);
        // Each specifier adds at most its widest field; everything else is copied.
        const std::size_t fields = static_cast<std::size_t>(std::count(pattern.begin(), pattern.end(), '%'));
        if (out.size() > pattern.size() + fields * (Sysutils::kMaxFormatField + 11) + argBytes) std::abort();
    } catch (const Exception&) {
        // refused: a malformed template or an argument that does not fit it
    }
    return 0;
}
