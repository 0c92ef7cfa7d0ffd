#include "command_line.h"

#include "utf8.h"

OptionValue ReadOptionValue(std::string_view name, std::span<const char* const> args, std::size_t& index)
{
    const std::string_view arg = args[index];
    if (arg == name) {
        if (index + 1 >= args.size()) return {true, std::nullopt};
        return {true, args[++index]};
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        return {true, arg.substr(name.size() + 1)};
    }
    return {};
}

UsageError ValueMissing(const char* missing)
{
    return {Message(missing)};
}

UsageProblem SetAlmanac(std::string_view name, Almanac& almanac)
{
    if (name == "korea") {
        almanac = Almanac::Korea;
    } else if (name == "classic") {
        almanac = Almanac::Classic;
    } else {
        return UsageError{Message("unknown almanac '{1}' (use korea or classic)", {Utf8::Sanitized(name)})};
    }
    return std::nullopt;
}

AlmanacOption ReadAlmanacOption(std::span<const char* const> args, std::size_t& index, Almanac& almanac)
{
    const OptionValue option = ReadOptionValue("--almanac", args, index);
    if (!option.matched) return {};
    if (!option.value) return {true, ValueMissing(Phrase("--almanac needs a value (korea or classic)"))};
    return {true, SetAlmanac(*option.value, almanac)};
}
