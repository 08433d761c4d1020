#pragma once

#include "platform/platform.h"

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// The fake implementation of platform/platform.h: a test sets the world up here, calls the code
// under test and reads back what it asked of the system. Nothing outside the given folders is
// touched.
namespace marunda::platform::fake {

struct State {
    std::filesystem::path windowsFolder; // empty: windowsFolder() fails; created when asked for
    std::filesystem::path desktopFolder; // empty: desktopFolder() fails
    std::filesystem::path defaultInstallationFolder;
    std::map<std::string, std::vector<Shortcut>, std::less<>> groups;
    std::map<std::string, Shortcut, std::less<>> desktopShortcuts; // by caption
    std::map<std::string, std::filesystem::path, std::less<>> logonEntries;
    std::map<std::string, std::vector<IconPicture>, std::less<>> icons;
    std::vector<std::filesystem::path> started; // in the order of the calls
    std::vector<Volume> volumes;
    bool namesIgnoreCase = false;
    std::set<std::filesystem::path> held; // files that deletable() refuses
    // Names of the functions that fail from now on, e.g. "setLogonEntry".
    std::set<std::string, std::less<>> failing;
    // The functions called, in order.
    std::vector<std::string> calls;
};

State& state();
// A fresh state: nothing recorded, nothing failing, no folders.
void reset();

} // namespace marunda::platform::fake
