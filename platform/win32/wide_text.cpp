#include "platform/win32/wide_text.h"

#include <windows.h>

namespace marunda::platform::win32 {

std::wstring wide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), size);
    return out;
}

std::string utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

Error systemError(ErrorCode code, std::string_view what, unsigned long number) {
    return makeError(code, std::string(what) + ": Windows error " + std::to_string(number));
}

bool plainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.back() != '.' &&
           name.back() != ' ' &&
           name.find_first_of(std::string_view("\\/:*?\"<>|\0", 10)) == std::string_view::npos;
}

} // namespace marunda::platform::win32
