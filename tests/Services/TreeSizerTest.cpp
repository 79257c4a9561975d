// The catalogue's sizer walks each tree once yet must answer exactly as directorySize
// and buildTopContentPreview do, whatever it has measured before.
#include "Services/TreeSizer.h"
#include "Services/ContentPreview.h"
#include "Services/DirectorySize.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

// Deep chains cut by every depth limit, hard links inside and across children, links
// and more than twelve children, so previews and depth limits both matter.
void buildTree(const TempHome& home)
{
    home.allocatedFile("Caches/Google/Chrome/Default/Cache/Cache_Data/f1", 3 * MiB);
    home.allocatedFile("Caches/Google/Chrome/Default/Cache/blob", 2 * MiB);
    std::string deep = "Caches/Google/deep";
    for (int level = 0; level < 12; ++level) {
        home.allocatedFile(deep + "/file", (level + 1) * 64 * 1024);
        deep += "/d";
    }
    home.allocatedFile("Caches/shared/original", 4 * MiB);
    home.hardlink("Caches/shared/again", "Caches/shared/original");
    home.hardlink("Caches/other/copy", "Caches/shared/original");
    home.allocatedFile("Caches/other/own", 1 * MiB);
    home.symlink("Caches/link", home.at("Caches/other/own"));
    for (char c = 'a'; c <= 'o'; ++c)
        home.allocatedFile(std::string("Caches/zz") + c + "/x", (c - 'a' + 1) * 200 * 1024);
}

void expectSameAsDirectWalk(TreeSizer& sizer, const TempHome& home, const std::string& relative, int depth)
{
    SCOPED_TRACE(relative + " at depth " + std::to_string(depth));
    const std::string url = home.at(relative);
    EXPECT_EQ(sizer.size(url, depth), directorySize(url, depth));
    EXPECT_EQ(sizer.preview(url), buildTopContentPreview(url));
}

} // namespace

TEST(TreeSizer, InnerFolderFirstThenTheFolderAroundIt)
{
    TempHome home;
    buildTree(home);
    for (int depth : {5, 8, 10, 12}) {
        TreeSizer sizer;
        expectSameAsDirectWalk(sizer, home, "Caches/Google", depth);
        expectSameAsDirectWalk(sizer, home, "Caches/shared", depth);
        expectSameAsDirectWalk(sizer, home, "Caches", depth);
        expectSameAsDirectWalk(sizer, home, "Caches", depth + 2);
        expectSameAsDirectWalk(sizer, home, "Caches/Google/Chrome", depth);
    }
}

TEST(TreeSizer, OuterFolderFirstThenFoldersAndFilesInsideIt)
{
    TempHome home;
    buildTree(home);
    TreeSizer sizer;
    expectSameAsDirectWalk(sizer, home, "Caches", 10);
    expectSameAsDirectWalk(sizer, home, "Caches/Google", 12);
    expectSameAsDirectWalk(sizer, home, "Caches/other", 10);
    expectSameAsDirectWalk(sizer, home, "Caches", 6);
    // Files, links and missing paths.
    expectSameAsDirectWalk(sizer, home, "Caches/other/own", 10);
    expectSameAsDirectWalk(sizer, home, "Caches/link", 10);
    expectSameAsDirectWalk(sizer, home, "Caches/missing", 10);
}

TEST(TreeSizer, ShallowerAnswerFindsAHardLinkFirstMetDeeper)
{
    // The walk meets a/b/c/file before z/again (byte order), so at depth 4 the file is
    // counted four levels down; at depth 2 only its name in z is within reach.
    TempHome home;
    home.allocatedFile("Tree/a/b/c/file", 2 * MiB);
    home.hardlink("Tree/z/again", "Tree/a/b/c/file");
    home.allocatedFile("Tree/z/own", 1 * MiB);
    TreeSizer sizer;
    expectSameAsDirectWalk(sizer, home, "Tree", 4);
    expectSameAsDirectWalk(sizer, home, "Tree", 2);
}
