#include "Services/LargeFileScan.h"
#include "Platform/HomeLayout.h"
#include "Services/SelectionState.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

constexpr std::int64_t GiB = std::int64_t(1) << 30;

const std::string kRedundantBadge = "已核实：安装包冗余 · 推荐直删";

std::vector<LargeFileItem> largeFiles(const TempHome& home, const std::unordered_set<std::string>& apps = {})
{
    return std::get<1>(scanSunburstLargeFilesAndDuplicates(home.path(), {}, {}, apps));
}

const LargeFileItem* find(const std::vector<LargeFileItem>& files, const std::string& name)
{
    auto it = std::find_if(files.begin(), files.end(), [&](const LargeFileItem& f) { return f.name == name; });
    return it == files.end() ? nullptr : &*it;
}

TEST(LargeFiles, CategoryBadgeAndSelectionFollowTheExtension)
{
    TempHome home;
    home.allocatedFile("Downloads/Setup.dmg", 30 * MiB);
    home.allocatedFile("Documents/photos.zip", 30 * MiB);
    home.allocatedFile("Desktop/ZoomInstaller.zip", 31 * MiB);
    home.allocatedFile("Movies/movie.MOV", 100 * MiB);
    home.allocatedFile("Documents/models/llama.gguf", 40 * MiB);
    home.allocatedFile("Documents/README", 26 * MiB);

    const auto files = largeFiles(home, {"zoom", ""});
    ASSERT_EQ(files.size(), 6u);
    EXPECT_EQ(files.front().name, "movie.MOV"); // largest first

    const LargeFileItem* dmg = find(files, "Setup.dmg");
    EXPECT_EQ(dmg->url, home.at("Downloads/Setup.dmg"));
    EXPECT_EQ(dmg->category, LargeFileCategory::installerArchive);
    EXPECT_EQ(dmg->verificationBadge, kRedundantBadge);
    EXPECT_EQ(dmg->displayPath, "下载 · Downloads");
    EXPECT_EQ(dmg->sizeBytes, home.allocated("Downloads/Setup.dmg"));
    EXPECT_TRUE(SelectionState::offeredSelected(*dmg));

    const LargeFileItem* zip = find(files, "photos.zip");
    EXPECT_EQ(zip->verificationBadge, "历史压缩归档包");
    EXPECT_EQ(zip->verificationReason, "位于 文档 目录的大体积归档压缩包，右侧可直接查看文件信息。");
    EXPECT_TRUE(SelectionState::offeredSelected(*zip));

    EXPECT_EQ(find(files, "ZoomInstaller.zip")->verificationBadge, kRedundantBadge);

    const LargeFileItem* movie = find(files, "movie.MOV");
    EXPECT_EQ(movie->category, LargeFileCategory::videoMedia);
    EXPECT_FALSE(SelectionState::offeredSelected(*movie));

    const LargeFileItem* model = find(files, "llama.gguf");
    EXPECT_EQ(model->category, LargeFileCategory::modelDatabase);
    EXPECT_EQ(model->displayPath, "文档 · models");
    EXPECT_FALSE(SelectionState::offeredSelected(*model));

    EXPECT_EQ(find(files, "README")->category, LargeFileCategory::other);
    EXPECT_EQ(find(files, "README")->verificationBadge, "个人大体积文件");

    // Without the application the same archive is only an old archive.
    EXPECT_EQ(find(largeFiles(home), "ZoomInstaller.zip")->verificationBadge, "历史压缩归档包");
}

TEST(LargeFiles, ThresholdIsInAllocatedBytes)
{
    TempHome home;
    home.allocatedFile("Documents/exact.bin", 25 * MiB);
    home.allocatedFile("Documents/short.bin", 25 * MiB - 4096);
    home.sparseFile("Documents/sparse.bin", 200 * MiB); // big on paper, nothing on disk
    ASSERT_EQ(home.allocated("Documents/exact.bin"), 26'214'400);

    const auto files = largeFiles(home);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].name, "exact.bin");
}

