#include "platform/fake/fake_platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
namespace platform = marunda::platform;

TEST(FakePlatform, RecordsWhatItWasAskedAndFailsWhereTold) {
    platform::fake::reset();
    auto& state = platform::fake::state();
    TempFolder dir;
    EXPECT_FALSE(platform::windowsFolder()) << "no folder given";
    state.windowsFolder = dir / "W";
    EXPECT_EQ(platform::windowsFolder().valueOr({}), dir / "W");
    EXPECT_TRUE(fs::is_directory(dir / "W"));

    const platform::Shortcut telefon{"telefon", "Marunda", dir / "Telefon", {}};
    const platform::Shortcut zilora{"zilora", "Selvira", dir / "Zilora", {}};
    ASSERT_TRUE(platform::createProgramGroup("Marunda", {telefon, zilora}));
    ASSERT_TRUE(platform::removeProgramGroup("Marunda", {zilora}));
    EXPECT_EQ(state.groups.at("Marunda"), std::vector<platform::Shortcut>{telefon});
    ASSERT_TRUE(platform::removeProgramGroup("Marunda", {telefon}));
    EXPECT_TRUE(state.groups.empty());

    state.failing.insert("setLogonEntry");
    EXPECT_FALSE(platform::setLogonEntry("Zilora", zilora.target));
    EXPECT_TRUE(state.logonEntries.empty());

    EXPECT_FALSE(platform::startDetached(zilora.target)) << "a missing program does not start";
    dir.write("Zilora", "program");
    EXPECT_TRUE(platform::startDetached(zilora.target));
    EXPECT_EQ(state.started, std::vector<fs::path>{zilora.target});
    EXPECT_EQ(state.calls,
              (std::vector<std::string>{"windowsFolder", "windowsFolder", "createProgramGroup",
                                        "removeProgramGroup", "removeProgramGroup", "setLogonEntry",
                                        "startDetached", "startDetached"}));

    state.volumes = {{dir.path(), "", true}, {dir / "W", "", false}};
    EXPECT_EQ(platform::volumeOf(dir / "W" / "x"), dir / "W");
    EXPECT_FALSE(platform::volumeReady(dir / "W"));
    EXPECT_TRUE(platform::volumeReady(dir.path()));
}
