#include "core/file_name.h"

#ifdef _WIN32
#include "core/cp1254.h"

#include <windows.h>
#endif

namespace marunda {
namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::string pathText(const fs::path& path) {
    const std::wstring& wide = path.native();
    std::string text;
    text.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t ch = wide[i];
        if (isHighSurrogate(ch) && i + 1 < wide.size() && isLowSurrogate(wide[i + 1])) {
            ch = 0x10000 + ((ch - 0xD800) << 10) + (wide[++i] - 0xDC00);
        } else if (isHighSurrogate(ch) || isLowSurrogate(ch)) {
            ch = U'\uFFFD';
        }
        appendUtf8(text, ch);
    }
    return text;
}

bool sameFileName(const fs::path& a, const fs::path& b) {
    // The ordinal comparison that ignores case is the one the file systems use for names.
    const std::wstring left = a.lexically_normal().native();
    const std::wstring right = b.lexically_normal().native();
    return ::CompareStringOrdinal(left.c_str(), static_cast<int>(left.size()), right.c_str(),
                                  static_cast<int>(right.size()), TRUE) == CSTR_EQUAL;
}

#else

std::string pathText(const fs::path& path) {
    return path.string();
}

bool sameFileName(const fs::path& a, const fs::path& b) {
    return a.lexically_normal() == b.lexically_normal();
}

#endif

fs::path pathFromText(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace marunda
