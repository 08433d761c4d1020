#pragma once

#include "platform/platform.h"

#include <filesystem>
#include <string_view>
#include <vector>

// The entries that start the installed programs.
namespace marunda::installer {

inline constexpr std::string_view kGroup = "Marunda";
inline constexpr std::string_view kLogonName = "Zilora";
inline constexpr std::string_view kDesktopCaption = "Marunda";

// The group's four items, in their order.
std::vector<platform::Shortcut> groupItems(const std::filesystem::path& folder,
                                           const std::filesystem::path& windowsFolder);
platform::Shortcut desktopShortcut(const std::filesystem::path& folder);
std::filesystem::path reminderProgram(const std::filesystem::path& folder);

// Gives the system each program's icon, from its pictures on `medium`; removes them. False when
// one failed.
bool installProgramIcons(const std::filesystem::path& medium);
bool removeProgramIcons();

} // namespace marunda::installer
