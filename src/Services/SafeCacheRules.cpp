#include "Services/SafeCacheRules.h"

#include "Models/Paths.h"
#include "Platform/Trash.h"

#include <array>

namespace safecache {

namespace {

constexpr Rule kBrowserRules[] = {
    kChromeOnDeviceModel,
    {Base::google,
     "GoogleUpdater",
     {"cache.chromeUpdater.name", "Chrome 历史版本更新包"},
     {"cache.chromeUpdater.note", "已安装完成的旧版浏览器安装包残留"},
     {"cache.chromeUpdater.detail", "已自动核实：您的 Chrome 已完成升级，GoogleUpdater 内的旧版本安装包 100% 冗余。"}},
    kChromeSpeechPacks,
    kChromeClassifierModel,
    {Base::google,
     "Chrome for Testing",
     {"cache.chromeForTesting.name", "Chrome 自动化测试内核残留"},
     {"cache.chromeForTesting.note", "测试专用浏览器沙盒副本"},
     {"cache.chromeForTesting.detail", "已自动核实：自动化脚本遗留的测试版浏览器内核副本。"}},
    {Base::chromeData,
     "component_crx_cache",
     {"cache.chromeCrxCache.name", "Chrome 扩展插件升级临时包"},
     {"cache.chromeCrxCache.note", "插件安装完成后的临时 CRX 压缩包"},
     {"cache.chromeCrxCache.detail", "已自动核实：仅清理已安装完毕的临时安装包，不影响已装插件与配置。"}},
    {Base::caches,
     "Google",
     {"cache.chromeGlobalCache.name", "Chrome 全局静态图片与脚本缓存"},
     {"cache.chromeGlobalCache.note", "网页图片、JS 脚本与音视频缓冲文件"},
     {"cache.chromeGlobalCache.detail", "已自动核实：位于系统标准 Caches 目录，清理后仅重置网页静态图片缓存。"}},
    {Base::home,
     "Library/WebKit",
     {"cache.webkit.name", "macOS WebKit 网页渲染缓存"},
     {"cache.webkit.note", "系统内置网页视图图片与样式缓冲"},
     {"cache.webkit.detail", "已自动核实：macOS 标准网页视图缓存。"}},
};

constexpr Rule kOfficeSocialRules[] = {
    {Base::containers,
     "com.kingsoft.wpsoffice.mac/Data/Library/Application Support/Kingsoft",
     {"cache.wps.name", "WPS Office 本地云文档临时缓存"},
     {"cache.wps.note", "WPS 自动生成的历史云同步临时缓冲与旧备份"},
     {"cache.wps.detail", "已自动核实：仅包含 WPS 历史临时缓存文件，不触碰您的本地正式文档。"},
     true},
    {Base::containers,
     "com.tencent.QQMusicMac/Data/Library/Application Support/com.tencent.QQMusicMac",
     {"cache.qqMusic.name", "QQ 音乐离线试听歌曲与 MV 缓冲"},
     {"cache.qqMusic.note", "听歌时自动缓存的无损音频流与 MV 视频"},
     {"cache.qqMusic.detail", "已自动核实：纯试听歌曲与 MV 媒体缓冲，清理后歌单与收藏 100% 保留。"},
     true},
    {Base::appSupport,
     "Sogou",
     {"cache.sogou.name", "搜狗输入法皮肤与热词组件缓存"},
     {"cache.sogou.note", "输入法本地皮肤包、热词缓存与语音组件"},
     {"cache.sogou.detail", "已自动核实：输入法临时资源缓存，不影响个人词库。"},
     true},
    {Base::appSupport,
     "LarkShell/aha",
     {"cache.larkWorkspace.name", "飞书桌面端工作台与日志缓存"},
     {"cache.larkWorkspace.note", "飞书小程序、内置网页与运行日志，不伤聊天库"},
     {"cache.larkWorkspace.detail",
      "已自动核实：已物理跳过 sdk_storage/common.db 聊天主库，仅清理工作台网页与日志缓存。"},
     true},
    {Base::appSupport,
     "com.electron.lark.font_workaround",
     {"cache.larkFont.name", "飞书字体兼容层与旧升级包"},
     {"cache.larkFont.note", "飞书 Electron 字体渲染缓存包"},
     {"cache.larkFont.detail", "已自动核实：纯字体与升级临时文件。"},
     true},
    {Base::appSupport,
     "com.apple.wallpaper",
     {"cache.wallpaper.name", "macOS 4K 动态壁纸视频缓存"},
     {"cache.wallpaper.note", "系统自动下载的高清动态桌面视频缓存"},
     {"cache.wallpaper.detail", "已自动核实：系统壁纸缓存视频，需要时系统会自动重新下载。"},
     true},
    {Base::containers,
     "com.tencent.wwmapp/Data/Documents",
     {"cache.wecom.name", "企业微信工作台临时缓存"},
     {"cache.wecom.note", "企业微信内置应用与临时缓冲"},
     {"cache.wecom.detail", "已自动核实：临时缓存文件。"},
     true},
    {Base::containers,
     "com.tencent.xinWeChat/Data/Library/Application Support/com.tencent.xinWeChat",
     {"cache.wechatMedia.name", "微信群聊视频与图片容器（默认保护不勾选）"},
     {"cache.wechatMedia.note", "微信沙盒容器内的媒体文件，已默认为您锁定保护"},
     {"cache.wechatMedia.detail", "默认保护项：包含微信接收的图片与文件，除非您希望深度清空微信旧媒体，否则无需勾选。"},
     false},
};

constexpr Rule kAiDevRules[] = {
    // uv's managed Pythons and tools live here, and environments built on them break
    // without them: offered, never preselected.
    {Base::localShare,
     "uv",
     {"cache.uvShare.name", "Python uv 全局安装包缓存"},
     {"cache.uvShare.note", "2.5 GB Python 历史 Wheel 下载缓存，清理后不影响现有虚拟环境"},
     {"cache.uvShare.detail",
      "已自动核实：这是 uv 包管理器的下载缓存池 (~/.local/share/uv)，清理后您现有的项目环境依然正常运行。"},
     false},
    {Base::dotCodex,
     "sessions",
     {"cache.codexSessions.name", "Codex 历史会话快照归档"},
     {"cache.codexSessions.note", "1.5 GB 历史 AI 编程会话日志与中间快照"},
     {"cache.codexSessions.detail", "已自动核实：仅包含历史已结束会话的快照日志，不影响 Codex 正常使用与 API 配置。"}},
    {Base::dotCodex,
     "thread_history_1.sqlite",
     {"cache.codexThreadDb.name", "Codex 历史对话追踪数据库"},
     {"cache.codexThreadDb.note", "1.3 GB 历史运行记录 SQLite 归档文件"},
     {"cache.codexThreadDb.detail", "已自动核实：历史会话追踪归档数据库，清理后将自动新建轻量空白库。"}},
    {Base::dotClaude,
     "projects",
     {"cache.claudeProjects.name", "Claude 历史项目长上下文日志"},
     {"cache.claudeProjects.note", "826 MB 历史对话上下文缓存"},
     {"cache.claudeProjects.detail", "已自动核实：仅包含历史对话记录缓存，不触碰您的实际项目代码。"}},
    {Base::localShare,
     "dorlan-wine",
     {"cache.dorlanWine.name", "Dorlan Wine 跨平台兼容层缓存"},
     {"cache.dorlanWine.note", "666 MB 独立容器运行时缓存"},
     {"cache.dorlanWine.detail", "已自动核实：本地跨平台兼容容器残留。"}},
    {Base::localShare,
     "tamo-worktrees",
     {"cache.tamoWorktrees.name", "Tamo 临时 Git 工作树副本"},
     {"cache.tamoWorktrees.note", "579 MB 历史临时分支缓存副本"},
     {"cache.tamoWorktrees.detail", "已自动核实：自动化脚本创建的临时 worktree 副本，非主仓库。"}},
    {Base::appSupport,
     "Claude-3p",
     {"cache.claude3p.name", "Claude-3p 桌面端运行缓存"},
     {"cache.claude3p.note", "556 MB 客户端本地缓存"},
     {"cache.claude3p.detail", "已自动核实：桌面客户端本地缓存。"}},
    {Base::localShare,
     "kelto-collector-agent",
     {"cache.kelto.name", "Kelto 采集器与短视频任务缓存"},
     {"cache.kelto.note", "历史自动化任务产生的本地缓存包"},
     {"cache.kelto.detail", "已自动核实：历史 Worker 任务临时缓存。"}},
    {Base::dotCodex,
     "packages",
     {"cache.codexPackages.name", "Codex 插件与临时生成图缓存"},
     {"cache.codexPackages.note", "工具包缓存与临时截图"},
     {"cache.codexPackages.detail", "已自动核实：临时文件与工具包缓存。"}},
    {Base::home,
     ".cc-switch",
     {"cache.ccSwitch.name", "CC-Switch 历史客户端备份"},
     {"cache.ccSwitch.note", "历史版本切换备份包"},
     {"cache.ccSwitch.detail", "已自动核实：历史备份缓存。"}},
    // A whole Wine prefix: installed programs, documents and saves. Offered, never preselected.
    {Base::home,
     ".wine",
     {"cache.wine.name", "Wine 虚拟盘全局缓存"},
     {"cache.wine.note", "335 MB Wine 兼容层缓存"},
     {"cache.wine.detail", "已自动核实：Wine 虚拟环境缓存。"},
     false},
};

constexpr Rule kSystemRules[] = {
    {Base::tempParent,
     "X",
     {"cache.tempX.name", "macOS 『系统数据』底层沙盒编译缓存"},
     {"cache.tempX.note", "3.3 GB 苹果隐藏在 /private/var 中的预编译模块缓存，清理后按需自动重建"},
     {"cache.tempX.detail",
      "已自动核实：这正是导致 macOS『系统数据』暴涨的主因之一 (/private/var/folders/.../X)，清理 100% 安全。"}},
    {Base::caches,
     "",
     {"cache.libraryCaches.name", "macOS 全局应用标准缓存 (Library/Caches)"},
     {"cache.libraryCaches.note", "1.0 GB 各应用运行期产生的临时图片与数据缓存"},
     {"cache.libraryCaches.detail", "已自动核实：macOS 官方定义的纯缓存目录。"}},
    {Base::tempParent,
     "C",
     {"cache.tempC.name", "macOS 用户级渲染与缩略图缓存"},
     {"cache.tempC.note", "949 MB 系统图标与预览缩略图缓存"},
     {"cache.tempC.detail", "已自动核实：Darwin 用户级缓存目录 (/private/var/folders/.../C)。"}},
    {Base::containers,
     "com.apple.CoreDevice.CoreDeviceService/Data/Library/Caches",
     {"cache.coreDevice.name", "iOS 真机连接与调试符号缓存"},
     {"cache.coreDevice.note", "875 MB 连接 iPhone 时自动生成的历史设备符号包"},
     {"cache.coreDevice.detail", "已自动核实：Xcode CoreDevice 历史调试缓存，不影响真机连接。"}},
    {Base::home,
     "Documents/.icloud-stuck",
     {"cache.icloudStuck.name", "iCloud 历史同步卡死残留文件夹"},
     {"cache.icloudStuck.note", "422 MB 遗留的 .icloud-stuck 僵尸副本目录"},
     {"cache.icloudStuck.detail", "已自动核实：2026年9月遗留的构建副本残留文件夹。"}},
    {Base::containers,
     "com.apple.geod/Data/tmp",
     {"cache.geod.name", "Apple 地图离线瓦片缓存"},
     {"cache.geod.note", "162 MB 地图浏览临时缓存"},
     {"cache.geod.detail", "已自动核实：地图离线瓦片缓存。"}},
    {Base::tempParent,
     "T",
     {"cache.tempT.name", "macOS 临时交换文件"},
     {"cache.tempT.note", "113 MB 系统临时目录残留"},
     {"cache.tempT.detail", "已自动核实：系统临时交换区文件。"}},
    {Base::trash,
     "",
     {"cache.trash.name", "系统废纸篓滞留文件"},
     {"cache.trash.note", "清空废纸篓以将已删文件立即转化为可用磁盘容量"},
     {"cache.trash.detail", "已自动核实：清空后立即释放 APFS 物理闪存块。"}},
};
constexpr std::array<std::string_view, 7> kChromeProfileCacheFolders{"Service Worker/CacheStorage",
                                                                     "Service Worker/ScriptCache",
                                                                     "Code Cache",
                                                                     "GPUCache",
                                                                     "Cache",
                                                                     "DawnGraphiteCache",
                                                                     "DawnWebGPUCache"};

Path appSupport(const Path& home) { return paths::join(home, "Library/Application Support"); }

Path baseFolder(Base base, const Path& home)
{
    switch (base) {
    case Base::home:
        return home;
    case Base::appSupport:
        return appSupport(home);
    case Base::caches:
        return paths::join(home, "Library/Caches");
    case Base::containers:
        return containersFolder(home);
    case Base::dotCodex:
        return paths::join(home, ".codex");
    case Base::dotClaude:
        return paths::join(home, ".claude");
    case Base::localShare:
        return paths::join(home, ".local/share");
    case Base::google:
        return paths::join(appSupport(home), "Google");
    case Base::chromeData:
        return chromeDataFolder(home);
    case Base::trash:
        return Trash::homeFilesFolder(home);
    case Base::tempParent:
        break;
    }
    return {};
}

} // namespace

std::optional<Path> locationOf(const Rule& rule, const Path& home, const std::optional<Path>& tempParent)
{
    Path base;
    if (rule.base == Base::tempParent) {
        if (!tempParent)
            return std::nullopt;
        base = *tempParent;
    } else {
        base = baseFolder(rule.base, home);
    }
    return rule.relative.empty() ? base : paths::join(base, rule.relative);
}

Path chromeDataFolder(const Path& home) { return paths::join(appSupport(home), "Google/Chrome"); }
Path containersFolder(const Path& home) { return paths::join(home, "Library/Containers"); }
Path dotCacheFolder(const Path& home) { return paths::join(home, ".cache"); }

SafeCacheRuleCard cardShell(std::size_t index)
{
    struct Shell {
        std::string_view id;
        CleanCategoryFilter category;
        std::string_view title, subtitle, symbolName, accentHex, secondaryHex, protectionPromise;
        std::string_view key; // message ids: "cache.card." + key + ".title" / ".subtitle" / ".promise"
    };
    static constexpr std::array<Shell, 4> kShells{{
        {"card-browsers", CleanCategoryFilter::browserOffice, "浏览器多账号无损瘦身",
         "清理 Chrome 4GB 本地端侧模型、旧更新包与 14 个账号的纯网页图片缓存", "safari.fill", "#186BC0", "#38BDF8",
         "全部账号登录态、密码与书签 100% 自动保护", "browsers"},
        {"card-office-social", CleanCategoryFilter::sandboxContainers, "办公与影音软件瘦身",
         "清理 WPS 临时缓存、QQ 音乐试听缓冲、飞书工作台与搜狗输入法冗余包", "bubble.left.and.text.bubble.right.fill",
         "#0A8F6B", "#34D399", "微信与飞书聊天记录 100% 完好保留", "officeSocial"},
        {"card-ai-dev", CleanCategoryFilter::aiAndDev, "AI 智能体与开发缓存清理",
         "清理 Python uv 安装包、HuggingFace/Whisper 模型与 Codex/Claude 历史会话日志", "cpu.fill", "#4352B8",
         "#818CF8", "API 密钥配置与代码仓库 100% 隔离保护", "aiDev"},
        {"card-macos-system", CleanCategoryFilter::systemTemp, "系统日志与临时缓存",
         "清理图形与应用程序缓存、会话日志与废纸篓中滞留的文件", "macwindow.badge.plus", "#C46B0F", "#FBBF24",
         "100% 保留登录状态、Cookie、聊天记录与个人文稿", "system"},
    }};
    const Shell& shell = kShells.at(index);
    SafeCacheRuleCard card;
    card.id = shell.id;
    card.category = shell.category;
    card.title = shell.title;
    card.subtitle = shell.subtitle;
    card.symbolName = shell.symbolName;
    card.accentHex = shell.accentHex;
    card.secondaryHex = shell.secondaryHex;
    card.protectionPromise = shell.protectionPromise;
    card.isExpanded = false;
    const std::string key = "cache.card." + std::string(shell.key);
    card.titleRef = {key + ".title", {}};
    card.subtitleRef = {key + ".subtitle", {}};
    card.promiseRef = {key + ".promise", {}};
    return card;
}

std::span<const Rule> browserRules() { return kBrowserRules; }
std::span<const Rule> officeSocialRules() { return kOfficeSocialRules; }
std::span<const Rule> aiDevRules() { return kAiDevRules; }
std::span<const Rule> systemRules() { return kSystemRules; }

bool isChromeProfileName(std::string_view name) { return name == "Default" || name.starts_with("Profile "); }

std::span<const std::string_view> chromeProfileCacheFolders() { return kChromeProfileCacheFolders; }

std::string chromeProfileItemName(std::string_view profile, std::string_view cacheFolder)
{
    return "Chrome 账号 [" + std::string(profile) + "] 网页缓存 (" + std::string(cacheFolder) + ")";
}

TextRef chromeProfileItemNameRef(std::string_view profile, std::string_view cacheFolder)
{
    return {"cache.chromeProfile.name", {std::string(profile), std::string(cacheFolder)}};
}

std::string dotCacheItemName(std::string_view entry) { return "AI 与工具链全局缓存 (" + std::string(entry) + ")"; }

TextRef dotCacheItemNameRef(std::string_view entry) { return {"cache.dotCache.name", {std::string(entry)}}; }

} // namespace safecache
