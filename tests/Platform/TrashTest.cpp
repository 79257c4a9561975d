#include "Platform/Trash.h"
#include "Platform/FaultInjection.h"
#include "Platform/FileOperations.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <cerrno>

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

} // namespace

TEST(Trash, InfoFileRecordsTheExactBytesOfTheOriginalPath)
{
    TempHome home;
    const std::string name = "with space, 中文 and \xff\xfe bytes%";
    const std::string item = home.fileWithContent(name, "data");
    const Trash trash = Trash::homeTrash(home.path());
    ASSERT_EQ(trash.prepare(), 0);

    const auto at = trash.moveIn(item, "QM-1-0-" + name);
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, home.at(".local/share/Trash/files/QM-1-0-" + name));
    EXPECT_EQ(readFileBytes(*at), "data");
    const auto info = Trash::infoFileOf(*at);
    ASSERT_TRUE(info);
    EXPECT_EQ(*info, home.at(".local/share/Trash/info/QM-1-0-" + name + ".trashinfo"));
    EXPECT_EQ(infoPath(*info), item);

    const std::string text = readFileBytes(*info);
    EXPECT_EQ(text.rfind("[Trash Info]\nPath=/", 0), 0u);
    EXPECT_EQ(text.find(' ', 13), std::string::npos) << "the path must be percent-encoded: " << text;
    EXPECT_NE(text.find("\nDeletionDate=20"), std::string::npos);

    Trash::forgetEntry(*at);
    EXPECT_FALSE(fileops::exists(*info));
}

TEST(Trash, ATakenNameIsNeverReusedOrOverwritten)
{
    TempHome home;
    const Trash trash = Trash::homeTrash(home.path());
    ASSERT_EQ(trash.prepare(), 0);
    const auto first = trash.moveIn(home.fileWithContent("a/same", "first"), "same");
    ASSERT_TRUE(first);

    int err = 0;
    const std::string second = home.fileWithContent("b/same", "second");
    EXPECT_FALSE(trash.moveIn(second, "same", &err));
    EXPECT_EQ(err, EEXIST);
    EXPECT_EQ(readFileBytes(second), "second");
    EXPECT_EQ(infoPath(*Trash::infoFileOf(*first)), home.at("a/same")); // the first info file is untouched

    // A file in files/ without its info file also keeps its name.
    home.fileWithContent(".local/share/Trash/files/same.2", "stray");
    const auto third = trash.moveInUnderFreeName(second, "same");
    ASSERT_TRUE(third);
    EXPECT_EQ(*third, home.at(".local/share/Trash/files/same.3"));
    EXPECT_EQ(readFileBytes(home.at(".local/share/Trash/files/same.2")), "stray");
    EXPECT_FALSE(fileops::exists(home.at(".local/share/Trash/info/same.2.trashinfo")));
    EXPECT_EQ(readFileBytes(*first), "first");
    EXPECT_EQ(readFileBytes(*third), "second");
}

TEST(Trash, AFailedMoveLeavesTheItemAndNoInfoFile)
{
    TempHome home;
    const std::string item = home.fileWithContent("doc", "x");
    const Trash trash = Trash::homeTrash(home.path());
    ASSERT_EQ(trash.prepare(), 0);
    for (const int err : {EACCES, EXDEV, EBUSY, ENOSPC}) {
        fault::ScopedHook hook([err](fault::Op op, std::string_view) { return op == fault::Op::rename ? err : 0; });
        int reported = 0;
        EXPECT_FALSE(trash.moveIn(item, "doc", &reported));
        EXPECT_EQ(reported, err);
        EXPECT_FALSE(Trash::trashItem(item, home.path()));
    }
    {
        // The info file cannot be written: nothing moves.
        fault::ScopedHook hook([](fault::Op op, std::string_view) { return op == fault::Op::writeFile ? ENOSPC : 0; });
        EXPECT_FALSE(trash.moveIn(item, "doc"));
    }
    EXPECT_EQ(readFileBytes(item), "x");
    std::vector<std::string> infos;
    ASSERT_TRUE(fileops::listChildren(trash.infoFolder(), infos));
    EXPECT_TRUE(infos.empty());
}

TEST(Trash, SystemCallOnTheHomeFileSystemUsesTheHomeTrashUnderAFreeName)
{
    TempHome home;
    const std::string a = home.fileWithContent("one/report", "1");
    const std::string b = home.fileWithContent("two/report", "2");
    const auto first = Trash::trashItem(a, home.path());
    const auto second = Trash::trashItem(b, home.path());
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, home.at(".local/share/Trash/files/report"));
    EXPECT_EQ(*second, home.at(".local/share/Trash/files/report.2"));
    EXPECT_EQ(readFileBytes(*first), "1");
    EXPECT_EQ(readFileBytes(*second), "2");
    EXPECT_EQ(infoPath(*Trash::infoFileOf(*second)), b);

    const std::string c = home.fileWithContent("three/report", "3");
    {
        fault::ScopedHook hook([](fault::Op op, std::string_view) { return op == fault::Op::trashCall ? EACCES : 0; });
        EXPECT_FALSE(Trash::trashItem(c, home.path()));
    }
    {
        // Without a home trash the call fails; it never falls back to the disk's top folder.
        TempHome other;
        fault::ScopedHook hook(
            [](fault::Op op, std::string_view) { return op == fault::Op::makeDirectory ? EACCES : 0; });
        int err = 0;
        EXPECT_FALSE(Trash::trashItem(c, other.path(), &err));
        EXPECT_EQ(err, EACCES);
    }
    EXPECT_EQ(readFileBytes(c), "3");
}

// Another file system's trash lives at its top folder and records paths relative to
// it, so the disk may be mounted elsewhere later.
TEST(Trash, TopdirTrashIsPrivateAndRecordsRelativePaths)
{
    TempHome disk;
    const Trash trash = Trash::topdirTrash(disk.path());
    ASSERT_EQ(trash.prepare(), 0);
    EXPECT_EQ(trash.filesFolder(), disk.at(".Trash-" + std::to_string(getuid()) + "/files"));
    EXPECT_EQ(fileops::statNoFollow(disk.at(".Trash-" + std::to_string(getuid())))->st_mode & 0777, 0700u);

    const auto at = trash.moveIn(disk.fileWithContent("photos/x.jpg", "img"), "x.jpg");
    ASSERT_TRUE(at);
    EXPECT_EQ(infoPath(*Trash::infoFileOf(*at)), "photos/x.jpg");
}
