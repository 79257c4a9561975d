// Another file system mounted inside the home (a share, a FUSE or removable mount) is
// not part of it: the scan neither walks it nor offers what it holds.
#include "Services/StorageEngine.h"
#include "support/EngineTestAccess.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

namespace {

// Mounts a small memory file system on a folder of the home for one test.
class Mounted {
  public:
    Mounted(const TempHome& home, const std::string& relative) : path_(home.mkdir(relative))
    {
        mounted_ = mount("quillmere-test", path_.c_str(), "tmpfs", 0, "size=64m") == 0;
    }
    ~Mounted()
    {
        if (mounted_)
            umount2(path_.c_str(), MNT_DETACH);
    }
    bool ok() const { return mounted_; }

  private:
    std::string path_;
    bool mounted_ = false;
};

} // namespace

TEST(MountedFolders, WhatAMountInsideTheHomeHoldsIsNeitherMeasuredNorOffered)
{
    TempHome home;
    const Mounted cache(home, ".cache"), share(home, "Documents/share"), projects(home, "Desktop/projects");
    if (!cache.ok() || !share.ok() || !projects.ok())
        GTEST_SKIP() << "mounting is not allowed here";
    home.occupy(".cache/models", 4 * MiB);
    home.allocatedFile("Documents/share/film.mkv", 30 * MiB);
    home.occupy("Desktop/projects/app/node_modules", 16 * MiB);
    home.setModifiedDaysAgo("Desktop/projects/app", 9.5);
    // The same on the home's own file system is found.
    home.occupy(".local/share/uv", 4 * MiB);
    home.allocatedFile("Documents/film.mkv", 30 * MiB);
    home.occupy("Documents/app/node_modules", 16 * MiB);
    home.setModifiedDaysAgo("Documents/app", 9.5);

    StorageEngine scanner(testOptions(home.path()));
    scanner.startInstantScan();
    ASSERT_TRUE(waitForScan(scanner));

    std::vector<std::string> items;
    for (const auto& card : scanner.results().ruleCards())
        for (const auto& item : card.subItems)
            items.push_back(item.url);
    EXPECT_EQ(items, std::vector<std::string>{home.at(".local/share/uv")});
    ASSERT_EQ(scanner.results().largeFiles().size(), 1u);
    EXPECT_EQ(scanner.results().largeFiles()[0].url, home.at("Documents/film.mkv"));
    ASSERT_EQ(scanner.results().projectBloats().size(), 1u);
    EXPECT_EQ(scanner.results().projectBloats()[0].url, home.at("Documents/app/node_modules"));
}
