#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where the month view stood when it was last closed, so that it opens there
// again: its outer frame in pixels, one line "WIDTH HEIGHT LEFT TOP" in
// $XDG_STATE_HOME/dalcal/window. A window's place is the program's state (the
// XDG base directories' "state": a view's layout), kept apart from the
// settings file, which is written only when the user asks.
struct WindowPlace {
    std::int32_t width;
    std::int32_t height;
    std::int32_t left;
    std::int32_t top;

    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// $XDG_STATE_HOME/dalcal/window, else $HOME/.local/state/dalcal/window; empty
// where neither is an absolute path.
std::string WindowPlacePath(const std::string& stateHome, const std::string& home);

// The place a file's text holds; none for anything but four integers, a
// width and a height of 1 to 100000 and a position within +-100000.
std::optional<WindowPlace> ReadWindowPlace(std::string_view text);
std::string WindowPlaceText(const WindowPlace& place);

// The place kept at path (none where there is none, or it cannot be read),
// and keeping one there through careful_write.h; false where it cannot be
// written.
std::optional<WindowPlace> LoadWindowPlace(const std::string& path);
bool KeepWindowPlace(const std::string& path, const WindowPlace& place);
