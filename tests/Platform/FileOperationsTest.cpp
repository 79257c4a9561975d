#include "Platform/FileOperations.h"
#include "Platform/FaultInjection.h"
#include "support/PlaceAt.h"
#include "support/TempHome.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include "Platform/FileIdentity.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/mount.h>

namespace {

// Makes one operation fail with `err` for paths containing `needle`.
fault::Hook failing(fault::Op op, std::string needle, int err)
{
    return [op, needle = std::move(needle), err](fault::Op o, std::string_view path) {
        return o == op && path.find(needle) != std::string_view::npos ? err : 0;
    };
}

int move(const std::string& from, const std::string& to)
{
    return fileops::moveNoReplace(PlaceAt(from), PlaceAt(to)).error();
}

int removeTree(const std::string& path) { return fileops::removeTree(PlaceAt(path)).status.error(); }

} // namespace

TEST(MoveNoReplace, NeverReplacesWhatIsAtTheTarget)
{
    TempHome home;
    home.fileWithContent("a.txt", "mine");
    home.fileWithContent("b.txt", "theirs");
    home.fileWithContent("dir/inner", "x");
    home.mkdir("emptyTarget");
    home.symlink("link", "a.txt");

    EXPECT_EQ(move(home.at("a.txt"), home.at("b.txt")), EEXIST);
    EXPECT_EQ(move(home.at("dir"), home.at("emptyTarget")), EEXIST);
    EXPECT_EQ(move(home.at("link"), home.at("b.txt")), EEXIST);
    EXPECT_EQ(readFileBytes(home.at("a.txt")), "mine");
    EXPECT_EQ(readFileBytes(home.at("b.txt")), "theirs");
    EXPECT_EQ(readFileBytes(home.at("dir/inner")), "x");

    EXPECT_EQ(move(home.at("link"), home.at("moved-link")), 0);
    EXPECT_EQ(snapshotTree(home.path())["moved-link"], "link a.txt"); // the link moved, not its target
}

// Some file systems reject the no-replace flag: files then take a second name and
// drop the first, folders take the place of an empty placeholder, and where hard
// links are refused a file placeholder reserves the name. None of these may replace.
TEST(MoveNoReplace, WithoutTheKernelFlagStillNeverReplaces)
{
    for (const int linkError : {0, EPERM}) {
        SCOPED_TRACE(linkError);
        TempHome home;
        home.fileWithContent("f", "file");
        home.fileWithContent("d/inner", "deep");
        home.symlink("l", "/etc/passwd");
        home.fileWithContent("taken", "keep");
        const TreeSnapshot before = snapshotTree(home.path());

        fault::ScopedHook hook([linkError](fault::Op op, std::string_view) {
            if (op == fault::Op::renameNoReplace)
                return EINVAL;
            return op == fault::Op::link ? linkError : 0;
        });
        EXPECT_EQ(move(home.at("f"), home.at("taken")), EEXIST);
        EXPECT_EQ(move(home.at("d"), home.at("taken")), EEXIST);
        EXPECT_EQ(snapshotTree(home.path()), before);

        EXPECT_EQ(move(home.at("f"), home.at("f2")), 0);
        EXPECT_EQ(move(home.at("d"), home.at("d2")), 0);
        EXPECT_EQ(move(home.at("l"), home.at("l2")), 0);
        const TreeSnapshot after = snapshotTree(home.path());
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after.at("f2"), before.at("f"));
        EXPECT_EQ(after.at("d2/inner"), before.at("d/inner"));
        EXPECT_EQ(after.at("l2"), "link /etc/passwd");
        EXPECT_EQ(after.at("taken"), before.at("taken"));
    }
}

TEST(MoveNoReplace, AnotherFileSystemLeavesTheItemWhereItWas)
{
    TempHome home;
    home.fileWithContent("big", "payload");
    fault::ScopedHook hook(failing(fault::Op::rename, "elsewhere", EXDEV));
    EXPECT_EQ(move(home.at("big"), home.at("elsewhere")), EXDEV);
    EXPECT_EQ(readFileBytes(home.at("big")), "payload");
    EXPECT_FALSE(fileops::exists(home.at("elsewhere")));
}

