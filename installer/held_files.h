#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// What keeps the removal from deleting: it deletes all or nothing, so every file is asked first.
namespace marunda::installer {

// The name of the first of our files in `folder` that cannot be deleted now; none when all can.
std::optional<std::string> firstHeldFile(const std::filesystem::path& folder);

// The caption of the installed program whose file `name` is, for telling the user which to
// close; empty for a file that any of them may hold (a library, a data file).
std::string programOfFile(std::string_view name);

} // namespace marunda::installer
