#include "core/program_folder.h"
#include "desktop_file_reader.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "xdg_home.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <thread>

namespace fs = std::filesystem;
using marunda::platform::Shortcut;

namespace {

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// One kind of entry the installer makes: how to make and remove it, and where it lands.
struct EntryKind {
    const char* what;
    std::function<marunda::Result<void>(const Shortcut&)> create;
    std::function<marunda::Result<void>()> remove;
    fs::path file; // under the temporary home
    bool executable;
    bool opensFiles;
};

const Shortcut telefonItem{"telefon", "Marunda", {}, {}, {"text/vcard", "text/x-vcard"}};

std::vector<EntryKind> entryKinds() {
    return {
        {"program group item",
         [](const Shortcut& s) { return marunda::platform::createProgramGroup("Marunda", {s}); },
         [] { return marunda::platform::removeProgramGroup("Marunda", {telefonItem}); },
         "data/applications/marunda-telefon.desktop", false, true},
        {"desktop shortcut",
         [](const Shortcut& s) { return marunda::platform::createDesktopShortcut(s); },
         [] { return marunda::platform::removeDesktopShortcut("Marunda"); },
         "Desktop/Marunda.desktop", true, true},
        {"logon entry",
         [](const Shortcut& s) { return marunda::platform::setLogonEntry("Zilora", s.target); },
         [] { return marunda::platform::removeLogonEntry("Zilora"); },
         "config/autostart/Zilora.desktop", false, false},
    };
}

// Folder names that break a carelessly written Exec line.
const char* const awkwardFolders[] = {
    "Telefon",         "Program Dosyaları", "a,b",
    "Say \"merhaba\"", "Çağrı Işık Öğe",    "100% $HOME `x` \\ ;",
    "'tek tırnak'",    " önde boşluk",      "a=b %f %%",
};

// Files opened with an entry, named as a file manager may find them.
const char* const openedFiles[] = {"/tmp/Kişiler, 1 $x.vcf", "/tmp/a'b \"c\".vcf"};

// In single quotes for the shell.
std::string shellWord(const std::string& text) {
    std::string word = "'";
    for (const char c : text) {
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return word + "'";
}

// Launches the entry as GLib's desktops do (GNOME, Xfce, Cinnamon, MATE) with the small program
// that reports how it was started standing in as `program`, opening `files` with it; its report,
// empty when it never ran in its own folder.
std::string launchedReport(const fs::path& entry, const fs::path& program, bool withFiles) {
    fs::create_directories(program.parent_path());
    fs::copy_file(marunda::programFolder() / STARTED_PROGRAM_FILE_NAME, program);
    std::string command = "gio launch " + shellWord(entry.string());
    for (const char* file : openedFiles) {
        command += withFiles ? " " + shellWord(file) : "";
    }
    const std::string said = commandOutput(command);
    const fs::path report = program.parent_path() / "started.txt";
    for (int tries = 0; tries < 200 && !fs::exists(report); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::ifstream in(report, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(text, "") << said;
    return text;
}

} // namespace

TEST(DesktopEntries, StartTheProgramInAnyFolderAndLeaveOthersAlone) {
    for (const EntryKind& kind : entryKinds()) {
        for (const char* folder : awkwardFolders) {
            SCOPED_TRACE(std::string(kind.what) + " in [" + folder + "]");
            XdgHome home;
            const fs::path file = home.folder() / kind.file;
            fs::create_directories(file.parent_path());
            home.folder().write(file.parent_path() / "foreign.desktop", "theirs");
            // Left by a write that was interrupted: the next write or removal takes it away.
            const auto leftover =
                file.parent_path() / ("." + file.filename().string() + ".1a2b3c4d.new");
            home.folder().write(leftover, "half");

            Shortcut first = telefonItem;
            first.target = home.folder() / "old" / "Telefon";
            ASSERT_TRUE(kind.create(first));
            Shortcut second = telefonItem;
            second.target = home.folder() / folder / "Telefon";
            ASSERT_TRUE(kind.create(second)) << "a second creation replaces the first";

            const std::string text = home.folder().read(file);
            EXPECT_EQ(validationFaults(file), "") << text;
            const std::string report = launchedReport(file, second.target, kind.opensFiles);
            EXPECT_NE(report, "") << text;
            for (const char* opened : openedFiles) {
                EXPECT_EQ(report.find("argument [" + std::string(opened) + "]\n") !=
                              std::string::npos,
                          kind.opensFiles)
                    << report;
            }
            EXPECT_EQ(entryValue(text, "MimeType"),
                      kind.opensFiles ? "text/vcard;text/x-vcard;" : "");
            EXPECT_EQ(entryValue(text, "Type"), "Application");
            EXPECT_NE(entryValue(text, "Icon"), "");
            EXPECT_NE(entryValue(text, "Categories"), "");
            const bool executable =
                (fs::status(file).permissions() & fs::perms::owner_exec) != fs::perms::none;
            EXPECT_EQ(executable, kind.executable);
            EXPECT_EQ(namesIn(file.parent_path()),
                      (std::set<std::string>{"foreign.desktop", file.filename().string()}))
                << "no temporary file is left behind, not even an earlier one";

            home.folder().write(leftover, "half");
            ASSERT_TRUE(kind.remove());
            ASSERT_TRUE(kind.remove()) << "removing what is gone is no error";
            EXPECT_EQ(namesIn(file.parent_path()), std::set<std::string>{"foreign.desktop"});
        }
    }
}

TEST(DesktopEntries, KeepTheIconAndRefuseNamesThatAreNoFileNames) {
    XdgHome home;
    Shortcut shortcut{"telefon", "Marunda", home.folder() / "Telefon" / "Telefon",
                      home.folder() / "Telefon" / "Telefon İkon.png"};
    ASSERT_TRUE(marunda::platform::createDesktopShortcut(shortcut));
    EXPECT_EQ(unescapedValue(entryValue(home.folder().read("Desktop/Marunda.desktop"), "Icon")),
              shortcut.icon.string());
    shortcut.themeIcon = "marunda-telefon";
    ASSERT_TRUE(marunda::platform::createDesktopShortcut(shortcut));
    EXPECT_EQ(entryValue(home.folder().read("Desktop/Marunda.desktop"), "Icon"), "marunda-telefon");

    for (const char* caption : {"", ".", "..", "a/b"}) {
        shortcut.caption = caption;
        EXPECT_FALSE(marunda::platform::createDesktopShortcut(shortcut)) << caption;
        EXPECT_FALSE(marunda::platform::removeDesktopShortcut(caption)) << caption;
    }
    EXPECT_FALSE(marunda::platform::setLogonEntry("../Zilora", shortcut.target));
    EXPECT_FALSE(marunda::platform::createProgramGroup("Marunda/..", {telefonItem}));
    EXPECT_FALSE(marunda::platform::createProgramGroup("Marunda", {{"tele fon", "x", {}, {}}}));
    EXPECT_FALSE(marunda::platform::installIcon("../marunda", {}));
    EXPECT_FALSE(marunda::platform::removeIcon("a/b"));
}

// A picture per size in the user's part of the hicolor theme; the removal takes those and the
// folders it empties, and leaves others' pictures with the folders that hold them.
TEST(DesktopEntries, IconsGoIntoTheThemeAndLeaveOthersAlone) {
    using marunda::platform::kThemeIconSizes;
    XdgHome home;
    const auto square = [](int size) {
        return std::to_string(size) + "x" + std::to_string(size);
    };
    std::vector<marunda::platform::IconPicture> pictures;
    for (const int size : kThemeIconSizes) {
        home.folder().write("medium/" + square(size) + ".png", "picture " + square(size));
        pictures.push_back({size, home.folder() / "medium" / (square(size) + ".png")});
    }
    home.folder().write("data/icons/hicolor/48x48/apps/theirs.png", "theirs");
    home.folder().write("data/icons/hicolor/32x32/apps/.marunda-telefon.png.1a2b3c4d.new", "half");
    ASSERT_TRUE(marunda::platform::installIcon("marunda-telefon", pictures));
    ASSERT_TRUE(marunda::platform::installIcon("marunda-telefon", pictures)) << "again replaces";
    for (const int size : kThemeIconSizes) {
        EXPECT_EQ(
            home.folder().read("data/icons/hicolor/" + square(size) + "/apps/marunda-telefon.png"),
            "picture " + square(size));
    }

    ASSERT_TRUE(marunda::platform::removeIcon("marunda-telefon"));
    ASSERT_TRUE(marunda::platform::removeIcon("marunda-telefon")) << "what is gone is no error";
    std::set<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(home.folder() / "data")) {
        left.insert(entry.path().lexically_relative(home.folder() / "data").generic_string());
    }
    EXPECT_EQ(left, (std::set<std::string>{"icons", "icons/hicolor", "icons/hicolor/48x48",
                                           "icons/hicolor/48x48/apps",
                                           "icons/hicolor/48x48/apps/theirs.png"}));
}
