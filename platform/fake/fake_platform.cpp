#include "platform/fake/fake_platform.h"

#include "core/file_name.h"

#include <algorithm>
#include <system_error>

namespace marunda::platform {

namespace {

// Records the call; an error when the test made this function fail.
Result<void> record(std::string_view function) {
    auto& s = fake::state();
    s.calls.emplace_back(function);
    if (s.failing.contains(function)) {
        return makeError(ErrorCode::unwritable, std::string(function) + " fails");
    }
    return {};
}

Result<std::filesystem::path> folder(std::string_view function, const std::filesystem::path& path) {
    if (auto called = record(function); !called || path.empty()) {
        return called ? makeError(ErrorCode::notFound, std::string(function)) : called.error();
    }
    return path;
}

} // namespace

namespace fake {

State& state() {
    static State instance;
    return instance;
}

void reset() {
    state() = State{};
}

} // namespace fake

Result<std::filesystem::path> windowsFolder() {
    auto path = folder("windowsFolder", fake::state().windowsFolder);
    std::error_code error;
    if (path && !std::filesystem::create_directories(path.value(), error) && error) {
        return makeError(ErrorCode::unwritable, pathText(path.value()));
    }
    return path;
}

Result<std::filesystem::path> desktopFolder() {
    return folder("desktopFolder", fake::state().desktopFolder);
}

std::filesystem::path defaultInstallationFolder() {
    return fake::state().defaultInstallationFolder;
}

Result<void> createProgramGroup(std::string_view group, const std::vector<Shortcut>& items) {
    auto called = record("createProgramGroup");
    if (called) {
        fake::state().groups.insert_or_assign(std::string(group), items);
    }
    return called;
}

Result<void> removeProgramGroup(std::string_view group, const std::vector<Shortcut>& items) {
    auto called = record("removeProgramGroup");
    auto& groups = fake::state().groups;
    auto found = groups.find(group);
    if (!called || found == groups.end()) {
        return called;
    }
    std::erase_if(found->second, [&](const Shortcut& entry) {
        return std::any_of(items.begin(), items.end(),
                           [&](const Shortcut& item) { return item.name == entry.name; });
    });
    if (found->second.empty()) {
        groups.erase(found);
    }
    return called;
}

Result<void> createDesktopShortcut(const Shortcut& shortcut) {
    auto called = record("createDesktopShortcut");
    if (called) {
        fake::state().desktopShortcuts.insert_or_assign(shortcut.caption, shortcut);
    }
    return called;
}

Result<void> removeDesktopShortcut(std::string_view caption) {
    auto called = record("removeDesktopShortcut");
    if (called) {
        fake::state().desktopShortcuts.erase(std::string(caption));
    }
    return called;
}

Result<void> installIcon(std::string_view name, const std::vector<IconPicture>& pictures) {
    auto called = record("installIcon");
    if (called) {
        fake::state().icons.insert_or_assign(std::string(name), pictures);
    }
    return called;
}

Result<void> removeIcon(std::string_view name) {
    auto called = record("removeIcon");
    if (called) {
        fake::state().icons.erase(std::string(name));
    }
    return called;
}

Result<void> setLogonEntry(std::string_view name, const std::filesystem::path& program) {
    auto called = record("setLogonEntry");
    if (called) {
        fake::state().logonEntries.insert_or_assign(std::string(name), program);
    }
    return called;
}

Result<void> removeLogonEntry(std::string_view name) {
    auto called = record("removeLogonEntry");
    if (called) {
        fake::state().logonEntries.erase(std::string(name));
    }
    return called;
}

Result<void> startDetached(const std::filesystem::path& program, const std::vector<std::string>&) {
    auto called = record("startDetached");
    std::error_code error;
    // Like the real thing, a missing program does not start.
    if (called && !std::filesystem::is_regular_file(program, error)) {
        return makeError(ErrorCode::notFound, pathText(program));
    }
    if (called) {
        fake::state().started.push_back(program);
    }
    return called;
}

Result<void> startAsUser(const std::filesystem::path& program) {
    return startDetached(program);
}

bool windowsFolderNeedsAdministrator() {
    return false;
}

std::vector<Volume> volumes() {
    fake::state().calls.emplace_back("volumes");
    return fake::state().volumes;
}

bool volumeReady(const std::filesystem::path& root) {
    const auto& known = fake::state().volumes;
    return std::any_of(known.begin(), known.end(),
                       [&](const Volume& v) { return v.root == root && v.ready; });
}

std::filesystem::path volumeOf(const std::filesystem::path& folder) {
    std::filesystem::path best = folder.root_path();
    for (const Volume& v : fake::state().volumes) {
        auto [root, rest] =
            std::mismatch(v.root.begin(), v.root.end(), folder.begin(), folder.end());
        if (root == v.root.end() && v.root.native().size() > best.native().size()) {
            best = v.root;
        }
    }
    return best;
}

bool deletable(const std::filesystem::path& file) {
    return !fake::state().held.contains(file);
}

bool fileNamesIgnoreCase() {
    return fake::state().namesIgnoreCase;
}

} // namespace marunda::platform
