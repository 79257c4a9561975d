#include "Platform/Trash.h"
#include "Platform/FaultInjection.h"
#include "Platform/FileOperations.h"
#include "support/PlaceAt.h"
#include "support/TempHome.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The Path= value of an info file, decoded back to bytes.
std::string infoPath(const std::string& infoFile)
{
    const std::string text = readFileBytes(infoFile);
    const auto start = text.find("\nPath=");
    if (start == std::string::npos)
        return {};
    const auto end = text.find('\n', start + 1);
    return Trash::percentDecode(text.substr(start + 6, end - start - 6));
}

std::string infoFileOf(const TempHome& home, const std::string& name)
{
    return home.at(".local/share/Trash/info/" + name + ".trashinfo");
}

std::vector<std::string> namesIn(const std::string& folder)
{
    auto names = fileops::listChildren(folder);
    return names ? *names : std::vector<std::string>{};
}

} // namespace

TEST(Trash, InfoFileRecordsTheExactBytesOfTheOriginalPath)
{
    TempHome home;
    const std::string name = "with space, 中文 and \xff\xfe bytes%";
    const std::string item = home.fileWithContent(name, "data");
    const auto trash = Trash::openHome(home.path());
    ASSERT_TRUE(trash);

    const auto at = trash->moveIn(PlaceAt(item), "QM-1-0-" + name);
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, home.at(".local/share/Trash/files/QM-1-0-" + name));
    EXPECT_EQ(readFileBytes(*at), "data");
    const std::string info = infoFileOf(home, "QM-1-0-" + name);
    EXPECT_EQ(infoPath(info), item);

    const std::string text = readFileBytes(info);
    EXPECT_EQ(text.rfind("[Trash Info]\nPath=/", 0), 0u);
    EXPECT_EQ(text.find(' ', 13), std::string::npos) << "the path must be percent-encoded: " << text;
    EXPECT_NE(text.find("\nDeletionDate=20"), std::string::npos);

    trash->forget("QM-1-0-" + name);
    EXPECT_FALSE(fileops::exists(info));
}

TEST(Trash, ATakenNameIsNeverReusedOrOverwritten)
{
    TempHome home;
    const auto trash = Trash::openHome(home.path());
    ASSERT_TRUE(trash);
    const auto first = trash->moveIn(PlaceAt(home.fileWithContent("a/same", "first")), "same");
    ASSERT_TRUE(first);

    const std::string second = home.fileWithContent("b/same", "second");
    EXPECT_EQ(trash->moveIn(PlaceAt(second), "same").error(), EEXIST);
    EXPECT_EQ(readFileBytes(second), "second");
    EXPECT_EQ(infoPath(infoFileOf(home, "same")), home.at("a/same")); // the first info file is untouched

    // A file in files/ without its info file also keeps its name.
    home.fileWithContent(".local/share/Trash/files/same.2", "stray");
    const auto third = trash->moveInUnderFreeName(PlaceAt(second), "same");
    ASSERT_TRUE(third);
    EXPECT_EQ(*third, home.at(".local/share/Trash/files/same.3"));
    EXPECT_EQ(readFileBytes(home.at(".local/share/Trash/files/same.2")), "stray");
    EXPECT_FALSE(fileops::exists(infoFileOf(home, "same.2")));
    EXPECT_EQ(readFileBytes(*first), "first");
    EXPECT_EQ(readFileBytes(*third), "second");
}

TEST(Trash, AFailedMoveLeavesTheItemAndNoInfoFile)
{
    TempHome home;
    const std::string item = home.fileWithContent("doc", "x");
    const auto trash = Trash::openHome(home.path());
    ASSERT_TRUE(trash);
    for (const int err : {EACCES, EXDEV, EBUSY, ENOSPC}) {
        fault::ScopedHook hook([err](fault::Op op, std::string_view) { return op == fault::Op::rename ? err : 0; });
        EXPECT_EQ(trash->moveIn(PlaceAt(item), "doc").error(), err);
        EXPECT_FALSE(Trash::trashItem(PlaceAt(item), home.path()));
    }
    {
        // The info file cannot be written: nothing moves.
        fault::ScopedHook hook([](fault::Op op, std::string_view) { return op == fault::Op::writeFile ? ENOSPC : 0; });
        EXPECT_FALSE(trash->moveIn(PlaceAt(item), "doc"));
    }
    EXPECT_EQ(readFileBytes(item), "x");
    EXPECT_TRUE(namesIn(trash->infoFolder()).empty());
}

