#pragma once
// The fixed catalogue behind the zero-risk cards: where each cache lives, what it is
// called and why removing it is safe. The texts are the engine's own (Simplified
// Chinese), each with the message id the window and the command line show it by.

#include "Models/StorageModels.h"

#include <optional>
#include <span>
#include <string_view>

namespace safecache {

// The folders the rule locations hang from.
enum class Base {
    home,
    appSupport, // Library/Application Support
    caches,     // Library/Caches
    containers, // Library/Containers
    dotCodex,
    dotClaude,
    localShare,
    google,     // Application Support/Google
    chromeData, // Application Support/Google/Chrome
    tempParent, // parent of the per-user temporary folder (macOS layout only)
    trash,      // the home trash's files/ folder
};

struct Rule {
    Base base;
    std::string_view relative; // appended to the base; "" = the base itself
    EngineText name;
    EngineText note;
    EngineText verificationDetail;
    bool isSafeDefault = true;
};

// Chrome's on-device models, in the browser rules and (at their Linux places) in the Linux ones.
inline constexpr Rule kChromeOnDeviceModel{
    Base::chromeData,
    "OptGuideOnDeviceModel",
    {"cache.chromeModel.name", "Chrome 本地大模型缓存包"},
    {"cache.chromeModel.note", "浏览器后台自动下载的 4GB 本地端侧模型，清理后不影响任何网页浏览"},
    {"cache.chromeModel.detail", "已自动核实：这是 Chrome 实验性端侧 AI 权重文件 "
                                 "(OptGuideOnDeviceModel)，非用户数据，删后立省 4GB 且绝不掉登录。"}};
inline constexpr Rule kChromeSpeechPacks{
    Base::chromeData,
    "SODALanguagePacks",
    {"cache.chromeSpeech.name", "Chrome 语音识别与分类组件缓存"},
    {"cache.chromeSpeech.note", "本地离线字幕语音包与分类特征缓存"},
    {"cache.chromeSpeech.detail", "已自动核实：纯离线语音识别组件缓存，不涉及任何账号信息。"}};
inline constexpr Rule kChromeClassifierModel{
    Base::chromeData,
    "OptGuideOnDeviceClassifierModel",
    {"cache.chromeClassifier.name", "Chrome 页面特征分类器库"},
    {"cache.chromeClassifier.note", "浏览器内置页面特征缓存"},
    {"cache.chromeClassifier.detail", "已自动核实：浏览器自动生成的页面分类模型缓存。"}};

// Where a rule points for this home; nullopt when its base does not exist on this
// system (the per-user temporary parent outside the macOS layout).
std::optional<Path> locationOf(const Rule& rule, const Path& home, const std::optional<Path>& tempParent);
Path chromeDataFolder(const Path& home);
Path containersFolder(const Path& home);
Path dotCacheFolder(const Path& home);

// A card with its fixed texts and no items; index 0..3 in catalogue order.
SafeCacheRuleCard cardShell(std::size_t index);

std::span<const Rule> browserRules();
std::span<const Rule> officeSocialRules();
std::span<const Rule> aiDevRules();
std::span<const Rule> systemRules();

// Card 1: browser profile caches.
bool isChromeProfileName(std::string_view name);
std::span<const std::string_view> chromeProfileCacheFolders();
std::string chromeProfileItemName(std::string_view profile, std::string_view cacheFolder);
TextRef chromeProfileItemNameRef(std::string_view profile, std::string_view cacheFolder);
inline constexpr EngineText kChromeProfileNote{"cache.chromeProfile.note",
                                               "仅清理该账号下的网页静态缓存，登录态与密码 100% 锁定保护"};
inline constexpr EngineText kChromeProfileBadge{"cache.badge.loginsKept", "已核实：不伤登录态"};
inline constexpr EngineText kChromeProfileDetail{
    "cache.chromeProfile.detail",
    "已物理隔离该账号的 Cookies、Login Data（密码库）、Bookmarks（书签）与 Local Storage，仅清理纯静态网页缓存。"};

// Card 3: entries of ~/.cache.
std::string dotCacheItemName(std::string_view entry);
TextRef dotCacheItemNameRef(std::string_view entry);
inline constexpr EngineText kDotCacheNote{"cache.dotCache.note",
                                          "位于 ~/.cache 下的离线模型或运行时缓存，需要时可自动重拉"};
inline constexpr EngineText kDotCacheBadge{"cache.badge.dotCache", "已核实：标准 ~/.cache"};
inline constexpr EngineText kDotCacheDetail{
    "cache.dotCache.detail", "位于 Unix 标准 ~/.cache 目录，仅存放下载的权重或编译中间物，绝不涉及业务工程源码。"};

// Badges of the fixed rules.
inline constexpr EngineText kPureCacheBadge{"cache.badge.pureCache", "已核实：100% 纯缓存"}; // cards 1 and 2
inline constexpr EngineText kProtectedByDefaultBadge{"cache.badge.protectedByDefault",
                                                     "默认保护 · 按需选清"};                      // an unselected rule
inline constexpr EngineText kRebuildableBadge{"cache.badge.rebuildable", "已核实：可安全重构"};   // card 3
inline constexpr EngineText kSystemCacheBadge{"cache.badge.systemCache", "已核实：系统安全缓存"}; // card 4

inline constexpr EngineText kLastModifiedText{"cache.lastModified", "随时可安全重构"};

// A cache whose program runs: moving it would pull files from under the program.
inline constexpr EngineText kRunningBadge{"cache.badge.programRunning", "程序运行中 · 请先关闭"};
inline constexpr EngineText kRunningNote{"cache.running.note",
                                         "该程序正在运行：请先关闭程序再清理，以免移走正在使用的缓存"};

} // namespace safecache
