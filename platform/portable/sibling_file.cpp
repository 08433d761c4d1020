#include "platform/platform.h"

#include <algorithm>
#include <system_error>

namespace marunda::platform {

namespace {

// Case is folded for ASCII letters only: the names we look for are ASCII, and a folding of
// other letters would differ from one file system to the next.
bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c);
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

std::optional<std::filesystem::path> findSibling(const std::filesystem::path& folder,
                                                 std::string_view name) {
    std::error_code error;
    auto exact = folder / name;
    if (std::filesystem::is_regular_file(exact, error)) {
        return exact;
    }
    std::optional<std::filesystem::path> found;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        auto candidate = it->path().filename().string();
        // Several spellings may exist on a file system with case; take the first by name so the
        // choice does not depend on the order of the directory.
        if (sameIgnoringAsciiCase(candidate, name) && it->is_regular_file(error) &&
            (!found || candidate < found->filename().string())) {
            found = it->path();
        }
    }
    return found;
}

} // namespace marunda::platform
