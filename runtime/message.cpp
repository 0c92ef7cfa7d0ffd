#include "runtime/message.h"

#include <cstring>

std::string FillPlaces(std::string_view pattern, const std::vector<std::string>& values)
{
    std::string text;
    text.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool place = pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '1' &&
                           pattern[i + 1] <= '9' && pattern[i + 2] == '}';
        const auto index = place ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
        if (index < values.size()) {
            text += values[index];
            i += 2;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string Message::FilledAs(const char* pattern) const
{
    std::string text = FillPlaces(pattern, values_);
    if (systemError_ != 0) {
        if (!text.empty()) text += ": ";
        text += std::strerror(systemError_);
    }
    return text;
}
