#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

// What every fuzz target shares: the input as text, a check that aborts (libFuzzer then keeps
// the input) and a private scratch folder for the parsers that read files.
namespace marunda::fuzz {

inline std::string_view bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline void require(bool property) {
    if (!property) {
        std::abort();
    }
}

inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("marunda-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
        return path;
    }();
    return folder;
}

} // namespace marunda::fuzz
