// The zero-risk catalogue on real temporary homes: which locations become items, with
// which texts, sizes and order.
#include "Services/SafeCacheCatalogue.h"
#include "Services/ContentPreview.h"
#include "Services/DirectorySize.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

constexpr std::int64_t kBlock = 4096; // smallest step of allocated size on the test file system

// Points the process's temporary folder elsewhere for one test.
ScopedEnvironment temporaryDirectory(const std::string& folder) { return {"TMPDIR", folder}; }

// A folder whose content occupies exactly `bytes` on disk.
void folderOf(const TempHome& home, const std::string& folder, std::int64_t bytes)
{
    ASSERT_EQ(home.occupy(folder, bytes), bytes) << "file system did not allocate exactly";
}

std::vector<SafeCacheRuleCard> scan(const TempHome& home) { return scanCacheCatalogue(home.path()); }

const SafeCacheRuleCard* cardWithId(const std::vector<SafeCacheRuleCard>& cards, const std::string& id)
{
    for (const auto& card : cards)
        if (card.id == id)
            return &card;
    return nullptr;
}

// One field of every item of a card, in display order (nothing for a missing card).
std::vector<std::string> itemsField(const SafeCacheRuleCard* card, std::string CacheSubItem::*field)
{
    std::vector<std::string> values;
    if (card)
        for (const auto& item : card->subItems)
            values.push_back(item.*field);
    return values;
}
std::vector<std::string> itemUrls(const SafeCacheRuleCard* card) { return itemsField(card, &CacheSubItem::url); }
std::vector<std::string> itemNames(const SafeCacheRuleCard* card) { return itemsField(card, &CacheSubItem::name); }

struct ExpectedRule {
    int card;
    const char* location; // relative to the home; the temporary parent is var/folders/ab/cd
    const char* name;
    const char* note;
    const char* detail;
    const char* badge = nullptr; // the card's own badge unless given
};

