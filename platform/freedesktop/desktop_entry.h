#pragma once

#include "core/result.h"
#include "platform/platform.h"

#include <filesystem>
#include <string>
#include <string_view>

// Desktop entries (the files that menus, desktops and autostart read) and their encoding.
namespace marunda::platform::freedesktop {

// The text of a value of type string, with the escapes of the format (\\, \n, \t, \r, \s).
std::string escapedValue(std::string_view text);
// The Exec value that starts `program`: a shell handed the program in double quotes (", `, $
// and \ escaped, % doubled), all then escaped as any string value is. With `passFiles` the
// files the desktop opens with it (%F) reach the program as arguments of their own.
std::string execValue(const std::filesystem::path& program, bool passFiles = false);

// A complete entry that starts the shortcut's target in its own folder; `categories` ends in ';'.
std::string applicationEntry(const Shortcut& shortcut, std::string_view categories);

// Writes an entry (or another file of the menus) through a temporary file, creating its folder.
// What an interrupted earlier write left of it goes too.
Result<void> writeEntryFile(const std::filesystem::path& file, std::string_view text,
                            bool executable = false);
// Removes an entry with what an interrupted write left of it; a missing entry is no error.
Result<void> removeEntryFile(const std::filesystem::path& file);

// Whether `name` is plain ASCII: letters, digits and '-', not empty.
bool plainName(std::string_view name);
// Whether `name` can be a file name as it stands: not empty, no '/', not "." or "..".
bool plainFileName(std::string_view name);

} // namespace marunda::platform::freedesktop