TEST(RemoveItem, RemovesLinksAsLinksAndNeverTheirTargets)
{
    TempHome home;
    home.fileWithContent("outside/precious", "keep me");
    home.fileWithContent("cache/a/b/file", "junk");
    home.symlink("cache/toOutside", home.at("outside"));
    home.symlink("cache/a/toFile", home.at("outside/precious"));
    home.symlink("topLink", home.at("outside"));

    EXPECT_EQ(removeTree(home.at("cache")), 0);
    EXPECT_EQ(removeTree(home.at("topLink")), 0);
    EXPECT_FALSE(fileops::exists(home.at("cache")));
    EXPECT_FALSE(fileops::exists(home.at("topLink")));
    EXPECT_EQ(readFileBytes(home.at("outside/precious")), "keep me");
}

TEST(RemoveItem, GoesOnPastWhatItCannotRemoveAndReportsTheFailure)
{
    TempHome home;
    home.file("cache/a", 10);
    home.file("cache/busy", 10);
    home.file("cache/z/deep", 10);
    fault::ScopedHook hook(failing(fault::Op::remove, "busy", EBUSY));
    const fileops::Removal removal = fileops::removeTree(PlaceAt(home.at("cache")));
    EXPECT_EQ(removal.status.error(), EBUSY);
    EXPECT_EQ(removal.removedEntries, 3); // a, deep and z: what went is known
    const TreeSnapshot left = snapshotTree(home.path());
    EXPECT_EQ(left.size(), 2u); // the folder and the busy file
    EXPECT_TRUE(left.count("cache/busy"));
}

// A file system mounted inside a folder (a network share, a disk) is not part of the
// folder: removing the folder, or the mount point as one of its children, stops there.
TEST(RemoveItem, NeverEntersAnotherFileSystemMountedInside)
{
    TempHome home;
    home.file("cache/junk", 10);
    const std::string mountPoint = home.mkdir("cache/share");
    if (::mount("quillmere-test", mountPoint.c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "no mounting here: " << std::strerror(errno);
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{mountPoint};
    home.fileWithContent("cache/share/remote.doc", "on the server");

    EXPECT_EQ(removeTree(home.at("cache")), EXDEV);
    EXPECT_EQ(removeTree(mountPoint), EXDEV);
    EXPECT_FALSE(fileops::exists(home.at("cache/junk")));
    EXPECT_EQ(readFileBytes(mountPoint + "/remote.doc"), "on the server");
}

// A folder of the same file system mounted a second time (a bind mount) shows the same
// device: it is known by being the root of a mount.
TEST(RemoveItem, NeverEntersAFolderMountedASecondTime)
{
    TempHome home;
    home.fileWithContent("data/thesis.tex", "years of work");
    home.file("build/obj.o", 10);
    const std::string mountPoint = home.mkdir("build/data");
    if (::mount(home.at("data").c_str(), mountPoint.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "no mounting here: " << std::strerror(errno);
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{mountPoint};

    EXPECT_EQ(removeTree(home.at("build")), EXDEV);
    EXPECT_EQ(removeTree(mountPoint), EXDEV);
    EXPECT_FALSE(fileops::exists(home.at("build/obj.o")));
    EXPECT_EQ(readFileBytes(home.at("data/thesis.tex")), "years of work");
}

TEST(RemoveTree, RemovesOnlyTheObjectItWasToldAbout)
{
    TempHome home;
    home.fileWithContent("cache/old", "scanned");
    const auto scanned = fileops::statNoFollow(home.at("cache"));
    ASSERT_TRUE(scanned);
    // Swapped for another folder after the check.
    std::filesystem::rename(home.at("cache"), home.at("cache-was"));
    home.fileWithContent("cache/new", "someone else's");

    const fileops::Removal removal = fileops::removeTree(PlaceAt(home.at("cache")), stampOf(*scanned));
    EXPECT_EQ(removal.status.error(), ESTALE);
    EXPECT_EQ(removal.removedEntries, 0);
    EXPECT_EQ(readFileBytes(home.at("cache/new")), "someone else's");
}