// The catalogue as it must read, text for text.
const ExpectedRule kExpectedRules[] = {
    {1, "Library/Application Support/Google/Chrome/OptGuideOnDeviceModel", "Chrome 本地大模型缓存包",
     "浏览器后台自动下载的 4GB 本地端侧模型，清理后不影响任何网页浏览",
     "已自动核实：这是 Chrome 实验性端侧 AI 权重文件 (OptGuideOnDeviceModel)，非用户数据，删后立省 4GB 且绝不掉登录。"},
    {1, "Library/Application Support/Google/GoogleUpdater", "Chrome 历史版本更新包", "已安装完成的旧版浏览器安装包残留",
     "已自动核实：您的 Chrome 已完成升级，GoogleUpdater 内的旧版本安装包 100% 冗余。"},
    {1, "Library/Application Support/Google/Chrome/SODALanguagePacks", "Chrome 语音识别与分类组件缓存",
     "本地离线字幕语音包与分类特征缓存", "已自动核实：纯离线语音识别组件缓存，不涉及任何账号信息。"},
    {1, "Library/Application Support/Google/Chrome/OptGuideOnDeviceClassifierModel", "Chrome 页面特征分类器库",
     "浏览器内置页面特征缓存", "已自动核实：浏览器自动生成的页面分类模型缓存。"},
    {1, "Library/Application Support/Google/Chrome for Testing", "Chrome 自动化测试内核残留", "测试专用浏览器沙盒副本",
     "已自动核实：自动化脚本遗留的测试版浏览器内核副本。"},
    {1, "Library/Application Support/Google/Chrome/component_crx_cache", "Chrome 扩展插件升级临时包",
     "插件安装完成后的临时 CRX 压缩包", "已自动核实：仅清理已安装完毕的临时安装包，不影响已装插件与配置。"},
    {1, "Library/Caches/Google", "Chrome 全局静态图片与脚本缓存", "网页图片、JS 脚本与音视频缓冲文件",
     "已自动核实：位于系统标准 Caches 目录，清理后仅重置网页静态图片缓存。"},
    {1, "Library/WebKit", "macOS WebKit 网页渲染缓存", "系统内置网页视图图片与样式缓冲",
     "已自动核实：macOS 标准网页视图缓存。"},
    {2, "Library/Containers/com.kingsoft.wpsoffice.mac/Data/Library/Application Support/Kingsoft",
     "WPS Office 本地云文档临时缓存", "WPS 自动生成的历史云同步临时缓冲与旧备份",
     "已自动核实：仅包含 WPS 历史临时缓存文件，不触碰您的本地正式文档。"},
    {2, "Library/Containers/com.tencent.QQMusicMac/Data/Library/Application Support/com.tencent.QQMusicMac",
     "QQ 音乐离线试听歌曲与 MV 缓冲", "听歌时自动缓存的无损音频流与 MV 视频",
     "已自动核实：纯试听歌曲与 MV 媒体缓冲，清理后歌单与收藏 100% 保留。"},
    {2, "Library/Application Support/Sogou", "搜狗输入法皮肤与热词组件缓存", "输入法本地皮肤包、热词缓存与语音组件",
     "已自动核实：输入法临时资源缓存，不影响个人词库。"},
    {2, "Library/Application Support/LarkShell/aha", "飞书桌面端工作台与日志缓存",
     "飞书小程序、内置网页与运行日志，不伤聊天库",
     "已自动核实：已物理跳过 sdk_storage/common.db 聊天主库，仅清理工作台网页与日志缓存。"},
    {2, "Library/Application Support/com.electron.lark.font_workaround", "飞书字体兼容层与旧升级包",
     "飞书 Electron 字体渲染缓存包", "已自动核实：纯字体与升级临时文件。"},
    {2, "Library/Application Support/com.apple.wallpaper", "macOS 4K 动态壁纸视频缓存",
     "系统自动下载的高清动态桌面视频缓存", "已自动核实：系统壁纸缓存视频，需要时系统会自动重新下载。"},
    {2, "Library/Containers/com.tencent.wwmapp/Data/Documents", "企业微信工作台临时缓存", "企业微信内置应用与临时缓冲",
     "已自动核实：临时缓存文件。"},
    {2, "Library/Containers/com.tencent.xinWeChat/Data/Library/Application Support/com.tencent.xinWeChat",
     "微信群聊视频与图片容器（默认保护不勾选）", "微信沙盒容器内的媒体文件，已默认为您锁定保护",
     "默认保护项：包含微信接收的图片与文件，除非您希望深度清空微信旧媒体，否则无需勾选。", "默认保护 · 按需选清"},
    {3, ".local/share/uv", "Python uv 全局安装包缓存", "2.5 GB Python 历史 Wheel 下载缓存，清理后不影响现有虚拟环境",
     "已自动核实：这是 uv 包管理器的下载缓存池 (~/.local/share/uv)，清理后您现有的项目环境依然正常运行。",
     "默认保护 · 按需选清"}, // holds uv's Pythons and tools: never preselected
    {3, ".codex/sessions", "Codex 历史会话快照归档", "1.5 GB 历史 AI 编程会话日志与中间快照",
     "已自动核实：仅包含历史已结束会话的快照日志，不影响 Codex 正常使用与 API 配置。"},
    {3, ".codex/thread_history_1.sqlite", "Codex 历史对话追踪数据库", "1.3 GB 历史运行记录 SQLite 归档文件",
     "已自动核实：历史会话追踪归档数据库，清理后将自动新建轻量空白库。"},
    {3, ".claude/projects", "Claude 历史项目长上下文日志", "826 MB 历史对话上下文缓存",
     "已自动核实：仅包含历史对话记录缓存，不触碰您的实际项目代码。"},
    {3, ".local/share/dorlan-wine", "Dorlan Wine 跨平台兼容层缓存", "666 MB 独立容器运行时缓存",
     "已自动核实：本地跨平台兼容容器残留。"},
    {3, ".local/share/tamo-worktrees", "Tamo 临时 Git 工作树副本", "579 MB 历史临时分支缓存副本",
     "已自动核实：自动化脚本创建的临时 worktree 副本，非主仓库。"},
    {3, "Library/Application Support/Claude-3p", "Claude-3p 桌面端运行缓存", "556 MB 客户端本地缓存",
     "已自动核实：桌面客户端本地缓存。"},
    {3, ".local/share/kelto-collector-agent", "Kelto 采集器与短视频任务缓存", "历史自动化任务产生的本地缓存包",
     "已自动核实：历史 Worker 任务临时缓存。"},
    {3, ".codex/packages", "Codex 插件与临时生成图缓存", "工具包缓存与临时截图", "已自动核实：临时文件与工具包缓存。"},
    {3, ".cc-switch", "CC-Switch 历史客户端备份", "历史版本切换备份包", "已自动核实：历史备份缓存。"},
    {3, ".wine", "Wine 虚拟盘全局缓存", "335 MB Wine 兼容层缓存", "已自动核实：Wine 虚拟环境缓存。",
     "默认保护 · 按需选清"}, // a whole Wine prefix: never preselected
    {4, "var/folders/ab/cd/X", "macOS 『系统数据』底层沙盒编译缓存",
     "3.3 GB 苹果隐藏在 /private/var 中的预编译模块缓存，清理后按需自动重建",
     "已自动核实：这正是导致 macOS『系统数据』暴涨的主因之一 (/private/var/folders/.../X)，清理 100% 安全。"},
    {4, "Library/Caches", "macOS 全局应用标准缓存 (Library/Caches)", "1.0 GB 各应用运行期产生的临时图片与数据缓存",
     "已自动核实：macOS 官方定义的纯缓存目录。"},
    {4, "var/folders/ab/cd/C", "macOS 用户级渲染与缩略图缓存", "949 MB 系统图标与预览缩略图缓存",
     "已自动核实：Darwin 用户级缓存目录 (/private/var/folders/.../C)。"},
    {4, "Library/Containers/com.apple.CoreDevice.CoreDeviceService/Data/Library/Caches", "iOS 真机连接与调试符号缓存",
     "875 MB 连接 iPhone 时自动生成的历史设备符号包", "已自动核实：Xcode CoreDevice 历史调试缓存，不影响真机连接。"},
    {4, "Documents/.icloud-stuck", "iCloud 历史同步卡死残留文件夹", "422 MB 遗留的 .icloud-stuck 僵尸副本目录",
     "已自动核实：2026年9月遗留的构建副本残留文件夹。"},
    {4, "Library/Containers/com.apple.geod/Data/tmp", "Apple 地图离线瓦片缓存", "162 MB 地图浏览临时缓存",
     "已自动核实：地图离线瓦片缓存。"},
    {4, "var/folders/ab/cd/T", "macOS 临时交换文件", "113 MB 系统临时目录残留", "已自动核实：系统临时交换区文件。"},
    {4, ".local/share/Trash/files", "系统废纸篓滞留文件", "清空废纸篓以将已删文件立即转化为可用磁盘容量",
     "已自动核实：清空后立即释放 APFS 物理闪存块。"},
};

