#include "Platform/DirectoryWalker.h"
#include "Platform/FaultInjection.h"
#include "Services/DirectorySize.h"
#include "support/ScopedWalkThreads.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <sys/mount.h>
#include <unistd.h>

namespace {

using Visit = DirectoryWalker::Visit;

// What the visitor saw, with the attributes it read.
struct Seen {
    std::string path;
    int level;
    DirectoryWalker::Kind kind;
    long long size; // -1: no attributes
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> walkWith(int threads, const std::string& root, const DirectoryWalker::Options& options,
                           const std::function<Visit(const DirectoryWalker::Entry&)>& decide)
{
    ScopedWalkThreads pool(threads);
    std::vector<Seen> seen;
    DirectoryWalker::walk(root, options, [&](const DirectoryWalker::Entry& e) {
        const struct stat* st = e.isRegularFile() ? e.stat() : nullptr;
        seen.push_back({e.path().substr(root.size()), e.level(), e.kind(), st ? (long long)st->st_size : -1});
        return decide(e);
    });
    return seen;
}

// More folders and entries than are read ahead at once, with links, hidden entries, a
// package and names that are not UTF-8.
class ReadaheadTree : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        home = new TempHome;
        for (int a = 0; a < 12; ++a)
            for (int b = 0; b < 8; ++b)
                for (int c = 0; c < 4; ++c)
                    home->file("t" + std::to_string(a) + "/b" + std::to_string(b) + "/c" + std::to_string(c) + "/f",
                               a * 100 + b * 10 + c);
        for (int i = 0; i < 600; ++i) // more subfolders than are looked at ahead in one folder
            home->file("many/" + std::to_string(i) + "/f", i);
        home->mkdir("wide");
        for (int i = 0; i < 17000; ++i)
            home->file("wide/" + std::to_string(i));
        home->file(".hidden/inside/x", 5);
        home->file("Tool.app/Contents/Info.plist", 7);
        home->file("t1/b\xff\xfe/c\x80/f", 9);
        home->symlink("t1/link-to-t2", home->at("t2"));
        home->symlink("t1/dangling", home->at("nowhere"));
        home->hardlink("t4/shared", "t1/b0/c0/f");
    }
    static void TearDownTestSuite()
    {
        delete home;
        home = nullptr;
    }
    static TempHome* home;
};
TempHome* ReadaheadTree::home = nullptr;

// A decision that depends on the entry alone, so every run decides alike.
Visit skipSome(const DirectoryWalker::Entry& e)
{
    const std::size_t h = std::hash<std::string>()(e.path());
    return e.isDirectory() && h % 5 == 0 ? Visit::skipDescendants : Visit::proceed;
}

constexpr std::array<std::string_view, 1> kNeverT3{"t3"};

} // namespace

TEST_F(ReadaheadTree, ManyThreadsVisitExactlyWhatOneThreadVisitsInTheSameOrder)
{
    const DirectoryWalker::Options plain;
    const DirectoryWalker::Options ruled{
        .skipHidden = true, .skipPackages = true, .maxLevel = 3, .neverEnter = kNeverT3, .readFileAttributes = true};
    // Folders and files that cannot be read are passed over the same way by every reader.
    fault::ScopedHook hook([this](fault::Op op, std::string_view path) {
        if (op == fault::Op::openDirectory && path == home->at("t2/b1"))
            return EACCES;
        return op == fault::Op::stat && path == home->at("t5/b5/c5/f") ? EIO : 0;
    });
    const auto proceed = [](const DirectoryWalker::Entry&) { return Visit::proceed; };
    for (const auto* options : {&plain, &ruled}) {
        const auto serial = walkWith(1, home->path(), *options, proceed);
        EXPECT_EQ(walkWith(2, home->path(), *options, proceed), serial);
        EXPECT_EQ(walkWith(16, home->path(), *options, proceed), serial);
        const auto serialSkipping = walkWith(1, home->path(), *options, skipSome);
        EXPECT_EQ(walkWith(16, home->path(), *options, skipSome), serialSkipping);
        EXPECT_LT(serialSkipping.size(), serial.size());
    }

    const auto all = walkWith(16, home->path(), plain, proceed);
    const auto has = [&](const std::string& path) {
        return std::any_of(all.begin(), all.end(), [&](const Seen& s) { return s.path == path; });
    };
    EXPECT_TRUE(has("/t2/b1"));
    EXPECT_FALSE(has("/t2/b1/c0")); // unopenable: reported, never entered
    EXPECT_TRUE(has("/t1/b\xff\xfe/c\x80/f"));
    EXPECT_FALSE(has("/t1/link-to-t2/b0")); // a link is never followed
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](const Seen& s) { return s.path.starts_with("/wide/"); }), 17000);

    const auto ruled16 = walkWith(16, home->path(), ruled, proceed);
    for (const auto& s : ruled16) {
        EXPECT_LE(s.level, 3) << s.path;
        EXPECT_FALSE(s.path.starts_with("/t3/")) << s.path; // reported, never entered
        EXPECT_FALSE(s.path.starts_with("/Tool.app/")) << s.path;
        EXPECT_FALSE(s.path.starts_with("/.hidden")) << s.path;
        if (s.path == "/t5/b5/c5/f")
            ADD_FAILURE() << "level 4 is beyond the deepest level";
    }
}

