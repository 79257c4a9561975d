// A mount point is never emptied, in either mode: what lies on the other file system
// (a tmpfs, or a folder of the user's mounted a second time) stays, and the item counts
// as skipped. Skipped where this machine does not allow mounting.
#include "support/CleanFixture.h"
#include "support/TreeSnapshot.h"

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {

class MountSafety : public CleanFixture {
  protected:
    TempHome outside;
    std::vector<std::string> mounts;

    void TearDown() override
    {
        for (auto it = mounts.rbegin(); it != mounts.rend(); ++it)
            ::umount2(it->c_str(), MNT_DETACH);
        CleanFixture::TearDown();
    }

    // Mounts a fresh tmpfs, or the outside folder a second time, at a folder of the home.
    bool mountAt(const std::string& relative, bool bind)
    {
        const std::string point = home.mkdir(relative);
        const int result = bind ? ::mount(outside.path().c_str(), point.c_str(), nullptr, MS_BIND, nullptr)
                                : ::mount("quillmere-test", point.c_str(), "tmpfs", 0, "size=4m");
        if (result != 0)
            return false;
        mounts.push_back(point);
        return true;
    }
};

} // namespace

TEST_F(MountSafety, AMountPointItemIsLeftWithEverythingOnIt)
{
    outside.fileWithContent("thesis.tex", "years of work");
    for (const bool bind : {true, false}) {
        for (const bool toTrash : {true, false}) {
            SCOPED_TRACE(std::string(bind ? "bind" : "tmpfs") + (toTrash ? ", to the Trash" : ", deleting"));
            const std::string relative = std::string(".cache/") + (bind ? "bound" : "tmpfs") + (toTrash ? "T" : "D");
            if (!mountAt(relative, bind))
                GTEST_SKIP() << "no mounting here: " << std::strerror(errno);
            home.fileWithContent(relative + "/cached.bin", "on the mount");
            const TreeSnapshot before = snapshotTree(home.at(relative));

            engine->cleaner().setMoveToTrashByDefault(toTrash);
            const auto cleaned = clean({{home.at(relative), 100, "mount"}});
            EXPECT_TRUE(cleaned.empty());
            EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
            EXPECT_EQ(snapshotTree(home.at(relative)), before);
        }
    }
}

// Deleting a folder with a mount somewhere below removes what is its own and reports the
// rest as left; the mounted folder's content stays.
TEST_F(MountSafety, DeletingAFolderThatHoldsAMountLeavesTheMountAndSaysSo)
{
    outside.fileWithContent("thesis.tex", "years of work");
    home.file(".cache/tool/junk", 100);
    if (!mountAt(".cache/tool/data", true))
        GTEST_SKIP() << "no mounting here: " << std::strerror(errno);
    const TreeSnapshot before = snapshotTree(outside.path());

    engine->cleaner().setMoveToTrashByDefault(false);
    const auto cleaned = clean({{home.at(".cache/tool"), 100, "tool"}});
    EXPECT_TRUE(cleaned.empty());
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
    EXPECT_FALSE(fileops::exists(home.at(".cache/tool/junk")));
    EXPECT_EQ(snapshotTree(outside.path()), before);
}
