// The real window program walks its scripted self-test offscreen and reports exactly this.
#include "Services/SafeCacheCatalogue.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string expectedOutput(std::size_t ruleCards)
{
    return "[UI-SELF-TEST] 启动真机窗口全菜单与 AVPlayerView 渲染压测...\n"
           "[UI-SELF-TEST] 1/5 测试菜单 1: 闭眼直删 · 纯缓存 (" +
           std::to_string(ruleCards) +
           " 张卡片)\n"
           "[UI-SELF-TEST] 2/5 测试菜单 2: 闲置工程与重复件 (含 .mp4 重复视频预览)\n"
           "[UI-SELF-TEST] 3/5 测试菜单 3: 大文件与视频预览 (全部分类 + MP4 原生 AVPlayerView 渲染)\n"
           "[UI-SELF-TEST] 4/5 测试菜单 4: 应用瘦身与卸载 (仅清缓存 + 连根卸载双模式)\n"
           "[UI-SELF-TEST] 5/5 测试 12 国语言与昼夜双主题实时热切换\n"
           "[UI-SELF-TEST] ✅ ALL 4 MENUS + MP4 AVPLAYERVIEW + 12 LANGUAGES RENDERED WITH ZERO CRASHES!\n";
}

// The cards a finished scan of `home` publishes (cards without items are left out).
std::size_t publishedCardCount(const std::string& home)
{
    std::size_t count = 0;
    for (const auto& card : scanCacheCatalogue(home))
        count += card.subItems.empty() ? 0 : 1;
    return count;
}

std::vector<std::string> offscreen(const TempHome& home, std::vector<std::string> extra = {})
{
    // The program's settings go to a folder of the test, never to the person's own.
    extra.insert(extra.end(), {"QT_QPA_PLATFORM=offscreen", "QT_QUICK_BACKEND=software",
                               "XDG_CONFIG_HOME=" + home.at(".test-config")});
    return extra;
}

} // namespace

TEST(UiSelfTestRun, WalksEveryWorkspaceOfAHomeWithVideosAndEndsWithStatusZero)
{
    TempHome home;
    home.allocatedFile("Movies/holiday.mp4", 26 * MiB); // a large video
    home.file("Desktop/clip.mp4", 4 * MiB, 'v');        // duplicated video
    home.file("Downloads/clip copy.mp4", 4 * MiB, 'v');
    home.mkdir("Applications");
    const std::string shots = home.at(".shots");

    const auto result = runProgram({QUILLMERE_APP_PATH, "--ui-self-test", "--home", home.path(), "--applications",
                                    home.at("Applications"), "--screenshot-dir", shots},
                                   offscreen(home), 60);

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, expectedOutput(publishedCardCount(home.path())));
    // Every binding of the window resolved in every language and mode: QML reports its
    // errors with the file they come from.
    EXPECT_EQ(result.err.find("qrc:/Quillmere/"), std::string::npos) << result.err;
    // One picture after each workspace, each language and each appearance mode, then every
    // workspace again in four scripts and both modes.
    std::size_t pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(shots))
        pictures += entry.path().extension() == ".png" && entry.file_size() > 0 ? 1 : 0;
    EXPECT_EQ(pictures, 4u + 12u + 2u + 4u * 2u * 4u);
    EXPECT_TRUE(std::filesystem::exists(shots + "/50-6-ar-dawn-apps.png"));
}

TEST(UiSelfTestRun, FinishesWhileTheHomeFolderWaitsForItsGrant)
{
    TempHome home;
    const auto result = runProgram({QUILLMERE_APP_PATH, "--ui-self-test", "--home", home.path()},
                                   offscreen(home, {"FLATPAK_ID=test"}), 60);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, expectedOutput(0));
    EXPECT_EQ(result.err.find("qrc:/Quillmere/"), std::string::npos) << result.err;
}
