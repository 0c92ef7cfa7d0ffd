#pragma once

#include <string>
#include <string_view>

// A file the program keeps in its state folder (name: "/dalcal/..."):
// $XDG_STATE_HOME, else $HOME/.local/state; empty where neither is an
// absolute path (XDG paths must be absolute).
std::string StateFilePath(const std::string& stateHome, const std::string& home, std::string_view name);
