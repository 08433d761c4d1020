#include "platform/freedesktop/desktop_entry.h"

#include "core/file_io.h"
#include "core/file_name.h"

#include <algorithm>
#include <system_error>

namespace marunda::platform::freedesktop {

namespace {

// Without an icon of its own the entry shows the theme's address book.
constexpr std::string_view defaultIcon = "x-office-address-book";

std::string pathValue(const std::filesystem::path& path) {
    return escapedValue(path.string());
}

std::string iconValue(const Shortcut& shortcut) {
    if (!shortcut.themeIcon.empty()) {
        return escapedValue(shortcut.themeIcon);
    }
    return shortcut.icon.empty() ? std::string(defaultIcon) : pathValue(shortcut.icon);
}

// What an interrupted write of the file left beside it.
void removeLeftovers(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const std::string_view names[] = {name};
    removeLeftoverTemporaries(file.parent_path(), names);
}

} // namespace

std::string escapedValue(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        // A leading blank would be trimmed away by readers.
        case ' ':
            out += i == 0 ? "\\s" : " ";
            break;
        default:
            out += text[i];
        }
    }
    return out;
}

std::string execValue(const std::filesystem::path& program, bool passFiles) {
    std::string quoted = "\"";
    for (char c : program.string()) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        } else if (c == '%') {
            quoted += '%'; // a literal percent sign, not a field code
        }
        quoted += c;
    }
    quoted += '"';
    // GLib looks for the first word as a program without undoing "%%", and refuses the entry
    // when it finds none; env would take a path with '=' for a variable. A shell, handed the
    // path as its $0, starts whatever the folder is called.
    // Files opened with it follow as the shell's "$@", each an argument of its own.
    const std::string script =
        passFiles ? "sh -c \"exec \\\"\\$0\\\" \\\"\\$@\\\"\" " : "sh -c \"exec \\\"\\$0\\\"\" ";
    return escapedValue(script + quoted + (passFiles ? " %F" : ""));
}

std::string applicationEntry(const Shortcut& shortcut, std::string_view categories) {
    // Desktops resolve a relative Exec through PATH, not from any folder of ours.
    const auto target = std::filesystem::absolute(shortcut.target);
    std::string text = "[Desktop Entry]\nType=Application\n";
    text += "Name=" + escapedValue(shortcut.caption) + "\n";
    text += "Exec=" + execValue(target, !shortcut.opens.empty()) + "\n";
    // Our programs find their files in the current folder, as when started from their own.
    text += "Path=" + pathValue(target.parent_path()) + "\n";
    text += "Icon=" + iconValue(shortcut) + "\n";
    text += "Terminal=false\n";
    text += "Categories=" + std::string(categories) + "\n";
    if (!shortcut.opens.empty()) {
        text += "MimeType=";
        for (const auto& kind : shortcut.opens) {
            text += escapedValue(kind) + ";";
        }
        text += "\n";
    }
    return text;
}

Result<void> writeEntryFile(const std::filesystem::path& file, std::string_view text,
                            bool executable) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
        return makeError(ErrorCode::unwritable,
                         pathText(file.parent_path()) + ": " + error.message());
    }
    auto written = replaceFile(file, text);
    removeLeftovers(file);
    if (!written) {
        return written;
    }
    if (executable) {
        // Desktops start a launcher on the desktop only when it is executable; whoever may read
        // it may run it.
        using std::filesystem::perms;
        auto mode = std::filesystem::status(file, error).permissions();
        auto execFor = [&](perms read, perms exec) {
            return (mode & read) != perms::none ? exec : perms::none;
        };
        std::filesystem::permissions(file,
                                     execFor(perms::owner_read, perms::owner_exec) |
                                         execFor(perms::group_read, perms::group_exec) |
                                         execFor(perms::others_read, perms::others_exec),
                                     std::filesystem::perm_options::add, error);
        if (error) {
            return makeError(ErrorCode::unwritable, pathText(file) + ": " + error.message());
        }
    }
    return {};
}

Result<void> removeEntryFile(const std::filesystem::path& file) {
    removeLeftovers(file);
    return removeFile(file);
}

bool plainName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-';
    });
}

bool plainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

} // namespace marunda::platform::freedesktop