TEST(LargeFiles, WalkStopsAtLevelSixBuildFoldersPackagesAndHiddenEntries)
{
    TempHome home;
    home.allocatedFile("Documents/a/b/c/d/e/f.bin", 25 * MiB);
    home.allocatedFile("Documents/a/b/c/d/e/f/g.bin", 25 * MiB);
    for (const char* hidden :
         {"Desktop/proj/build/out.bin", "Desktop/proj/node_modules/x/dep.bin", "Desktop/app/Pods/lib.bin",
          "Desktop/rs/target/debug/a.out", "Desktop/target", "Desktop/Thing.app/Contents/payload.bin",
          "Desktop/.secret.bin", "Desktop/.cache/blob.bin", "Downloads/py/.venv/lib.bin"})
        home.allocatedFile(hidden, 25 * MiB);
    home.symlink("Desktop/link.bin", home.at("Documents/a/b/c/d/e/f.bin"));

    const auto files = largeFiles(home);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].url, home.at("Documents/a/b/c/d/e/f.bin"));
}

TEST(LargeFiles, KeepsTheSixtyLargest)
{
    TempHome home;
    for (int i = 0; i < 70; ++i)
        home.allocatedFile("Downloads/f" + std::to_string(100 + i) + ".bin", 25 * MiB + i * 4096);
    const auto files = largeFiles(home);
    ASSERT_EQ(files.size(), 60u);
    EXPECT_EQ(files.front().name, "f169.bin");
    EXPECT_EQ(files.back().name, "f110.bin");
}

TEST(LargeFiles, ProjectFontsAreNoDuplicateCandidates)
{
    TempHome home;
    const std::string font(5 * MiB, 'f');
    home.fileWithContent("Desktop/projects/site/font.ttf", font);
    home.fileWithContent("Documents/projects/old-site/font.ttf", font);
    auto groups = std::get<2>(scanSunburstLargeFilesAndDuplicates(home.path(), {}, {}, {}));
    EXPECT_TRUE(groups.empty());

    home.fileWithContent("Desktop/fonts/font.ttf", font);
    home.fileWithContent("Downloads/font.ttf", font);
    groups = std::get<2>(scanSunburstLargeFilesAndDuplicates(home.path(), {}, {}, {}));
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].members.size(), 2u);
}

SafeCacheRuleCard card(const std::string& id, std::vector<std::int64_t> sizes)
{
    SafeCacheRuleCard result;
    result.id = id;
    result.title = "title " + id;
    result.accentHex = "#" + id;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        result.subItems.emplace_back("item", "", "/var/tmp/q-" + id + std::to_string(i), sizes[i], "", "", "",
                                     std::vector<std::string>{}, true);
    return result;
}

TEST(SizeChart, FractionsShareTheTotalWithAFloorForSmallCards)
{
    TempHome home;
    auto slicesFor = [&](const std::vector<SafeCacheRuleCard>& cards, const std::vector<ProjectBloatItem>& bloats) {
        return std::get<0>(scanSunburstLargeFilesAndDuplicates(home.path(), cards, bloats, {}));
    };

    auto slices = slicesFor({card("a", {GiB}), card("b", {GiB, 2 * GiB})}, {});
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_DOUBLE_EQ(slices[0].fraction, 0.25);
    EXPECT_DOUBLE_EQ(slices[1].fraction, 0.75);
    EXPECT_EQ(slices[1].id, "b");
    EXPECT_EQ(slices[1].label, "title b");
    EXPECT_EQ(slices[1].detail, "3.00 GB");
    EXPECT_EQ(slices[1].sizeBytes, 3 * GiB);
    EXPECT_EQ(slices[1].colorHex, "#b");
    EXPECT_EQ(slices[1].url, "/var/tmp/q-b0");

    slices = slicesFor({card("empty", {}), card("zero", {0})}, {});
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_DOUBLE_EQ(slices[0].fraction, 0.05);
    EXPECT_EQ(slices[0].url, std::nullopt);
    EXPECT_DOUBLE_EQ(slices[1].fraction, 0.05);

    // Artefacts and large files widen the denominator without a slice of their own.
    ProjectBloatItem bloat;
    bloat.sizeBytes = GiB;
    home.allocatedFile("Downloads/big.iso", GiB);
    slices = slicesFor({card("a", {2 * GiB})}, {bloat});
    ASSERT_EQ(slices.size(), 1u);
    EXPECT_NEAR(slices[0].fraction, 0.5, 1e-6);

    EXPECT_TRUE(slicesFor({}, {bloat}).empty());
}

} // namespace

