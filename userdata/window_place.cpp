#include "userdata/window_place.h"

#include <array>
#include <charconv>

#include "userdata/careful_write.h"
#include "userdata/state_folder.h"

namespace {

constexpr const char* kPlaceName = "/dalcal/window";
constexpr std::int32_t kFarthestPx = 100000;  // no screen is wider

}  // namespace

std::string WindowPlacePath(const std::string& stateHome, const std::string& home)
{
    return StateFilePath(stateHome, home, kPlaceName);
}

std::optional<WindowPlace> ReadWindowPlace(std::string_view text)
{
    std::array<std::int32_t, 4> numbers{};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::int32_t& number : numbers) {
        while (at != end && *at == ' ') ++at;
        const std::from_chars_result read = std::from_chars(at, end, number);
        if (read.ec != std::errc() || read.ptr == at) return std::nullopt;
        at = read.ptr;
    }
    while (at != end && (*at == ' ' || *at == '\n')) ++at;
    if (at != end) return std::nullopt;
    const WindowPlace place{numbers[0], numbers[1], numbers[2], numbers[3]};
    const auto within = [](std::int32_t value, std::int32_t low) { return value >= low && value <= kFarthestPx; };
    if (!within(place.width, 1) || !within(place.height, 1) || !within(place.left, -kFarthestPx) ||
        !within(place.top, -kFarthestPx)) {
        return std::nullopt;
    }
    return place;
}

std::string WindowPlaceText(const WindowPlace& place)
{
    return std::to_string(place.width) + ' ' + std::to_string(place.height) + ' ' + std::to_string(place.left) + ' ' +
           std::to_string(place.top) + '\n';
}

std::optional<WindowPlace> LoadWindowPlace(const std::string& path)
{
    try {
        const FileSnapshot kept = ReadForChange(path);
        return kept.exists ? ReadWindowPlace(kept.text) : std::nullopt;
    } catch (const FileNotWritten&) {  // unreadable: the window opens where it is designed to
        return std::nullopt;
    }
}

bool KeepWindowPlace(const std::string& path, const WindowPlace& place)
{
    try {
        const FileSnapshot kept = ReadForChange(path);
        if (kept.exists && kept.text == WindowPlaceText(place)) return true;
        return ReplaceIfUnchanged(kept, WindowPlaceText(place));
    } catch (const FileNotWritten&) {
        return false;
    }
}
