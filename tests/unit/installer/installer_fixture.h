#pragma once

#include "core/file_name.h"
#include "installer/installation.h"
#include "installer/medium.h"
#include "installer/removal.h"
#include "platform/fake/fake_platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// A medium with a small stand-in for every file, an empty Windows folder and desktop, and the
// fake platform pointed at them.
class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        marunda::platform::fake::reset();
        auto& state = marunda::platform::fake::state();
        state.windowsFolder = root / "windows";
        state.desktopFolder = root / "desktop";
        std::filesystem::create_directories(root / "medium");
        std::filesystem::create_directories(root / "windows");
        for (const auto& source : marunda::installer::requiredSources()) {
            root.write("medium/" + source, "contents of " + source);
        }
        root.write("medium/" + kur(), "contents of Kur");
    }

    // Names are UTF-8, on every system.
    std::filesystem::path folder(const std::string& name = "Telefon") const {
        return root / marunda::pathFromText(name);
    }
    static std::string utf8(const std::filesystem::path& path) {
        const auto text = path.u8string();
        return {text.begin(), text.end()};
    }
    static std::string kur() { return marunda::installer::programName("Kur"); }
    std::string windowsFile(const std::string& name) const { return root.read("windows/" + name); }

    // Installs into `name` (created when missing), saying yes to every question.
    marunda::installer::InstallReport install(const std::string& name = "Telefon") {
        return marunda::installer::install(
            {root / "medium", root / "medium" / kur(), utf8(folder(name))},
            {[this] { ++conversionNotices; }, [] { return true; },
             [this](int value) {
                 progress.push_back(value);
             }});
    }
    marunda::installer::RemovalReport remove(bool backup) {
        return marunda::installer::removeInstallation(
            backup, [this](int value) { progress.push_back(value); });
    }

    TempFolder root;
    std::vector<int> progress;
    int conversionNotices = 0;
};
