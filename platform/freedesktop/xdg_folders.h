#pragma once

#include <filesystem>

// The base folders of the XDG Base Directory rules, read from the environment on each call.
namespace marunda::platform::xdg {

std::filesystem::path home();
std::filesystem::path dataHome();   // $XDG_DATA_HOME, default ~/.local/share
std::filesystem::path configHome(); // $XDG_CONFIG_HOME, default ~/.config

} // namespace marunda::platform::xdg
