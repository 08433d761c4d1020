#pragma once

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace marunda::installer {

// Why a file or folder could not be made, as far as the system lets us tell. `unknown` leaves
// the usual suspect: a file in use.
enum class WriteCause { unknown, missingParent, notPermitted, noSpace };

// The cause that an error of the standard library names.
WriteCause causeOf(std::error_code error);

// Why writing `needed` bytes to `file` failed, judged afterwards from its volume and its folder:
// too little room left, a write-protected file, or a folder that takes nothing new.
WriteCause writeFailureCause(const std::filesystem::path& file, std::uintmax_t needed);

} // namespace marunda::installer
