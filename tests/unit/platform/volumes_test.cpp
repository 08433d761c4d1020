#include "platform/platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fs = std::filesystem;

TEST(Volumes, OfferTheVolumeOfAFolderAndKnowWhatIsReady) {
    TempFolder dir;
    fs::create_directories(dir / "a b" / "c");
    const auto all = marunda::platform::volumes();
    ASSERT_FALSE(all.empty());
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(),
                               [](const auto& a, const auto& b) { return a.root < b.root; }));

    const fs::path root = marunda::platform::volumeOf(dir / "a b" / "c");
    auto listed =
        std::find_if(all.begin(), all.end(), [&](const auto& v) { return v.root == root; });
    ASSERT_NE(listed, all.end()) << root.string();
    EXPECT_TRUE(listed->ready);
    EXPECT_EQ(marunda::platform::volumeOf(dir.path()), root);
    auto tail = std::mismatch(root.begin(), root.end(), dir.path().begin(), dir.path().end());
    EXPECT_EQ(tail.first, root.end()) << "the volume holds the folder";

    EXPECT_FALSE(marunda::platform::volumeReady(dir / "missing"));
}