const char* const kCardIds[] = {"card-browsers", "card-office-social", "card-ai-dev", "card-macos-system"};
const char* const kCardBadges[] = {"已核实：100% 纯缓存", "已核实：100% 纯缓存", "已核实：可安全重构",
                                   "已核实：系统安全缓存"};

} // namespace

TEST(SafeCacheCatalogue, EveryRuleReadsAsCatalogued)
{
    TempHome home;
    home.mkdir("var/folders/ab/cd/T");
    const auto tmp = temporaryDirectory(home.at("var/folders/ab/cd/T/"));
    std::int64_t size = 6 * MiB;
    for (const auto& rule : kExpectedRules) {
        if (std::string(rule.location) == "Library/Caches")
            continue; // holds the Google rule's folder already
        if (std::string(rule.location).ends_with(".sqlite")) {
            home.allocatedFile(rule.location, size);
        } else {
            folderOf(home, rule.location, size);
        }
        size += kBlock;
    }

    const auto cards = scan(home);
    ASSERT_EQ(cards.size(), 4u);
    std::map<std::string, std::pair<std::string, CacheSubItem>> byUrl;
    for (const auto& card : cards) {
        EXPECT_FALSE(card.isExpanded);
        for (const auto& item : card.subItems)
            byUrl.emplace(item.url, std::make_pair(card.id, item));
    }
    EXPECT_EQ(byUrl.size(), std::size(kExpectedRules));
    for (const auto& rule : kExpectedRules) {
        SCOPED_TRACE(rule.location);
        const auto found = byUrl.find(home.at(rule.location));
        ASSERT_NE(found, byUrl.end());
        const auto& [cardId, item] = found->second;
        EXPECT_EQ(cardId, kCardIds[rule.card - 1]);
        EXPECT_EQ(item.name, rule.name);
        EXPECT_EQ(item.note, rule.note);
        EXPECT_EQ(item.verificationDetail, rule.detail);
        EXPECT_EQ(item.safetyLevel, rule.badge ? rule.badge : kCardBadges[rule.card - 1]);
        EXPECT_EQ(item.lastModifiedText, "随时可安全重构");
        EXPECT_EQ(item.id, item.url);
        EXPECT_EQ(item.sizeBytes, directorySize(item.url, 12));
        EXPECT_EQ(item.contentPreview, buildTopContentPreview(item.url));
        EXPECT_EQ(item.isSelected, item.isSafeDefault);
        EXPECT_EQ(item.isSafeDefault, rule.badge == nullptr); // only protected rules name their own badge
    }
}

