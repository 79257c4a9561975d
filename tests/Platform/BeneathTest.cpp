#include "Platform/Beneath.h"
#include "Platform/FaultInjection.h"
#include "Platform/FileOperations.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace {

// Both ways of resolving: the kernel's, and the component walk of kernels without it.
class Beneath : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override
    {
        if (!GetParam())
            hook_ = std::make_unique<fault::ScopedHook>(
                [](fault::Op op, std::string_view) { return op == fault::Op::openBeneath ? ENOSYS : 0; });
        home.fileWithContent("outside/precious", "not ours");
        home.fileWithContent("root/.cache/app/blob", "junk");
        root = beneath::openRoot(home.at("root"));
        ASSERT_TRUE(root);
    }

    int openError(const std::string& relative)
    {
        const auto opened = beneath::openFolder(root->get(), relative, home.at("root/" + relative));
        return opened ? 0 : opened.error();
    }

    TempHome home;
    Result<UniqueFd> root = Failure{EBADF};

  private:
    std::unique_ptr<fault::ScopedHook> hook_;
};

} // namespace

TEST_P(Beneath, RefusesALinkAnywhereOnTheWay)
{
    EXPECT_EQ(openError(".cache/app"), 0);
    home.symlink("root/Library", home.at("outside"));
    home.symlink("root/.cache/app/up", "../../..");
    EXPECT_EQ(openError("Library"), ELOOP);
    EXPECT_EQ(openError(".cache/app/up"), ELOOP);
    EXPECT_NE(openError(".cache/app/blob"), 0); // a file is no folder
    EXPECT_EQ(openError(".cache/../.."), EXDEV);

    const auto located = beneath::locate(root->get(), home.at("root"), home.at("root/Library/precious"));
    EXPECT_EQ(located.error(), ELOOP);
    EXPECT_EQ(beneath::locate(root->get(), home.at("root"), home.at("outside/precious")).error(), EXDEV);
    EXPECT_EQ(beneath::locate(root->get(), home.at("root"), home.at("root/../outside/precious")).error(), EXDEV);
}

TEST_P(Beneath, MakesMissingFoldersButNeverThroughALink)
{
    EXPECT_TRUE(beneath::makeFolders(root->get(), "a/b/c", home.at("root/a/b/c"), 0700));
    EXPECT_TRUE(fileops::isFolder(home.at("root/a/b/c")));
    home.symlink("root/linked", home.at("outside"));
    EXPECT_EQ(beneath::makeFolders(root->get(), "linked/new", home.at("root/linked/new"), 0700).error(), ELOOP);
    EXPECT_FALSE(fileops::exists(home.at("outside/new")));
}

// The work is done in the folder that was opened: swapping it for a link afterwards
// changes nothing outside.
TEST_P(Beneath, WorkGoesThroughTheOpenedFolderEvenAfterASwap)
{
    auto located = beneath::locate(root->get(), home.at("root"), home.at("root/.cache/app"));
    ASSERT_TRUE(located);
    std::filesystem::rename(home.at("root/.cache"), home.at("root/.cache-real"));
    home.symlink("root/.cache", home.at("outside"));

    EXPECT_TRUE(fileops::removeTree(fileops::placeOf(*located)).status);
    EXPECT_FALSE(fileops::exists(home.at("root/.cache-real/app")));
    EXPECT_EQ(readFileBytes(home.at("outside/precious")), "not ours");
}

INSTANTIATE_TEST_SUITE_P(KernelAndWalk, Beneath, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "kernel" : "componentWalk"; });

TEST(BeneathRelativePath, OnlyPlainComponentsInsideTheRoot)
{
    EXPECT_EQ(beneath::relativePath("/h", "/h/a/b"), "a/b");
    EXPECT_EQ(beneath::relativePath("/h", "/h"), "");
    EXPECT_EQ(beneath::relativePath("/h", "/hx/a"), std::nullopt);
    EXPECT_EQ(beneath::relativePath("/h", "/h/a/../../etc"), std::nullopt);
    EXPECT_EQ(beneath::relativePath("/h", "/h/a//b"), std::nullopt);
}
