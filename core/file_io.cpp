#include "core/file_io.h"

#include "core/file_faults.h"
#include "core/file_handle.h"
#include "core/file_name.h"

#include <algorithm>
#include <random>
#include <system_error>
#include <vector>

namespace marunda {
namespace fs = std::filesystem;

namespace {

Error ioError(ErrorCode code, const fs::path& file) {
    return makeError(code, pathText(file));
}

// False when the file is still there afterwards; a missing file is no failure.
bool removeIfThere(const fs::path& file) {
    if (file_faults::nextCallFails()) {
        return false;
    }
    std::error_code ec;
    fs::remove(file, ec);
    return !ec || ec == std::errc::no_such_file_or_directory;
}

} // namespace

Result<bool> fileExists(const fs::path& file) {
    std::error_code ec;
    const auto status = fs::status(file, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        return ioError(ErrorCode::unreadable, file);
    }
    // A folder (or anything else) under the file's name is no missing file: it is in the way.
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return ioError(ErrorCode::unreadable, file);
    }
    return fs::is_regular_file(status);
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

namespace {

constexpr int kMostLinks = 40;

// A symbolic link is replaced through: the file it leads to is the one to replace.
fs::path followLinks(fs::path file) {
    std::error_code ec;
    for (int hops = 0; hops < kMostLinks && fs::is_symlink(file, ec); ++hops) {
        const auto next = fs::read_symlink(file, ec);
        if (ec) {
            break;
        }
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return file;
}

fs::path temporaryName(const fs::path& target, std::uint32_t tag) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string suffix = ".";
    for (int shift = 28; shift >= 0; shift -= 4) {
        suffix += kDigits[(tag >> shift) & 0xFu];
    }
    // Joined as paths: on Windows a narrow string would garble letters outside ASCII.
    fs::path name = ".";
    name += target.filename();
    name += suffix + ".new";
    return fs::path(target).replace_filename(name);
}

// Creates a fresh temporary next to `target`, under a name no one else uses.
Result<fs::path> createUniqueTemporary(const fs::path& target, FileHandle& handle) {
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        auto name = temporaryName(target, static_cast<std::uint32_t>(random()));
        if (handle.open(name, FileHandle::Mode::createNew)) {
            return name;
        }
    }
    return ioError(ErrorCode::unwritable, target);
}

// The named temporary when it lies next to the target (a link may lead elsewhere), else a
// unique one; opened for writing in `handle`.
Result<fs::path> openTemporary(const fs::path& target, const fs::path* named, FileHandle& handle) {
    if (!named || named->parent_path() != target.parent_path()) {
        return createUniqueTemporary(target, handle);
    }
    (void)removeIfThere(*named);
    if (!handle.open(*named, FileHandle::Mode::createNew)) {
        return ioError(ErrorCode::unwritable, target);
    }
    return *named;
}

Result<void> writeTemporary(FileHandle& handle, const fs::path& temporary, const fs::path& target,
                            std::string_view bytes) {
    if (auto mode = takePermissionsOf(temporary, target); !mode) {
        return mode;
    }
    auto step = handle.writeAt(0, bytes);
    if (step) {
        step = handle.flush();
    }
    return step;
}

Result<void> putBack(const fs::path& target, const PreviousContents& previous);

Result<void> replaceThrough(const fs::path& link, const fs::path* named, std::string_view bytes,
                            const PreviousContents* previous) {
    const auto target = followLinks(link);
    if (auto exists = fileExists(target); exists && exists.value() && !fileIsWritable(target)) {
        return ioError(ErrorCode::unwritable, target);
    }
    FileHandle handle;
    auto temporary = openTemporary(target, named, handle);
    if (!temporary) {
        return temporary.error();
    }
    auto written = writeTemporary(handle, temporary.value(), target, bytes);
    handle.close();
    if (written) {
        written = renameOver(temporary.value(), target);
    }
    if (!written) {
        (void)removeIfThere(temporary.value());
        return ioError(ErrorCode::unwritable, target);
    }
    if (auto synced = syncFolder(target.parent_path()); !synced) {
        if (previous) {
            (void)putBack(target, *previous);
        }
        return ioError(ErrorCode::unwritable, target);
    }
    return {};
}

Result<void> putBack(const fs::path& target, const PreviousContents& previous) {
    if (!previous.existed) {
        return removeIfThere(target) ? Result<void>() : ioError(ErrorCode::unwritable, target);
    }
    return replaceThrough(target, nullptr, previous.bytes, nullptr);
}

} // namespace

Result<void> takePermissionsOf(const fs::path& fresh, const fs::path& model) {
    std::error_code ec;
    const auto status = fs::status(model, ec);
    if (ec || !fs::exists(status)) {
        return {};
    }
    if (file_faults::nextCallFails()) {
        return ioError(ErrorCode::unwritable, fresh);
    }
    fs::permissions(fresh, status.permissions(), ec);
    if (ec) {
        return ioError(ErrorCode::unwritable, fresh);
    }
    return {};
}

Result<void> replaceFileVia(const fs::path& target, const fs::path& temporary,
                            std::string_view bytes, const PreviousContents* previous) {
    return replaceThrough(target, &temporary, bytes, previous);
}

Result<void> replaceFile(const fs::path& target, std::string_view bytes,
                         const PreviousContents* previous) {
    return replaceThrough(target, nullptr, bytes, previous);
}

Result<void> replaceFileKeepingOld(const fs::path& target, std::string_view bytes) {
    auto old = readFile(target);
    if (!old && old.error().code != ErrorCode::notFound) {
        return replaceFile(target, bytes);
    }
    const PreviousContents previous{old.ok(), old ? std::string_view(old.value()) : ""};
    return replaceFile(target, bytes, &previous);
}

Result<void> replaceUserFile(const fs::path& target, std::string_view bytes) {
    const auto utf8 = target.filename().u8string();
    const std::string name(utf8.begin(), utf8.end());
    const std::string_view names[] = {name};
    removeLeftoverTemporaries(target.parent_path(), names);
    return replaceFileKeepingOld(target, bytes);
}

void removeLeftoverTemporaries(const fs::path& folder, std::span<const std::string_view> names) {
    std::vector<fs::path> leftovers;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const auto name = entry.path().filename().u8string();
        for (const auto target : names) {
            // ".NAME.new", and ".NAME.XXXXXXXX.new" of replaceFile.
            const std::u8string ours = u8"." + std::u8string(target.begin(), target.end()) + u8".";
            if (name.size() >= ours.size() + 3 && name.starts_with(ours) &&
                name.ends_with(u8".new")) {
                leftovers.push_back(entry.path());
            }
        }
    }
    for (const auto& file : leftovers) {
        (void)removeIfThere(file);
    }
}

Result<void> truncateFile(const fs::path& file, std::uint64_t size) {
    FileHandle handle;
    auto step = handle.open(file, FileHandle::Mode::readWrite);
    if (step) {
        step = handle.truncate(size);
    }
    if (step) {
        step = handle.flush();
    }
    return step;
}

Result<void> removeFile(const fs::path& file) {
    if (!removeIfThere(file)) {
        return ioError(ErrorCode::unwritable, file);
    }
    return {};
}

} // namespace marunda
