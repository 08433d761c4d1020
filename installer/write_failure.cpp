#include "installer/write_failure.h"

#include "core/file_handle.h"
#include "core/file_io.h"

namespace marunda::installer {
namespace fs = std::filesystem;

namespace {

// A full volume can refuse a write while a little room is left: blocks, the folder's entry.
constexpr std::uintmax_t kSlack = 64 * 1024;

// Whether the folder takes a new entry: a probe folder, made and removed again at once. Its name
// is one of our leftovers, should it ever stay.
WriteCause probeFolder(const fs::path& file) {
    fs::path probe = file.parent_path() / ".";
    probe += file.filename();
    probe += ".probe.new";
    std::error_code error;
    if (!fs::create_directory(probe, error)) {
        return error ? causeOf(error) : WriteCause::unknown;
    }
    fs::remove(probe, error);
    return WriteCause::unknown;
}

} // namespace

WriteCause causeOf(std::error_code error) {
    if (error == std::errc::no_such_file_or_directory) {
        return WriteCause::missingParent;
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
        error == std::errc::read_only_file_system) {
        return WriteCause::notPermitted;
    }
    if (error == std::errc::no_space_on_device) {
        return WriteCause::noSpace;
    }
    return WriteCause::unknown;
}

WriteCause writeFailureCause(const fs::path& file, std::uintmax_t needed) {
    std::error_code error;
    const auto space = fs::space(file.parent_path(), error);
    if (!error && space.available < needed + kSlack) {
        return WriteCause::noSpace;
    }
    if (auto exists = fileExists(file); exists && exists.value() && !fileIsWritable(file)) {
        return WriteCause::notPermitted;
    }
    return probeFolder(file);
}

} // namespace marunda::installer