TEST(SafeCacheCatalogue, CardsCarryTheirFixedTexts)
{
    TempHome home;
    folderOf(home, "Library/WebKit", 2 * MiB);
    folderOf(home, "Library/Application Support/Sogou", 6 * MiB);
    folderOf(home, ".codex/sessions", 4 * MiB);
    folderOf(home, "Documents/.icloud-stuck", 3 * MiB);

    const auto cards = scan(home);
    ASSERT_EQ(cards.size(), 4u);
    struct Shell {
        const char *id, *category, *title, *subtitle, *symbol, *accent, *secondary, *promise;
    };
    const Shell expected[] = {
        {"card-office-social", "社交与影音容器", "办公与影音软件瘦身",
         "清理 WPS 临时缓存、QQ 音乐试听缓冲、飞书工作台与搜狗输入法冗余包", "bubble.left.and.text.bubble.right.fill",
         "#0A8F6B", "#34D399", "微信与飞书聊天记录 100% 完好保留"},
        {"card-ai-dev", "AI 与开发工具", "AI 智能体与开发缓存清理",
         "清理 Python uv 安装包、HuggingFace/Whisper 模型与 Codex/Claude 历史会话日志", "cpu.fill", "#4352B8",
         "#818CF8", "API 密钥配置与代码仓库 100% 隔离保护"},
        {"card-macos-system", "系统底层与废纸篓", "macOS『系统数据』黑盒与废纸篓",
         "穿透苹果隐藏的 System Data 沙盒编译缓存、真机符号包与废纸篓滞留文件", "macwindow.badge.plus", "#C46B0F",
         "#FBBF24", "遵循苹果 SIP 规范，清理后即刻释放物理闪存"},
        {"card-browsers", "浏览器与办公", "浏览器多账号无损瘦身",
         "清理 Chrome 4GB 本地端侧模型、旧更新包与 14 个账号的纯网页图片缓存", "safari.fill", "#186BC0", "#38BDF8",
         "全部账号登录态、密码与书签 100% 自动保护"},
    };
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const auto& card = cards[i];
        EXPECT_EQ(card.id, expected[i].id);
        EXPECT_EQ(rawValue(card.category), expected[i].category);
        EXPECT_EQ(card.title, expected[i].title);
        EXPECT_EQ(card.subtitle, expected[i].subtitle);
        EXPECT_EQ(card.symbolName, expected[i].symbol);
        EXPECT_EQ(card.accentHex, expected[i].accent);
        EXPECT_EQ(card.secondaryHex, expected[i].secondary);
        EXPECT_EQ(card.protectionPromise, expected[i].promise);
    }
}

