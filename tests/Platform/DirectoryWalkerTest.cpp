#include "Platform/DirectoryWalker.h"
#include "Platform/FaultInjection.h"
#include "support/FieldOf.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

struct Seen {
    std::string relative;
    int level;
    DirectoryWalker::Kind kind;
};

std::vector<Seen> walkAll(const TempHome& home, DirectoryWalker::Options options = {},
                          std::function<DirectoryWalker::Visit(const DirectoryWalker::Entry&)> decide = {})
{
    std::vector<Seen> seen;
    DirectoryWalker::walk(home.path(), options, [&](const DirectoryWalker::Entry& e) {
        seen.push_back({e.path().substr(home.path().size() + 1), e.level(), e.kind()});
        return decide ? decide(e) : DirectoryWalker::Visit::proceed;
    });
    return seen;
}

} // namespace

TEST(DirectoryWalker, VisitsFoldersBeforeTheirContentsInByteOrder)
{
    TempHome home;
    home.file("b/2");
    home.file("b/1");
    home.file("B");
    home.file("a\xc3\xa9");
    home.file("a/z");
    EXPECT_EQ(fieldOf(walkAll(home), &Seen::relative),
              (std::vector<std::string>{"B", "a", "a/z", "a\xc3\xa9", "b", "b/1", "b/2"}));
}

TEST(DirectoryWalker, ReportsLinksAsLinksAndNeverEntersThem)
{
    TempHome home;
    home.file("real/inside");
    home.symlink("link", home.at("real"));
    home.symlink("dangling", home.at("nowhere"));
    const auto seen = walkAll(home);
    ASSERT_EQ(fieldOf(seen, &Seen::relative), (std::vector<std::string>{"dangling", "link", "real", "real/inside"}));
    EXPECT_EQ(seen[0].kind, DirectoryWalker::Kind::symlink);
    EXPECT_EQ(seen[1].kind, DirectoryWalker::Kind::symlink);
}

TEST(DirectoryWalker, SkipRules)
{
    TempHome home;
    home.file(".hidden/x");
    home.file("Tool.app/Contents/Info.plist");
    home.file("deep/er/est");
    home.file("name-not-utf8-\xff/f");

    // Hidden entries are neither reported nor entered.
    EXPECT_EQ(fieldOf(walkAll(home, {.skipHidden = true}), &Seen::relative),
              (std::vector<std::string>{"Tool.app", "Tool.app/Contents", "Tool.app/Contents/Info.plist", "deep",
                                        "deep/er", "deep/er/est", "name-not-utf8-\xff", "name-not-utf8-\xff/f"}));
    // A package is reported but its contents are not.
    const auto packages = fieldOf(walkAll(home, {.skipHidden = true, .skipPackages = true}), &Seen::relative);
    EXPECT_EQ(std::count(packages.begin(), packages.end(), "Tool.app"), 1);
    EXPECT_EQ(std::count(packages.begin(), packages.end(), "Tool.app/Contents"), 0);
    // Skipping descendants by level.
    const auto shallow = walkAll(home, {}, [](const DirectoryWalker::Entry& e) {
        return e.level() >= 2 ? DirectoryWalker::Visit::skipDescendants : DirectoryWalker::Visit::proceed;
    });
    for (const auto& s : shallow)
        EXPECT_LE(s.level, 2) << s.relative;
}

TEST(DirectoryWalker, GoesOnPastFoldersThatCannotBeOpened)
{
    TempHome home;
    home.file("a/1");
    home.file("locked/secret");
    home.file("z/1");
    fault::ScopedHook hook([&](fault::Op op, std::string_view path) {
        return op == fault::Op::openDirectory && path == home.at("locked") ? EACCES : 0;
    });
    EXPECT_EQ(fieldOf(walkAll(home), &Seen::relative), (std::vector<std::string>{"a", "a/1", "locked", "z", "z/1"}));
}

TEST(DirectoryWalker, AnUnopenableRootIsReported)
{
    TempHome home;
    home.file("file");
    const auto walkFrom = [](const std::string& root) {
        return DirectoryWalker::walk(root, {}, [](auto&) { return DirectoryWalker::Visit::proceed; }).error();
    };
    EXPECT_EQ(walkFrom(home.at("missing")), ENOENT);
    EXPECT_EQ(walkFrom(home.at("file")), ENOTDIR);
}