TEST(Trash, SystemCallOnTheHomeFileSystemUsesTheHomeTrashUnderAFreeName)
{
    TempHome home;
    const std::string a = home.fileWithContent("one/report", "1");
    const std::string b = home.fileWithContent("two/report", "2");
    const auto first = Trash::trashItem(PlaceAt(a), home.path());
    const auto second = Trash::trashItem(PlaceAt(b), home.path());
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, home.at(".local/share/Trash/files/report"));
    EXPECT_EQ(*second, home.at(".local/share/Trash/files/report.2"));
    EXPECT_EQ(readFileBytes(*second), "2");
    EXPECT_EQ(infoPath(infoFileOf(home, "report.2")), b);

    const std::string c = home.fileWithContent("three/report", "3");
    {
        fault::ScopedHook hook([](fault::Op op, std::string_view) { return op == fault::Op::trashCall ? EACCES : 0; });
        EXPECT_FALSE(Trash::trashItem(PlaceAt(c), home.path()));
    }
    {
        // Without a home trash the call fails; it never falls back to the disk's top folder.
        TempHome other;
        fault::ScopedHook hook(
            [](fault::Op op, std::string_view) { return op == fault::Op::makeDirectory ? EACCES : 0; });
        EXPECT_EQ(Trash::trashItem(PlaceAt(c), other.path()).error(), EACCES);
    }
    EXPECT_EQ(readFileBytes(c), "3");
}

// Another file system's trash lives at its top folder and records paths relative to
// it, so the disk may be mounted elsewhere later.
TEST(Trash, TopdirTrashIsPrivateAndRecordsRelativePaths)
{
    TempHome disk;
    const auto trash = Trash::openTopdir(disk.path());
    ASSERT_TRUE(trash);
    const std::string own = ".Trash-" + std::to_string(getuid());
    EXPECT_EQ(trash->filesFolder(), disk.at(own + "/files"));
    EXPECT_EQ(fileops::statNoFollow(disk.at(own))->st_mode & 0777, 0700u);

    const auto at = trash->moveIn(PlaceAt(disk.fileWithContent("photos/x.jpg", "img")), "x.jpg");
    ASSERT_TRUE(at);
    EXPECT_EQ(infoPath(disk.at(own + "/info/x.jpg.trashinfo")), "photos/x.jpg");
    const auto holding = Trash::openHolding(*at, "/nonexistent-home");
    ASSERT_TRUE(holding);
    EXPECT_EQ(holding->second, "x.jpg");
}

// A trash whose folders lead elsewhere is neither used nor emptied: what is moved or
// listed there would land outside the home.
TEST(Trash, ATrashReachedThroughALinkIsNotUsed)
{
    for (const std::string linked : {".local/share/Trash", ".local/share/Trash/files", ".local/share/Trash/info"}) {
        SCOPED_TRACE(linked);
        TempHome home;
        home.fileWithContent("outside/precious", "not ours");
        home.mkdir(".local/share/Trash/files");
        home.mkdir(".local/share/Trash/info");
        std::filesystem::remove_all(home.at(linked));
        home.symlink(linked, home.at("outside"));
        const auto before = snapshotTree(home.at("outside"));

        EXPECT_EQ(Trash::openHome(home.path()).error(), ELOOP);
        EXPECT_FALSE(Trash::trashItem(PlaceAt(home.fileWithContent("doc", "x")), home.path()));
        EXPECT_EQ(snapshotTree(home.at("outside")), before);
    }
}

// A clean killed between writing an info file and moving its entry leaves the info file
// behind; the next reservation in that trash removes it. Other programs' info files
// without an entry are theirs to deal with.
TEST(Trash, InfoFilesOfEntriesThatNeverArrivedAreSweptOnTheNextReservation)
{
    TempHome home;
    const std::string item = home.fileWithContent("doc", "x");
    const pid_t child = fork();
    if (child == 0) {
        fault::ScopedHook dieMidMove([](fault::Op op, std::string_view) {
            if (op == fault::Op::rename)
                _exit(0);
            return 0;
        });
        (void)Trash::openHome(home.path())->moveIn(PlaceAt(item), "QM-1-0-doc");
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(fileops::exists(infoFileOf(home, "QM-1-0-doc")));
    home.fileWithContent(".local/share/Trash/info/theirs.trashinfo", "[Trash Info]\nPath=/x\nDeletionDate=2020\n");

    const auto trash = Trash::openHome(home.path());
    ASSERT_TRUE(trash->moveIn(PlaceAt(home.fileWithContent("other", "y")), "other"));
    EXPECT_EQ(namesIn(trash->infoFolder()), (std::vector<std::string>{"other.trashinfo", "theirs.trashinfo"}));
    EXPECT_EQ(readFileBytes(item), "x");
}

TEST(Trash, EntriesAreListedWithTheirIdentityAndBytes)
{
    TempHome home;
    home.allocatedFile(".local/share/Trash/files/folder/a", 8192);
    home.hardlink(".local/share/Trash/files/folder/b", ".local/share/Trash/files/folder/a"); // counts once
    home.allocatedFile(".local/share/Trash/files/file", 4096);
    home.mkdir(".local/share/Trash/info");
    const auto trash = Trash::openHome(home.path(), false);
    ASSERT_TRUE(trash);
    const auto entries = trash->entries(10);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].name, "file");
    EXPECT_EQ((*entries)[0].stamp.kind, FileStamp::Kind::file);
    EXPECT_EQ((*entries)[0].stamp.inode, fileops::statNoFollow(home.at(".local/share/Trash/files/file"))->st_ino);
    EXPECT_EQ((*entries)[1].bytes, home.allocated(".local/share/Trash/files/folder/a"));
}