TEST(SafeCacheCatalogue, EachCardKeepsLocationsAboveItsOwnThreshold)
{
    TempHome home;
    // Card 1 keeps more than 1 MiB.
    folderOf(home, "Library/WebKit", 1 * MiB);
    folderOf(home, "Library/Application Support/Google/GoogleUpdater", 1 * MiB + kBlock);
    // Card 3 keeps more than 3 MiB, for ~/.cache entries and fixed rules alike.
    folderOf(home, ".cache/pip", 3 * MiB);
    folderOf(home, ".cache/whisper", 3 * MiB + kBlock);
    folderOf(home, ".claude/projects", 3 * MiB);
    folderOf(home, ".wine", 3 * MiB + kBlock);
    // Card 4 keeps more than 2 MiB; its Trash is the home trash's files folder.
    folderOf(home, ".local/share/Trash/files", 2 * MiB);
    folderOf(home, "Library/Containers/com.apple.geod/Data/tmp", 2 * MiB + kBlock);

    auto cards = scan(home);
    EXPECT_THAT(itemUrls(cardWithId(cards, "card-browsers")),
                testing::ElementsAre(home.at("Library/Application Support/Google/GoogleUpdater")));
    EXPECT_THAT(itemUrls(cardWithId(cards, "card-ai-dev")),
                testing::ElementsAre(home.at(".cache/whisper"), home.at(".wine")));
    EXPECT_THAT(itemUrls(cardWithId(cards, "card-macos-system")),
                testing::ElementsAre(home.at("Library/Containers/com.apple.geod/Data/tmp")));

    home.allocatedFile(".local/share/Trash/files/more", kBlock);
    cards = scan(home);
    EXPECT_THAT(itemNames(cardWithId(cards, "card-macos-system")), testing::Contains("系统废纸篓滞留文件"));
}

TEST(SafeCacheCatalogue, DotCacheEntriesIncludeHiddenOnesAndComeBeforeFixedRules)
{
    TempHome home;
    folderOf(home, ".cache/.hidden-models", 4 * MiB);
    folderOf(home, ".codex/packages", 4 * MiB);
    home.allocatedFile(".cache/big.bin", 4 * MiB);

    const auto cards = scan(home);
    const auto* card = cardWithId(cards, "card-ai-dev");
    ASSERT_NE(card, nullptr);
    EXPECT_THAT(itemNames(card), testing::ElementsAre("AI 与工具链全局缓存 (.hidden-models)",
                                                      "AI 与工具链全局缓存 (big.bin)", "Codex 插件与临时生成图缓存"));
    const auto& entry = card->subItems.front();
    EXPECT_EQ(entry.note, "位于 ~/.cache 下的离线模型或运行时缓存，需要时可自动重拉");
    EXPECT_EQ(entry.safetyLevel, "已核实：标准 ~/.cache");
    EXPECT_EQ(entry.verificationDetail,
              "位于 Unix 标准 ~/.cache 目录，仅存放下载的权重或编译中间物，绝不涉及业务工程源码。");
    EXPECT_TRUE(entry.isSelected);
}

