#include "core/book_files.h"

namespace marunda {

std::vector<std::string_view> bookFileNames(BookFileRole role) {
    std::vector<std::string_view> names;
    for (const auto& file : kBookFiles) {
        if (file.role == role) {
            names.push_back(file.name);
        }
    }
    return names;
}

std::vector<std::string_view> replacedBookFiles() {
    std::vector<std::string_view> names;
    for (const auto& file : kBookFiles) {
        if (file.replacedWhole) {
            names.push_back(file.name);
        }
    }
    return names;
}

} // namespace marunda
