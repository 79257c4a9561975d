// The lines that name what a cache folder holds.
#include "Services/ContentPreview.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr std::int64_t KiB = 1024;

std::vector<std::string> previewOf(const TempHome& home, const std::string& relative)
{
    return buildTopContentPreview(home.at(relative));
}

} // namespace

TEST(ContentPreview, MissingPathsFilesAndEmptyFolders)
{
    TempHome home;
    home.file("data.bin", 10);
    home.mkdir("empty");
    EXPECT_TRUE(previewOf(home, "missing").empty());
    EXPECT_EQ(previewOf(home, "data.bin"), std::vector<std::string>{"单文件：data.bin"});
    EXPECT_TRUE(previewOf(home, "empty").empty());
}

TEST(ContentPreview, ChildMustOccupyMoreThanHundredThousandBytes)
{
    TempHome home;
    home.allocatedFile("f/under", 96 * KiB); // 98,304 bytes
    home.allocatedFile("f/over", 100 * KiB); // 102,400 bytes
    ASSERT_EQ(home.allocated("f/under"), 98'304);
    ASSERT_EQ(home.allocated("f/over"), 102'400);
    EXPECT_THAT(previewOf(home, "f"), testing::ElementsAre("over (100 KB)"));
}

TEST(ContentPreview, LooksAtTheFirstTwelveEntriesOnlyAndShowsFour)
{
    TempHome home;
    // Sizes grow with the name, so the largest children lie beyond the twelfth entry.
    for (int i = 0; i < 20; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "f/c%02d", i);
        home.allocatedFile(name, (i + 1) * MiB);
    }
    EXPECT_THAT(previewOf(home, "f"),
                testing::ElementsAre("c11 (12.0 MB)", "c10 (11.0 MB)", "c09 (10.0 MB)", "c08 (9.0 MB)"));
}

TEST(ContentPreview, ChildrenAreSizedFourLevelsDeepWithoutFollowingLinks)
{
    TempHome home;
    home.allocatedFile("f/.hidden/1/2/3/file", 1 * MiB);   // level 4 inside the child: counted
    home.allocatedFile("f/.hidden/1/2/3/4/file", 8 * MiB); // level 5: not counted
    home.allocatedFile("target", 50 * MiB);
    home.symlink("f/link", home.at("target"));
    home.allocatedFile("f/same1", 2 * MiB);
    home.allocatedFile("f/same2", 2 * MiB);
    EXPECT_THAT(previewOf(home, "f"), testing::ElementsAre("same1 (2.0 MB)", "same2 (2.0 MB)", ".hidden (1.0 MB)"));
}