TEST(SafeCacheCatalogue, ChromeProfilesOfferOnlyTheirNamedCacheFolders)
{
    TempHome home;
    const std::string chrome = "Library/Application Support/Google/Chrome/";
    folderOf(home, chrome + "Default/Code Cache", 3 * MiB);        // exactly 3 MiB: not offered
    folderOf(home, chrome + "Default/GPUCache", 3 * MiB + kBlock); // one block more: offered
    folderOf(home, chrome + "Profile 3/Service Worker/CacheStorage", 4 * MiB);
    folderOf(home, chrome + "Profile 3/Cache", 4 * MiB);
    folderOf(home, chrome + "Profile 3/Local Storage", 40 * MiB); // never a cache folder
    folderOf(home, chrome + "System Profile/Cache", 40 * MiB);
    folderOf(home, chrome + "Guest Profile/Cache", 40 * MiB);
    folderOf(home, chrome + "profile 2/Cache", 40 * MiB);

    const auto cards = scan(home);
    const auto* card = cardWithId(cards, "card-browsers");
    ASSERT_NE(card, nullptr);
    EXPECT_THAT(itemNames(card), testing::ElementsAre("Chrome 账号 [Profile 3] 网页缓存 (Service Worker/CacheStorage)",
                                                      "Chrome 账号 [Profile 3] 网页缓存 (Cache)",
                                                      "Chrome 账号 [Default] 网页缓存 (GPUCache)"));
    const auto& item = card->subItems.back();
    EXPECT_EQ(item.url, home.at(chrome + "Default/GPUCache"));
    EXPECT_EQ(item.note, "仅清理该账号下的网页静态缓存，登录态与密码 100% 锁定保护");
    EXPECT_EQ(item.safetyLevel, "已核实：不伤登录态");
    EXPECT_EQ(item.verificationDetail, "已物理隔离该账号的 Cookies、Login Data（密码库）、Bookmarks（书签）与 Local "
                                       "Storage，仅清理纯静态网页缓存。");
    EXPECT_TRUE(item.isSelected);
}

TEST(SafeCacheCatalogue, SmallContainerCacheFallsBackToTheContainerData)
{
    TempHome home;
    const std::string wechat = "Library/Containers/com.tencent.xinWeChat/Data";
    folderOf(home, wechat + "/Library/Application Support/com.tencent.xinWeChat", 1 * MiB);
    folderOf(home, wechat + "/Documents", 400 * MiB);
    // Exactly 5 MiB is more than 5,242,879 bytes: the rule's own folder is kept.
    folderOf(home, "Library/Containers/com.tencent.wwmapp/Data/Documents", 5 * MiB);
    // Just under: the whole container data is offered instead.
    folderOf(home, "Library/Containers/com.tencent.QQMusicMac/Data/Library/Application Support/com.tencent.QQMusicMac",
             5 * MiB - kBlock);
    // A container data folder of exactly 3 MiB is too small to offer.
    folderOf(home, "Library/Containers/com.kingsoft.wpsoffice.mac/Data/Library/Application Support/Kingsoft", 1 * MiB);
    home.allocatedFile("Library/Containers/com.kingsoft.wpsoffice.mac/Data/other", 2 * MiB);
    // Outside a container a small cache keeps its own folder from 3 MiB up.
    folderOf(home, "Library/Application Support/Sogou", 4 * MiB);

    const auto cards = scan(home);
    const auto* card = cardWithId(cards, "card-office-social");
    ASSERT_NE(card, nullptr);
    EXPECT_THAT(itemUrls(card),
                testing::ElementsAre(home.at(wechat), home.at("Library/Containers/com.tencent.wwmapp/Data/Documents"),
                                     home.at("Library/Containers/com.tencent.QQMusicMac/Data"),
                                     home.at("Library/Application Support/Sogou")));
    const auto& fallback = card->subItems.front();
    EXPECT_EQ(fallback.name, "微信群聊视频与图片容器（默认保护不勾选）");
    EXPECT_EQ(fallback.safetyLevel, "默认保护 · 按需选清");
    EXPECT_FALSE(fallback.isSelected);
    EXPECT_EQ(fallback.sizeBytes, 401 * MiB);
    EXPECT_EQ(fallback.contentPreview, (std::vector<std::string>{"Documents (400.0 MB)", "Library (1.0 MB)"}));
}

TEST(SafeCacheCatalogue, ContainerFallbackNeverReachesAboveTheContainer)
{
    // A home whose own path holds "/Data/": cutting the path at its first "/Data/" would
    // offer a folder that contains the whole home.
    TempHome root;
    const std::string home = root.mkdir("Data/person");
    const std::string wechat = "Data/person/Library/Containers/com.tencent.xinWeChat/Data";
    folderOf(root, wechat + "/Library/Application Support/com.tencent.xinWeChat", 1 * MiB);
    folderOf(root, wechat + "/Documents", 8 * MiB);
    folderOf(root, "Data/person/Documents/thesis", 50 * MiB);

    const auto cards = scanCacheCatalogue(home);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_THAT(itemUrls(&cards.front()), testing::ElementsAre(root.at(wechat)));
    EXPECT_EQ(cards.front().subItems.front().sizeBytes, 9 * MiB);
}

