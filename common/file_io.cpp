#include "common/file_io.h"

#include <algorithm>

#include "common/file_handle.h"
#include "common/file_name.h"

#include <system_error>

namespace marunda {
namespace fs = std::filesystem;

namespace {

Error ioError(ErrorCode code, const fs::path& file) {
    return makeError(code, pathText(file));
}

} // namespace

Result<bool> fileExists(const fs::path& file) {
    std::error_code ec;
    const bool exists = fs::is_regular_file(file, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        return ioError(ErrorCode::unreadable, file);
    }
    return exists;
}

Result<std::uint64_t> fileSize(const fs::path& file) {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec) {
        return ioError(ec == std::errc::no_such_file_or_directory ? ErrorCode::notFound
                                                                  : ErrorCode::unreadable,
                       file);
    }
    return static_cast<std::uint64_t>(size);
}

Result<std::string> readFile(const fs::path& file) {
    FileHandle handle;
    if (auto opened = handle.open(file, FileHandle::Mode::read); !opened) {
        return opened.error();
    }
    return handle.readAll();
}

Result<std::string> readFileRange(const fs::path& file, std::uint64_t offset, std::size_t length) {
    FileHandle handle;
    if (auto opened = handle.open(file, FileHandle::Mode::read); !opened) {
        return opened.error();
    }
    return handle.readAt(offset, length);
}

Result<void> readFileInBlocks(const fs::path& file, std::uint64_t limit, std::size_t blockSize,
                              const std::function<void(std::string&& piece)>& take) {
    FileHandle handle;
    if (auto opened = handle.open(file, FileHandle::Mode::read); !opened) {
        return opened.error();
    }
    for (std::uint64_t offset = 0; offset < limit; offset += blockSize) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(blockSize, limit - offset));
        auto piece = handle.readAt(offset, wanted);
        if (!piece) {
            return piece.error();
        }
        const bool last = piece.value().size() < wanted;
        take(std::move(piece).value());
        if (last) {
            break;
        }
    }
    return {};
}

Result<void> writeFileAt(const fs::path& file, std::uint64_t offset, std::string_view bytes) {
    FileHandle handle;
    if (auto opened = handle.open(file, FileHandle::Mode::readWrite); !opened) {
        return opened;
    }
    if (auto written = handle.writeAt(offset, bytes); !written) {
        return written;
    }
    return handle.flush();
}

Result<void> patchFile(const fs::path& file, std::span<const FilePatch> patches) {
    auto exists = fileExists(file);
    if (!exists) {
        return exists.error();
    }
    if (!exists.value()) {
        return ioError(ErrorCode::notFound, file);
    }
    FileHandle handle;
    if (auto opened = handle.open(file, FileHandle::Mode::readWrite); !opened) {
        return opened;
    }
    for (const auto& patch : patches) {
        if (auto written = handle.writeAt(patch.offset, patch.bytes); !written) {
            return written;
        }
    }
    return handle.flush();
}

Result<void> touchFile(const fs::path& file) {
    FileHandle handle;
    return handle.open(file, FileHandle::Mode::readWrite);
}

Result<void> overwriteScratchFile(const fs::path& file, std::string_view bytes) {
    FileHandle handle;
    if (auto opened = handle.open(file, FileHandle::Mode::create); !opened) {
        return opened;
    }
    return handle.writeAt(0, bytes);
}

Result<void> replaceFileVia(const fs::path& target, const fs::path& temporary,
                            std::string_view bytes) {
    std::error_code ec;
    fs::remove(temporary, ec);
    {
        FileHandle handle;
        auto step = handle.open(temporary, FileHandle::Mode::create);
        if (step) {
            step = handle.writeAt(0, bytes);
        }
        if (step) {
            step = handle.flush();
        }
        if (!step) {
            handle.close();
            fs::remove(temporary, ec);
            return ioError(ErrorCode::unwritable, target);
        }
    }
    if (auto renamed = atomicRename(temporary, target); !renamed) {
        fs::remove(temporary, ec);
        return renamed;
    }
    return {};
}

Result<void> replaceFile(const fs::path& target, std::string_view bytes) {
    // Joined as paths: on Windows a narrow string would garble letters outside ASCII.
    fs::path name = ".";
    name += target.filename();
    name += ".new";
    return replaceFileVia(target, fs::path(target).replace_filename(name), bytes);
}

Result<void> removeFile(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        return ioError(ErrorCode::unwritable, file);
    }
    return {};
}

} // namespace marunda