TEST(LargeFiles, TheHomesNamedFoldersAreWalkedOnceEach)
{
    TempHome home;
    home.fileWithContent(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                                                   "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n"
                                                   "XDG_VIDEOS_DIR=\"$HOME/Vidéos\"\n"
                                                   "XDG_DOCUMENTS_DIR=\"$HOME/Documents/Travail\"\n"
                                                   "XDG_MUSIC_DIR=\"$HOME\"\n");
    home.allocatedFile("Vidéos/vacances.mkv", 40 * MiB);
    home.allocatedFile("Téléchargements/setup.iso", 30 * MiB);
    home.allocatedFile("Bureau/notes.bin", 26 * MiB);
    home.allocatedFile("Documents/Travail/rapport.pdf", 27 * MiB); // inside Documents: found once
    home.allocatedFile("Music/album.flac", 50 * MiB);              // switched off: its English name
    // The same content under two roots is a duplicate pair, never a file with itself.
    const std::string content(4 * MiB, 'c');
    home.fileWithContent("Documents/Travail/copy-a.bin", content);
    home.fileWithContent("Bureau/copy-b.bin", content);

    const auto [slices, files, groups] = scanSunburstLargeFilesAndDuplicates(home.path(), {}, {}, {});
    std::vector<std::string> shown;
    for (const auto& file : files)
        shown.push_back(file.displayPath + " / " + file.name);
    EXPECT_THAT(shown, testing::ElementsAre("音乐 · Music / album.flac", "影片 · Vidéos / vacances.mkv",
                                            "下载 · Téléchargements / setup.iso", "文档 · Travail / rapport.pdf",
                                            "桌面 · Bureau / notes.bin"));
    EXPECT_EQ(find(files, "setup.iso")->verificationReason,
              "位于 下载 目录的大体积归档压缩包，右侧可直接查看文件信息。");
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].members.size(), 2u);
}

TEST(LargeFiles, AnApplicationFileIsNeverOfferedAsALargeFile)
{
    TempHome home;
    home.allocatedFile("Downloads/Krita.AppImage", 60 * MiB);
    home.allocatedFile("Downloads/Backup.AppImage.zip", 30 * MiB);
    const auto [slices, files, groups] = scanSunburstLargeFilesAndDuplicates(HomeLayout::of(home.path(), false), {}, {},
                                                                             {}, {home.at("Downloads/Krita.AppImage")});
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].name, "Backup.AppImage.zip");
}

TEST(LargeFiles, EveryFolderOfTheHomeIsCoveredWithLinuxMediaFormats)
{
    TempHome home; // a fresh account: no user-dirs.dirs yet
    home.allocatedFile("Music/live.flac", 65 * MiB);
    home.allocatedFile("Pictures/scan.tiff", 60 * MiB);
    home.allocatedFile("Pictures/raw/IMG_0001.CR3", 40 * MiB);
    home.allocatedFile("Videos/talk.webm", 50 * MiB);
    home.allocatedFile("Projects/demo/assets/intro.opus", 30 * MiB);
    home.allocatedFile("Projects/demo/node_modules/big.bin", 30 * MiB); // an offered artefact's file
    home.allocatedFile(".local/share/big.bin", 30 * MiB);               // hidden: other workspaces
    home.allocatedFile("snap/app/common/big.bin", 30 * MiB);            // Snap's own
    home.allocatedFile("Library/Caches/big.bin", 30 * MiB);             // a macOS-layout cache
    const std::string content(4 * MiB, 'm');
    home.fileWithContent("Music/a.wav", content);
    home.fileWithContent("Pictures/old/a.wav", content);

    const auto [slices, files, groups] = scanSunburstLargeFilesAndDuplicates(home.path(), {}, {}, {});
    std::map<std::string, std::string> shown;
    for (const auto& file : files) {
        EXPECT_EQ(file.category, LargeFileCategory::videoMedia) << file.name;
        shown[file.name] = file.displayPath;
    }
    EXPECT_THAT(shown, testing::ElementsAre(
                           testing::Pair("IMG_0001.CR3", "图片 · raw"),
                           testing::Pair("intro.opus", "Projects · assets"), testing::Pair("live.flac", "音乐 · Music"),
                           testing::Pair("scan.tiff", "图片 · Pictures"), testing::Pair("talk.webm", "影片 · Videos")));
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].members[0].url, home.at("Music/a.wav"));
}
