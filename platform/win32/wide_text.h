#pragma once

#include "core/result.h"

#include <filesystem>
#include <string>
#include <string_view>

// Text crosses into Win32 as UTF-16 only: the W functions, never an ANSI code page.
namespace marunda::platform::win32 {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

// An error naming the file or thing concerned and the system's error number.
Error systemError(ErrorCode code, std::string_view what, unsigned long number);

// Whether `name` can be a file name as it stands (a caption that becomes a .lnk file).
bool plainFileName(std::string_view name);

} // namespace marunda::platform::win32
