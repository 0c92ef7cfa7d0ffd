#include "shell/command_line.h"

#include "text/utf8.h"

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

namespace {

constexpr OptionWord<Almanac> kAlmanacWords[] = {{"korea", Almanac::Korea}, {"classic", Almanac::Classic}};

}  // namespace

UsageProblem SetAlmanac(std::string_view name, Almanac& almanac)
{
    return ChooseWord<Almanac>(name, kAlmanacWords, Phrase("unknown almanac '{1}' (use korea or classic)"), almanac);
}

AlmanacOption ReadAlmanacOption(std::span<const char* const> args, std::size_t& index, Almanac& almanac)
{
    const OptionValue option = ReadOptionValue("--almanac", args, index);
    if (!option.matched) return {};
    if (!option.value) return {true, ValueMissing(Phrase("--almanac needs a value (korea or classic)"))};
    return {true, SetAlmanac(*option.value, almanac)};
}

bool LooksLikeOption(std::string_view arg)
{
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}
