#include "platform/freedesktop/desktop_entry.h"
#include "platform/freedesktop/xdg_folders.h"
#include "platform/platform.h"

#include <algorithm>

// A program group is a submenu of the applications menu: one desktop entry per item, a
// directory entry that names the submenu and a merged menu file that gathers the items.
namespace marunda::platform {

namespace {

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c);
    });
    return out;
}

struct GroupFiles {
    std::filesystem::path menu;
    std::filesystem::path directory;
    std::vector<std::string> entryNames; // desktop file ids, one per item
    std::filesystem::path entries;       // the folder that holds them
};

Result<GroupFiles> groupFiles(std::string_view group, const std::vector<Shortcut>& items) {
    // Group and item names become parts of file names and of the menu's XML.
    if (!freedesktop::plainName(group)) {
        return makeError(ErrorCode::badFormat, "group " + std::string(group));
    }
    const std::string stem = lowerAscii(group);
    GroupFiles files{xdg::configHome() / "menus/applications-merged" / (stem + ".menu"),
                     xdg::dataHome() / "desktop-directories" / (stem + ".directory"),
                     {},
                     xdg::dataHome() / "applications"};
    for (const Shortcut& item : items) {
        if (!freedesktop::plainName(item.name)) {
            return makeError(ErrorCode::badFormat, "item " + item.name);
        }
        files.entryNames.push_back(stem + "-" + lowerAscii(item.name) + ".desktop");
    }
    return files;
}

std::string menuText(std::string_view group, const GroupFiles& files) {
    // No document type: menu readers parse the elements alone, and a merged file needs none.
    std::string text = "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n";
    text += "    <Name>" + std::string(group) + "</Name>\n";
    text += "    <Directory>" + files.directory.filename().string() + "</Directory>\n";
    auto entries = [&](std::string_view element) {
        text += "    <" + std::string(element) + ">\n";
        for (const std::string& entry : files.entryNames) {
            text += "      <Filename>" + entry + "</Filename>\n";
        }
        text += "    </" + std::string(element) + ">\n";
    };
    entries("Include");
    // In the group's order; without a layout menus sort the items by name.
    entries("Layout");
    text += "  </Menu>\n</Menu>\n";
    return text;
}

std::string directoryText(std::string_view group) {
    return "[Desktop Entry]\nType=Directory\nName=" + freedesktop::escapedValue(group) +
           "\nIcon=x-office-address-book\n";
}

} // namespace

Result<void> createProgramGroup(std::string_view group, const std::vector<Shortcut>& items) {
    auto files = groupFiles(group, items);
    if (!files) {
        return files.error();
    }
    const GroupFiles& f = files.value();
    for (std::size_t i = 0; i < items.size(); ++i) {
        // Only the submenu lists them: a category of our own keeps them out of the others.
        auto entry = freedesktop::applicationEntry(items[i], "X-" + std::string(group) + ";");
        if (auto written = freedesktop::writeEntryFile(f.entries / f.entryNames[i], entry);
            !written) {
            return written;
        }
    }
    // The menu file last: the submenu appears once everything it names is there.
    if (auto written = freedesktop::writeEntryFile(f.directory, directoryText(group)); !written) {
        return written;
    }
    return freedesktop::writeEntryFile(f.menu, menuText(group, f));
}

Result<void> removeProgramGroup(std::string_view group, const std::vector<Shortcut>& items) {
    auto files = groupFiles(group, items);
    if (!files) {
        return files.error();
    }
    const GroupFiles& f = files.value();
    std::vector<std::filesystem::path> ours{f.menu, f.directory};
    for (const std::string& entry : f.entryNames) {
        ours.push_back(f.entries / entry);
    }
    // Each is tried, so that as little as possible stays; the first failure is the answer.
    Result<void> result;
    for (const auto& file : ours) {
        if (auto removed = freedesktop::removeEntryFile(file); !removed && result) {
            result = removed;
        }
    }
    return result;
}

} // namespace marunda::platform