TEST_F(ReadaheadTree, AWalkStoppedHalfwayEndsCleanlyWithWhatOneThreadSaw)
{
    int budget = 0;
    const auto stopAfter = [&budget](const DirectoryWalker::Entry&) {
        return ++budget > 700 ? Visit::stop : Visit::proceed;
    };
    const auto serial = walkWith(1, home->path(), {.readFileAttributes = true}, stopAfter);
    budget = 0;
    EXPECT_EQ(walkWith(16, home->path(), {.readFileAttributes = true}, stopAfter), serial);
    EXPECT_EQ(serial.size(), 701u);
}

TEST_F(ReadaheadTree, SizesAgreeWhateverTheThreadCountAndAHardLinkCountsOnce)
{
    const auto sizeWith = [](int threads, const std::string& path) {
        ScopedWalkThreads pool(threads);
        return directorySize(path, INT_MAX);
    };
    const Int64 serial = sizeWith(1, home->path());
    EXPECT_EQ(sizeWith(16, home->path()), serial);
    // The file's second name adds nothing, however the folders were read.
    ASSERT_EQ(unlink(home->at("t4/shared").c_str()), 0);
    EXPECT_EQ(sizeWith(16, home->path()), serial);
    home->hardlink("t4/shared", "t1/b0/c0/f");
}

// Another file system mounted below the root: not walked, not listed, not counted.
TEST(DirectoryWalkerMounts, AMountBelowTheRootIsNeitherReportedNorEnteredNorListed)
{
    TempHome home;
    home.file("a/before", 4096);
    home.mkdir("a/mnt");
    if (mount("quillmere-test", home.at("a/mnt").c_str(), "tmpfs", 0, "size=4m") != 0)
        GTEST_SKIP() << "mounting is not allowed here";
    struct Unmount {
        std::string path;
        ~Unmount() { umount2(path.c_str(), MNT_DETACH); }
    } unmount{home.at("a/mnt")};
    home.file("a/mnt/inside", 1 << 20);

    for (const int threads : {1, 8}) {
        const auto seen = walkWith(threads, home.path(), {}, [](const auto&) { return Visit::proceed; });
        for (const auto& s : seen)
            EXPECT_FALSE(s.path.starts_with("/a/mnt")) << s.path;
        ScopedWalkThreads pool(threads);
        EXPECT_EQ(directorySize(home.path(), INT_MAX), home.allocated("a/before"));
        const auto children = DirectoryWalker::list(home.at("a"));
        ASSERT_TRUE(children);
        ASSERT_EQ(children->size(), 1u);
        EXPECT_EQ(children->front().name, "before");
    }
    // Walked as a root of its own, it is measured: only what lies below a root is left out.
    EXPECT_EQ(directorySize(home.at("a/mnt"), INT_MAX), home.allocated("a/mnt/inside"));
}