TEST(SafeCacheCatalogue, TemporaryParentRulesExistOnlyWithThePerUserLayout)
{
    TempHome home;
    for (const char* name : {"X", "C"})
        folderOf(home, std::string("shared/") + name, 10 * MiB);
    folderOf(home, "shared/T/leftover", 10 * MiB);
    folderOf(home, "var/folders/ab/cd/X", 10 * MiB);
    folderOf(home, "var/folders/ab/cd/C", 9 * MiB);
    folderOf(home, "var/folders/ab/cd/T/leftover", 8 * MiB);

    {
        // A shared temporary folder: its parent and siblings are not the user's caches.
        const auto tmp = temporaryDirectory(home.at("shared/T"));
        EXPECT_TRUE(scan(home).empty());
    }
    const auto tmp = temporaryDirectory(home.at("var/folders/ab/cd/T"));
    const auto cards = scan(home);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_THAT(itemUrls(&cards.front()),
                testing::ElementsAre(home.at("var/folders/ab/cd/X"), home.at("var/folders/ab/cd/C"),
                                     home.at("var/folders/ab/cd/T")));
}

TEST(SafeCacheCatalogue, NestedLocationsCountInBothCards)
{
    TempHome home;
    folderOf(home, "Library/Caches/Google/Chrome/Default/Cache", 300 * MiB);
    home.allocatedFile("Library/Caches/Google/Chrome/Default/Cache/Cache_Data/f1", 4 * MiB);

    const auto cards = scan(home);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].id, "card-browsers"); // equal totals keep catalogue order
    EXPECT_EQ(cards[1].id, "card-macos-system");
    for (const auto& card : cards) {
        ASSERT_EQ(card.subItems.size(), 1u);
        EXPECT_EQ(card.subItems[0].sizeBytes, 304 * MiB);
        EXPECT_EQ(card.totalScannedBytes(), 304 * MiB);
    }
    // The preview looks four levels into each child: Cache_Data/f1 lies one level deeper.
    EXPECT_EQ(cards[1].subItems[0].contentPreview, std::vector<std::string>{"Google (300.0 MB)"});
    EXPECT_EQ(cards[0].subItems[0].contentPreview, std::vector<std::string>{"Chrome (304.0 MB)"});
}

TEST(SafeCacheCatalogue, ItemsAndCardsSortLargestFirstKeepingTiesInOrder)
{
    TempHome home;
    // Card 3: two fixed rules of equal size keep table order behind a larger ~/.cache entry.
    folderOf(home, ".wine", 5 * MiB);
    folderOf(home, ".local/share/uv", 5 * MiB);
    folderOf(home, ".cache/zeta", 7 * MiB);
    // Card 1 is larger in total than card 3 and comes first.
    folderOf(home, "Library/WebKit", 20 * MiB);

    const auto cards = scan(home);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].id, "card-browsers");
    EXPECT_THAT(itemUrls(&cards[1]),
                testing::ElementsAre(home.at(".cache/zeta"), home.at(".local/share/uv"), home.at(".wine")));
}

TEST(SafeCacheCatalogue, LinksAreNeverOfferedAndAMissingHomeGivesNothing)
{
    TempHome home;
    EXPECT_TRUE(scanCacheCatalogue(home.at("missing")).empty());
    folderOf(home, "elsewhere/big", 50 * MiB);
    home.symlink("Library/Caches", home.at("elsewhere"));
    home.symlink(".cache/models", home.at("elsewhere"));
    home.symlink(".wine", home.at("elsewhere"));
    home.symlink("Library/Application Support/Google/Chrome/Default/Cache", home.at("elsewhere"));

    EXPECT_TRUE(scan(home).empty());
}
