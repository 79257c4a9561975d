#include "Services/LinuxCacheRules.h"

#include "Models/Paths.h"
#include "Models/TextLines.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FileOperations.h"
#include "Platform/HomeReader.h"
#include "Services/SafeCacheRules.h"

#include <algorithm>
#include <map>
#include <sys/stat.h>

namespace linuxcache {
namespace {

constexpr std::size_t kBrowserCard = 0, kOfficeCard = 1, kDevCard = 2, kSystemCard = 3;

// ---------------------------------------------------------------- texts

constexpr EngineText kShaderNote{"cache.browserShader.note",
                                 "浏览器启动时自动重建的着色器缓存与已安装组件的临时安装包"};
constexpr EngineText kShaderDetail{
    "cache.browserShader.detail", "已自动核实：仅包含 GPU 着色器编译结果与组件安装包残留，不涉及账号、Cookie 与书签。"};
constexpr EngineText kServiceWorkerNote{"cache.serviceWorker.note",
                                        "离线网页应用的脚本与数据缓存，清理后离线应用需重新联网加载"};
constexpr EngineText kServiceWorkerDetail{"cache.serviceWorker.detail",
                                          "默认保护项：Service Worker 缓存属于网站数据，清理后已安装的离线网页"
                                          "应用会丢失离线内容，因此默认不勾选；Database 与登录态不会被触碰。"};
constexpr EngineText kElectronNote{"cache.electron.note", "应用内置浏览器的网页、脚本与 GPU 缓存，清理后自动重建"};
constexpr EngineText kElectronDetail{"cache.electron.detail",
                                     "已自动核实：仅清理 Electron 标准缓存文件夹；Cookies、Local Storage、"
                                     "IndexedDB 与聊天数据库不会被触碰。"};
constexpr EngineText kEditorNote{"cache.editor.note", "编辑器的网页缓存、扩展安装包、日志与崩溃报告，启动时自动重建"};
constexpr EngineText kEditorDetail{"cache.editor.detail",
                                   "已自动核实：仅清理缓存、日志与崩溃报告文件夹；User 文件夹中的设置、"
                                   "本地历史与工作区状态以及已安装的扩展不会被触碰。"};
constexpr EngineText kGraphicsNote{"cache.graphics.note", "图形库自动重建的缓存，当前桌面会话可能正在使用"};
constexpr EngineText kGraphicsDetail{
    "cache.graphics.detail",
    "默认保护项：由系统图形库自动重建，但桌面会话运行时正在使用，建议注销后再清理，因此默认不勾选。"};

constexpr EngineText kThumbnailNote{"cache.thumbnails.note", "文件管理器为图片与视频生成的预览图，需要时自动重建"};
constexpr EngineText kThumbnailDetail{"cache.thumbnails.detail",
                                      "已自动核实：freedesktop 标准缩略图缓存，仅包含自动生成的预览图。"};
constexpr EngineText kPnpmDetail{"cache.pnpmStore.detail",
                                 "默认保护项：存储中的文件以硬链接出现在项目的 node_modules 中，显示的大小只"
                                 "计算清理后真正释放的部分；清理后下次安装需重新下载。"};
constexpr EngineText kCondaNote{"cache.conda.note", "conda 下载并解压的软件包，环境通过硬链接使用它们"};
constexpr EngineText kCondaDetail{"cache.conda.detail",
                                  "默认保护项：环境中的文件与 pkgs 共享硬链接，显示的大小只计算清理后真正释放"
                                  "的部分；envs 与 base 环境不会被触碰，也可使用 conda clean 清理。"};
constexpr EngineText kCargoNote{"cache.cargo.note", "Cargo 下载的 crate 压缩包、解压源码与 Git 依赖"};
constexpr EngineText kCargoDetail{
    "cache.cargo.detail",
    "已自动核实：Cargo 会按需重新下载；~/.cargo/bin 中的工具、config.toml 与 credentials.toml 不会被触碰。"};
constexpr EngineText kGradleDetail{"cache.gradle.detail",
                                   "已自动核实：Gradle 会按需重新下载；gradle.properties 中的凭据与 init.d "
                                   "不会被触碰。请先停止正在运行的 Gradle 守护"
                                   "进程。"};
constexpr EngineText kCcacheNote{"cache.ccache.note", "C/C++ 编译结果缓存，下次编译时自动重建"};
constexpr EngineText kCcacheDetail{"cache.ccache.detail",
                                   "已自动核实：仅清理缓存分片文件夹；ccache.conf 中的设置不会被触碰。"};
constexpr EngineText kHubNote{"cache.huggingFace.note",
                              "从 Hugging Face 下载的模型与数据集，可重新下载（受限模型需要登录）"};
constexpr EngineText kHubDetail{
    "cache.huggingFace.detail",
    "默认保护项：模型体积大、重新下载耗时，因此默认不勾选；访问令牌 token 与 stored_tokens 不会被触碰。"};
constexpr EngineText kSteamDetail{"cache.steam.detail",
                                  "仅清理此文件夹；游戏文件 (common)、Proton 存档 (compatdata)、userdata "
                                  "与登录配置不会被触碰。"};
constexpr EngineText kSnapNote{"cache.snap.note", "Snap 应用的缓存文件夹，应用会自动重建"};
constexpr EngineText kSnapDetail{
    "cache.snap.detail",
    "已自动核实：仅清理 Snap 应用数据中的 .cache 文件夹；应用的其余数据不会被触碰，也不会经过 current 链接。"};
constexpr EngineText kLogDetail{"cache.sessionLogs.detail",
                                "已自动核实：桌面会话与显示服务写下的日志，下次登录时重新生成。"};

// ---------------------------------------------------------------- the programs that may have a place open

constexpr std::string_view kGoogleChrome[] = {"chrome", "google-chrome"};
constexpr std::string_view kGoogleChromeBeta[] = {"chrome", "google-chrome-beta"};
constexpr std::string_view kGoogleChromeUnstable[] = {"chrome", "google-chrome-unstable"};
constexpr std::string_view kChromium[] = {"chromium", "chromium-browser"};
constexpr std::string_view kBrave[] = {"brave", "brave-browser"};
constexpr std::string_view kMicrosoftEdge[] = {"msedge", "microsoft-edge"};
constexpr std::string_view kMicrosoftEdgeBeta[] = {"msedge", "microsoft-edge-beta"};
constexpr std::string_view kMicrosoftEdgeDev[] = {"msedge", "microsoft-edge-dev"};
constexpr std::string_view kVivaldi[] = {"vivaldi", "vivaldi-bin"};
constexpr std::string_view kOpera[] = {"opera"};
constexpr std::string_view kFirefox[] = {"firefox", "firefox-bin", "firefox-esr"};
constexpr std::string_view kThunderbird[] = {"thunderbird", "thunderbird-bin"};
constexpr std::string_view kSpotify[] = {"spotify"};
constexpr std::string_view kSlack[] = {"slack"};
constexpr std::string_view kDiscordBuilds[] = {"discord", "discordptb", "discordcanary"};
constexpr std::string_view kDiscord[] = {"discord"};
constexpr std::string_view kTeamsForLinux[] = {"teams-for-linux"};
constexpr std::string_view kTeams[] = {"teams"};
constexpr std::string_view kSignal[] = {"signal-desktop", "signal"};
constexpr std::string_view kElement[] = {"element-desktop", "element"};
constexpr std::string_view kZoom[] = {"zoom", "zoom.real"};
constexpr std::string_view kTelegram[] = {"telegram-desktop", "telegram"};
constexpr std::string_view kEvolution[] = {"evolution"};
constexpr std::string_view kUv[] = {"uv"};
constexpr std::string_view kPoetry[] = {"poetry"};
constexpr std::string_view kConda[] = {"conda"};
constexpr std::string_view kCargo[] = {"cargo"};
constexpr std::string_view kRustup[] = {"rustup"};
constexpr std::string_view kGo[] = {"go", "gopls"};
constexpr std::string_view kMvn[] = {"mvn"};
constexpr std::string_view kCcache[] = {"ccache"};
constexpr std::string_view kBazel[] = {"bazel", "bazelisk"};
constexpr std::string_view kJetBrainsIdes[] = {"idea",      "pycharm",  "clion",    "goland",   "webstorm", "rider",
                                               "rustrover", "datagrip", "phpstorm", "rubymine", "studio"};
constexpr std::string_view kCode[] = {"code"};
constexpr std::string_view kCodeInsiders[] = {"code-insiders"};
constexpr std::string_view kVscodium[] = {"codium", "vscodium"};
constexpr std::string_view kCursor[] = {"cursor"};
constexpr std::string_view kWindsurf[] = {"windsurf"};
constexpr std::string_view kSteam[] = {"steam"};
constexpr std::string_view kDesktopIndexers[] = {"tracker-miner-fs-3", "gnome-software"};

// ---------------------------------------------------------------- the rules

constexpr Rule rule(std::size_t card, Base base, std::string_view pattern, EngineText label, EngineText note,
                    EngineText detail, bool selected, std::span<const std::string_view> programs = {})
{
    return {.card = card,
            .base = base,
            .pattern = pattern,
            .label = label,
            .note = note,
            .detail = detail,
            .isSafeDefault = selected,
            .programs = programs};
}

constexpr Rule hardLinked(Rule r)
{
    r.hardLinkedStore = true;
    return r;
}

constexpr Rule ownedBy(Rule r, Owner owner)
{
    r.owner = owner;
    return r;
}

// A Chromium profile's caches: the disk caches and GPU caches are offered selected, the
// offline apps' Service Worker caches (website data) unselected. Cookies, logins, history
// and storage are never named.
constexpr Rule profileRule(Base base, std::string_view pattern, EngineText brand,
                           std::span<const std::string_view> programs, bool selected)
{
    Rule r = rule(kBrowserCard, base, pattern, brand, selected ? safecache::kChromeProfileNote : kServiceWorkerNote,
                  selected ? safecache::kChromeProfileDetail : kServiceWorkerDetail, selected, programs);
    r.style = NameStyle::browserProfile;
    return r;
}

// Chrome's on-device models carry the same texts as on the other layout.
constexpr Rule chromeModel(std::string_view pattern, const safecache::Rule& model,
                           std::span<const std::string_view> programs)
{
    return rule(kBrowserCard, Base::config, pattern, model.name, model.note, model.verificationDetail, true, programs);
}

// Every rule, card by card, in the order the catalogue lists what they find. Browsers: each
// profile's disk caches (under the cache folder), its GPU and Service Worker caches (beside
// the profile), then the browser's shader and component caches. Electron programs keep the
// same cache folders beside their logins and messages; editors theirs beside settings.
constexpr Rule kRules[] = {
    profileRule(Base::cache, "google-chrome/{profile}/{Cache|Code Cache}", {"cache.profile.googleChrome", "谷歌浏览器"},
                kGoogleChrome, true),
    profileRule(Base::config, "google-chrome/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.googleChrome", "谷歌浏览器"}, kGoogleChrome, true),
    profileRule(Base::config, "google-chrome/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.googleChrome", "谷歌浏览器"}, kGoogleChrome, false),
    rule(kBrowserCard, Base::config,
         "google-chrome/{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
         {"cache.googleChrome.shaders", "谷歌浏览器 着色器与组件缓存"}, kShaderNote, kShaderDetail, true,
         kGoogleChrome),
    chromeModel("google-chrome/OptGuideOnDeviceModel", safecache::kChromeOnDeviceModel, kGoogleChrome),
    chromeModel("google-chrome/SODALanguagePacks", safecache::kChromeSpeechPacks, kGoogleChrome),
    chromeModel("google-chrome/OptGuideOnDeviceClassifierModel", safecache::kChromeClassifierModel, kGoogleChrome),
    rule(kBrowserCard, Base::config, "google-chrome/OnDeviceHeadSuggestModel",
         {"cache.googleChrome.suggestModel", "谷歌浏览器端侧搜索建议模型"},
         {"cache.googleChrome.suggestModel.note", "浏览器自动下载的本地搜索建议模型，需要时自动重新下载"},
         {"cache.googleChrome.suggestModel.detail", "已自动核实：端侧搜索建议模型文件，非用户数据，不影响登录与书签。"},
         true, kGoogleChrome),
    profileRule(Base::cache, "google-chrome-beta/{profile}/{Cache|Code Cache}",
                {"cache.profile.googleChromeBeta", "谷歌浏览器 Beta"}, kGoogleChromeBeta, true),
    profileRule(Base::config, "google-chrome-beta/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.googleChromeBeta", "谷歌浏览器 Beta"}, kGoogleChromeBeta, true),
    profileRule(Base::config, "google-chrome-beta/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.googleChromeBeta", "谷歌浏览器 Beta"}, kGoogleChromeBeta, false),
    rule(kBrowserCard, Base::config,
         "google-chrome-beta/{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
         {"cache.googleChromeBeta.shaders", "谷歌浏览器 Beta 着色器与组件缓存"}, kShaderNote, kShaderDetail, true,
         kGoogleChromeBeta),
    profileRule(Base::cache, "google-chrome-unstable/{profile}/{Cache|Code Cache}",
                {"cache.profile.googleChromeDev", "谷歌浏览器 Dev"}, kGoogleChromeUnstable, true),
    profileRule(Base::config, "google-chrome-unstable/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.googleChromeDev", "谷歌浏览器 Dev"}, kGoogleChromeUnstable, true),
    profileRule(Base::config, "google-chrome-unstable/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.googleChromeDev", "谷歌浏览器 Dev"}, kGoogleChromeUnstable, false),
    rule(
        kBrowserCard, Base::config,
        "google-chrome-unstable/{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
        {"cache.googleChromeDev.shaders", "谷歌浏览器 Dev 着色器与组件缓存"}, kShaderNote, kShaderDetail, true,
        kGoogleChromeUnstable),
    profileRule(Base::cache, "chromium/{profile}/{Cache|Code Cache}", {"cache.profile.chromium", "Chromium"}, kChromium,
                true),
    profileRule(Base::config, "chromium/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.chromium", "Chromium"}, kChromium, true),
    profileRule(Base::config, "chromium/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.chromium", "Chromium"}, kChromium, false),
    rule(kBrowserCard, Base::config,
         "chromium/{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
         {"cache.chromium.shaders", "Chromium 着色器与组件缓存"}, kShaderNote, kShaderDetail, true, kChromium),
    profileRule(Base::cache, "BraveSoftware/Brave-Browser/{profile}/{Cache|Code Cache}",
                {"cache.profile.brave", "Brave"}, kBrave, true),
    profileRule(Base::config,
                "BraveSoftware/Brave-Browser/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.brave", "Brave"}, kBrave, true),
    profileRule(Base::config, "BraveSoftware/Brave-Browser/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.brave", "Brave"}, kBrave, false),
    rule(kBrowserCard, Base::config,
         "BraveSoftware/Brave-Browser/"
         "{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
         {"cache.brave.shaders", "Brave 着色器与组件缓存"}, kShaderNote, kShaderDetail, true, kBrave),
    profileRule(Base::cache, "microsoft-edge/{profile}/{Cache|Code Cache}", {"cache.profile.edge", "Edge"},
                kMicrosoftEdge, true),
    profileRule(Base::config, "microsoft-edge/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.edge", "Edge"}, kMicrosoftEdge, true),
    profileRule(Base::config, "microsoft-edge/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.edge", "Edge"}, kMicrosoftEdge, false),
    rule(kBrowserCard, Base::config,
         "microsoft-edge/{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
         {"cache.edge.shaders", "Edge 着色器与组件缓存"}, kShaderNote, kShaderDetail, true, kMicrosoftEdge),
    profileRule(Base::cache, "microsoft-edge-beta/{profile}/{Cache|Code Cache}",
                {"cache.profile.edgeBeta", "Edge Beta"}, kMicrosoftEdgeBeta, true),
    profileRule(Base::config, "microsoft-edge-beta/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.edgeBeta", "Edge Beta"}, kMicrosoftEdgeBeta, true),
    profileRule(Base::config, "microsoft-edge-beta/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.edgeBeta", "Edge Beta"}, kMicrosoftEdgeBeta, false),
    rule(kBrowserCard, Base::config,
         "microsoft-edge-beta/{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
         {"cache.edgeBeta.shaders", "Edge Beta 着色器与组件缓存"}, kShaderNote, kShaderDetail, true,
         kMicrosoftEdgeBeta),
    profileRule(Base::cache, "microsoft-edge-dev/{profile}/{Cache|Code Cache}", {"cache.profile.edgeDev", "Edge Dev"},
                kMicrosoftEdgeDev, true),
    profileRule(Base::config, "microsoft-edge-dev/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.edgeDev", "Edge Dev"}, kMicrosoftEdgeDev, true),
    profileRule(Base::config, "microsoft-edge-dev/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.edgeDev", "Edge Dev"}, kMicrosoftEdgeDev, false),
    rule(kBrowserCard, Base::config,
         "microsoft-edge-dev/{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
         {"cache.edgeDev.shaders", "Edge Dev 着色器与组件缓存"}, kShaderNote, kShaderDetail, true, kMicrosoftEdgeDev),
    profileRule(Base::cache, "vivaldi/{profile}/{Cache|Code Cache}", {"cache.profile.vivaldi", "Vivaldi"}, kVivaldi,
                true),
    profileRule(Base::config, "vivaldi/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.vivaldi", "Vivaldi"}, kVivaldi, true),
    profileRule(Base::config, "vivaldi/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.vivaldi", "Vivaldi"}, kVivaldi, false),
    rule(kBrowserCard, Base::config,
         "vivaldi/{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
         {"cache.vivaldi.shaders", "Vivaldi 着色器与组件缓存"}, kShaderNote, kShaderDetail, true, kVivaldi),
    profileRule(Base::cache, "opera/{profile}/{Cache|Code Cache}", {"cache.profile.opera", "Opera"}, kOpera, true),
    profileRule(Base::config, "opera/{profile}/{GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
                {"cache.profile.opera", "Opera"}, kOpera, true),
    profileRule(Base::config, "opera/{profile}/Service Worker/{CacheStorage|ScriptCache}",
                {"cache.profile.opera", "Opera"}, kOpera, false),
    rule(kBrowserCard, Base::config,
         "opera/{GrShaderCache|GraphiteDawnCache|ShaderCache|component_crx_cache|extensions_crx_cache}",
         {"cache.opera.shaders", "Opera 着色器与组件缓存"}, kShaderNote, kShaderDetail, true, kOpera),
    rule(kBrowserCard, Base::cache, "mozilla/firefox/{dir}/{cache2|startupCache|thumbnails}",
         {"cache.firefox.name", "Firefox 网页缓存"},
         {"cache.firefox.note", "Firefox 的网页、启动与缩略图缓存，清理后自动重建"},
         {"cache.firefox.detail",
          "已自动核实：仅清理缓存文件夹；~/.mozilla 中的 Cookie、密码、书签与历史记录不会被触碰。"},
         true, kFirefox),
    rule(kBrowserCard, Base::cache, "thunderbird", {"cache.thunderbird.name", "Thunderbird 邮件客户端缓存"},
         {"cache.thunderbird.note", "邮件客户端的网页与图片缓存，邮件本身位于 ~/.thunderbird"},
         {"cache.thunderbird.detail",
          "已自动核实：此处仅存放可重建的缓存；邮件、账号与通讯录位于 ~/.thunderbird，不会被触碰。"},
         true, kThunderbird),
    rule(kBrowserCard, Base::cache, "thumbnails", {"cache.thumbnails.name", "缩略图缓存"}, kThumbnailNote,
         kThumbnailDetail, true),
    rule(kBrowserCard, Base::home, ".thumbnails", {"cache.legacyThumbnails.name", "旧版缩略图缓存"}, kThumbnailNote,
         kThumbnailDetail, true),
    rule(kBrowserCard, Base::cache, "spotify/{Data|Browser}", {"cache.spotify.name", "Spotify 流媒体缓存"},
         {"cache.spotify.note", "在线播放时缓存的音频片段与界面缓存，离线下载不在此处"},
         {"cache.spotify.detail", "已自动核实：Spotify 的流媒体缓冲与内置浏览器缓存；您自选的离线下载位置不会被触碰。"},
         true, kSpotify),
    rule(kOfficeCard, Base::config, "Slack/{Cache|Code Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
         {"cache.slack.name", "Slack 客户端缓存"}, kElectronNote, kElectronDetail, true, kSlack),
    rule(kOfficeCard, Base::config,
         "{discord|discordptb|discordcanary}/{Cache|Code Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
         {"cache.discord.name", "Discord 客户端缓存"}, kElectronNote, kElectronDetail, true, kDiscordBuilds),
    rule(kOfficeCard, Base::home,
         ".var/app/com.discordapp.Discord/config/discord/{Cache|Code "
         "Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
         {"cache.discord.name", "Discord 客户端缓存"}, kElectronNote, kElectronDetail, true, kDiscord),
    rule(kOfficeCard, Base::home,
         "snap/discord/{revision}/.config/discord/{Cache|Code "
         "Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
         {"cache.discord.name", "Discord 客户端缓存"}, kElectronNote, kElectronDetail, true, kDiscord),
    rule(kOfficeCard, Base::config,
         "teams-for-linux/Partitions/teams-4-linux/{Cache|Code "
         "Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
         {"cache.teams.name", "Teams 客户端缓存"}, kElectronNote, kElectronDetail, true, kTeamsForLinux),
    rule(kOfficeCard, Base::config,
         "Microsoft/Microsoft Teams/{Cache|Code Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
         {"cache.teams.name", "Teams 客户端缓存"}, kElectronNote, kElectronDetail, true, kTeams),
    rule(kOfficeCard, Base::config, "Signal/{Cache|Code Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
         {"cache.signal.name", "Signal 客户端缓存"}, kElectronNote, kElectronDetail, true, kSignal),
    rule(kOfficeCard, Base::home,
         ".var/app/org.signal.Signal/config/Signal/{Cache|Code "
         "Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
         {"cache.signal.name", "Signal 客户端缓存"}, kElectronNote, kElectronDetail, true, kSignal),
    rule(kOfficeCard, Base::config, "Element/{Cache|Code Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache}",
         {"cache.element.name", "Element 客户端缓存"}, kElectronNote, kElectronDetail, true, kElement),
    rule(kOfficeCard, Base::cache, "zoom", {"cache.zoom.name", "Zoom 会议客户端缓存"},
         {"cache.zoom.note", "会议客户端的网页与界面缓存"},
         {"cache.zoom.detail", "已自动核实：仅清理缓存；~/.zoom/data 与 ~/Documents/Zoom 中的会议录制不会被触碰。"},
         true, kZoom),
    rule(kOfficeCard, Base::home, ".zoom/logs", {"cache.zoomLogs.name", "Zoom 会议日志"},
         {"cache.zoomLogs.note", "会议客户端的运行日志"},
         {"cache.zoomLogs.detail", "已自动核实：仅清理日志；~/.zoom/data 与会议录制不会被触碰。"}, true, kZoom),
    rule(kOfficeCard, Base::data, "TelegramDesktop/tdata/user_data/{cache|media_cache}",
         {"cache.telegram.name", "Telegram 媒体缓存"},
         {"cache.telegram.note", "聊天中浏览过的图片、视频与贴纸缓存，需要时重新下载"},
         {"cache.telegram.detail",
          "已自动核实：仅清理 tdata/user_data 下的缓存文件夹；tdata 的其余部分保存登录会话，不会被触碰。"},
         true, kTelegram),
    rule(kOfficeCard, Base::cache, "evolution", {"cache.evolution.name", "Evolution 邮件离线副本"},
         {"cache.evolution.note", "IMAP 邮件的离线副本，清理后需重新下载"},
         {"cache.evolution.detail",
          "默认保护项：清理后离线邮件需重新下载，因此默认不勾选；~/.local/share/evolution 中的本地邮件不会被触碰。"},
         false, kEvolution),
    rule(kDevCard, Base::home, ".npm/{_cacache|_npx|_logs}", {"cache.npm.name", "npm 下载缓存"},
         {"cache.npm.note", "npm 下载的软件包压缩包、npx 临时安装与日志"},
         {"cache.npm.detail", "已自动核实：npm 缓存可随时重新下载；~/.npmrc 中的访问令牌不会被触碰。"}, true),
    rule(kDevCard, Base::home, ".yarn/berry/cache", {"cache.yarn.name", "Yarn 软件包缓存"},
         {"cache.yarn.note", "Yarn 下载的软件包压缩包"},
         {"cache.yarn.detail", "已自动核实：Yarn 全局缓存可随时重新下载；项目中提交的 .yarn/cache 不会被触碰。"}, true),
    hardLinked(rule(kDevCard, Base::data, "pnpm/store", {"cache.pnpmStore.name", "pnpm 内容寻址存储"},
                    {"cache.pnpmStore.note", "pnpm 通过硬链接共享给各项目 node_modules 的软件包存储"}, kPnpmDetail,
                    false)),
    rule(kDevCard, Base::cache, "pnpm", {"cache.pnpmMetadata.name", "pnpm 元数据缓存"},
         {"cache.pnpmMetadata.note", "pnpm 下载的软件包元数据"},
         {"cache.pnpmMetadata.detail", "默认保护项：与 pnpm 存储一起使用，清理后下次安装需重新下载。"}, false),
    rule(kDevCard, Base::data, "pipx/{.cache|logs}", {"cache.pipx.name", "pipx 临时运行缓存"},
         {"cache.pipx.note", "pipx run 使用的临时环境与日志"},
         {"cache.pipx.detail", "已自动核实：仅清理 pipx 的缓存与日志；venvs 中已安装的工具不会被触碰。"}, true),
    hardLinked(rule(kDevCard, Base::cache, "uv", {"cache.uv.name", "uv 下载与构建缓存"},
                    {"cache.uv.note", "uv 下载的 wheel 与构建缓存，可随时重新下载"},
                    {"cache.uv.detail",
                     "已自动核实：uv "
                     "的缓存可随时删除；文件以硬链接共享给虚拟环境，显示的大小只计算清理后真正释放的部分。~/.local/"
                     "share/uv 中的 Python 与工具不会被触碰。"},
                    true, kUv)),
    rule(kDevCard, Base::cache, "pypoetry/{cache|artifacts}", {"cache.poetry.name", "Poetry 软件包缓存"},
         {"cache.poetry.note", "Poetry 下载的软件包与构建产物"},
         {"cache.poetry.detail", "已自动核实：仅清理 cache 与 artifacts；virtualenvs 中的项目虚拟环境不会被触碰。"},
         true, kPoetry),
    hardLinked(rule(kDevCard, Base::home, "{miniconda3|anaconda3|miniforge3}/pkgs",
                    {"cache.conda.name", "conda 软件包缓存"}, kCondaNote, kCondaDetail, false, kConda)),
    hardLinked(rule(kDevCard, Base::home, ".conda/pkgs", {"cache.conda.name", "conda 软件包缓存"}, kCondaNote,
                    kCondaDetail, false, kConda)),
    rule(kDevCard, Base::home, ".cargo/registry/{cache|src|index}", {"cache.cargo.name", "Cargo 依赖下载缓存"},
         kCargoNote, kCargoDetail, true, kCargo),
    rule(kDevCard, Base::home, ".cargo/git/{db|checkouts}", {"cache.cargo.name", "Cargo 依赖下载缓存"}, kCargoNote,
         kCargoDetail, true, kCargo),
    rule(kDevCard, Base::home, ".rustup/{downloads|tmp}", {"cache.rustup.name", "rustup 下载残留"},
         {"cache.rustup.note", "rustup 安装工具链时留下的下载与临时文件"},
         {"cache.rustup.detail", "已自动核实：仅清理下载与临时文件；toolchains 中已安装的工具链不会被触碰。"}, true,
         kRustup),
    rule(kDevCard, Base::home, "go/pkg/mod", {"cache.goModules.name", "Go 模块缓存"},
         {"cache.goModules.note", "Go 下载的模块源码（只读文件夹）"},
         {"cache.goModules.detail",
          "默认保护项：模块可由 go 命令重新下载，但文件夹为只读，清空废纸篓时可能需要先修改权限；~/go/bin 与 ~/go/src "
          "不会被触碰。"},
         false, kGo),
    rule(kDevCard, Base::home, ".gradle/caches", {"cache.gradle.name", "Gradle 构建缓存"},
         {"cache.gradle.note", "Gradle 下载的依赖与构建缓存"}, kGradleDetail, true),
    rule(kDevCard, Base::home, ".gradle/wrapper/dists", {"cache.gradleDists.name", "Gradle 发行版下载"},
         {"cache.gradleDists.note", "Gradle Wrapper 下载的各版本 Gradle"}, kGradleDetail, true),
    rule(kDevCard, Base::home, ".m2/repository", {"cache.maven.name", "Maven 本地仓库"},
         {"cache.maven.note", "Maven 下载与本地安装的构件"},
         {"cache.maven.detail",
          "默认保护项：通过 mvn install 安装的本地构件只能重新构建恢复，因此默认不勾选；settings.xml 不会被触碰。"},
         false, kMvn),
    // ccache keeps its settings (ccache.conf) beside the cache shards: only the shards go.
    rule(kDevCard, Base::cache, "ccache/{0|1|2|3|4|5|6|7|8|9|a|b|c|d|e|f|tmp}",
         {"cache.ccache.name", "ccache 编译缓存"}, kCcacheNote, kCcacheDetail, true, kCcache),
    rule(kDevCard, Base::home, ".ccache/{0|1|2|3|4|5|6|7|8|9|a|b|c|d|e|f|tmp}",
         {"cache.ccache.name", "ccache 编译缓存"}, kCcacheNote, kCcacheDetail, true, kCcache),
    rule(kDevCard, Base::cache, "{bazel|bazelisk}", {"cache.bazel.name", "Bazel 输出缓存"},
         {"cache.bazel.note", "Bazel 的构建输出与下载的 Bazel 版本"},
         {"cache.bazel.detail",
          "默认保护项：相当于 bazel clean --expunge，包含只读文件，且可能有 Bazel 服务进程在运行，因此默认不勾选。"},
         false, kBazel),
    rule(kDevCard, Base::cache, "huggingface/hub/{hub-entry}", {"cache.huggingFaceHub.name", "Hugging Face 模型缓存"},
         kHubNote, kHubDetail, false),
    rule(kDevCard, Base::cache, "huggingface/{datasets|xet}",
         {"cache.huggingFaceData.name", "Hugging Face 数据集与传输缓存"}, kHubNote, kHubDetail, false),
    rule(kDevCard, Base::cache, "JetBrains/{jetbrains-old}", {"cache.jetbrainsOld.name", "JetBrains 旧版本 IDE 缓存"},
         {"cache.jetbrainsOld.note", "已升级的旧版本 IDE 留下的缓存与索引"},
         {"cache.jetbrainsOld.detail", "已自动核实：同一产品已有更新的版本在使用，IDE 自身也会在 180 "
                                       "天后删除这些文件夹；当前版本的本地历史不会被触碰。"},
         true),
    rule(
        kDevCard, Base::cache, "JetBrains/{jetbrains-current}/{caches|index|log}",
        {"cache.jetbrainsCurrent.name", "JetBrains 当前版本 IDE 缓存"},
        {"cache.jetbrainsCurrent.note", "当前使用中的 IDE 的缓存、索引与日志"},
        {"cache.jetbrainsCurrent.detail",
         "默认保护项：清理后 IDE 需要重新建立索引，因此默认不勾选；LocalHistory（本地历史）与 jcef_cache 不会被触碰。"},
        false, kJetBrainsIdes),
    rule(kDevCard, Base::config,
         "Code/{Cache|CachedData|CachedExtensionVSIXs|CachedProfilesData|Code "
         "Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache|blob_storage|logs|Crashpad}",
         {"cache.vscode.name", "VS Code 编辑器缓存"}, kEditorNote, kEditorDetail, true, kCode),
    rule(kDevCard, Base::config,
         "Code - Insiders/{Cache|CachedData|CachedExtensionVSIXs|CachedProfilesData|Code "
         "Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache|blob_storage|logs|Crashpad}",
         {"cache.vscodeInsiders.name", "VS Code Insiders 编辑器缓存"}, kEditorNote, kEditorDetail, true, kCodeInsiders),
    rule(kDevCard, Base::config,
         "VSCodium/{Cache|CachedData|CachedExtensionVSIXs|CachedProfilesData|Code "
         "Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache|blob_storage|logs|Crashpad}",
         {"cache.vscodium.name", "VSCodium 编辑器缓存"}, kEditorNote, kEditorDetail, true, kVscodium),
    rule(kDevCard, Base::config,
         "Cursor/{Cache|CachedData|CachedExtensionVSIXs|CachedProfilesData|Code "
         "Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache|blob_storage|logs|Crashpad}",
         {"cache.cursor.name", "Cursor 编辑器缓存"}, kEditorNote, kEditorDetail, true, kCursor),
    rule(kDevCard, Base::config,
         "Windsurf/{Cache|CachedData|CachedExtensionVSIXs|CachedProfilesData|Code "
         "Cache|GPUCache|DawnCache|DawnGraphiteCache|DawnWebGPUCache|blob_storage|logs|Crashpad}",
         {"cache.windsurf.name", "Windsurf 编辑器缓存"}, kEditorNote, kEditorDetail, true, kWindsurf),
    rule(kDevCard, Base::cache, "{ms-playwright|puppeteer}", {"cache.browserAutomation.name", "浏览器自动化测试内核"},
         {"cache.browserAutomation.note", "自动化测试框架下载的浏览器"},
         {"cache.browserAutomation.detail",
          "默认保护项：不会自动重新下载，需要运行 npx playwright install 等命令重新安装，因此默认不勾选。"},
         false),
    rule(kSystemCard, Base::cache, "fontconfig", {"cache.fontconfig.name", "字体索引缓存"}, kGraphicsNote,
         kGraphicsDetail, false),
    rule(kSystemCard, Base::cache, "{mesa_shader_cache|mesa_shader_cache_db}",
         {"cache.gpuShaders.name", "显卡着色器缓存"}, kGraphicsNote, kGraphicsDetail, false),
    rule(kSystemCard, Base::cache, "nvidia/GLCache", {"cache.gpuShaders.name", "显卡着色器缓存"}, kGraphicsNote,
         kGraphicsDetail, false),
    rule(kSystemCard, Base::cache, "qtshadercache-*", {"cache.qtShaders.name", "Qt 着色器缓存"}, kGraphicsNote,
         kGraphicsDetail, false),
    rule(kSystemCard, Base::home, ".nv/ComputeCache", {"cache.nvidiaCompute.name", "NVIDIA 计算缓存"}, kGraphicsNote,
         kGraphicsDetail, false),
    rule(kSystemCard, Base::data, "Steam/steamapps/shadercache", {"cache.steamShaders.name", "Steam 着色器预编译缓存"},
         {"cache.steamShaders.note", "游戏着色器的预编译缓存，启动游戏时自动重建"}, kSteamDetail, true, kSteam),
    rule(kSystemCard, Base::data, "Steam/appcache/httpcache", {"cache.steamStore.name", "Steam 商店网页缓存"},
         {"cache.steamStore.note", "Steam 客户端内置商店的网页缓存"}, kSteamDetail, false, kSteam),
    rule(kSystemCard, Base::data, "Steam/logs", {"cache.steamLogs.name", "Steam 运行日志"},
         {"cache.steamLogs.note", "Steam 客户端的运行日志"}, kSteamDetail, false, kSteam),
    rule(kSystemCard, Base::home, ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/shadercache",
         {"cache.steamShaders.name", "Steam 着色器预编译缓存"},
         {"cache.steamShaders.note", "游戏着色器的预编译缓存，启动游戏时自动重建"}, kSteamDetail, true, kSteam),
    rule(kSystemCard, Base::home, ".var/app/com.valvesoftware.Steam/.local/share/Steam/appcache/httpcache",
         {"cache.steamStore.name", "Steam 商店网页缓存"}, {"cache.steamStore.note", "Steam 客户端内置商店的网页缓存"},
         kSteamDetail, false, kSteam),
    rule(kSystemCard, Base::home, ".var/app/com.valvesoftware.Steam/.local/share/Steam/logs",
         {"cache.steamLogs.name", "Steam 运行日志"}, {"cache.steamLogs.note", "Steam 客户端的运行日志"}, kSteamDetail,
         false, kSteam),
    ownedBy(rule(kSystemCard, Base::home, ".var/app/{dir}/cache", {"cache.flatpak.name", "Flatpak 应用缓存"},
                 {"cache.flatpak.note", "沙盒应用的缓存文件夹，应用会自动重建"},
                 {"cache.flatpak.detail",
                  "已自动核实：仅清理 ~/.var/app/<应用>/cache；应用的 config、data 与 .local 不会被触碰。"},
                 true),
            Owner::flatpakApp),
    ownedBy(rule(kSystemCard, Base::home, "snap/{dir}/common/.cache", {"cache.snap.name", "Snap 应用缓存"}, kSnapNote,
                 kSnapDetail, true),
            Owner::snap),
    ownedBy(rule(kSystemCard, Base::home, "snap/{dir}/{revision}/.cache", {"cache.snap.name", "Snap 应用缓存"},
                 kSnapNote, kSnapDetail, true),
            Owner::snap),
    rule(kSystemCard, Base::home, ".xsession-errors*", {"cache.xsessionErrors.name", "X 会话错误日志"},
         {"cache.xsessionErrors.note", "图形会话的错误输出"}, kLogDetail, true),
    rule(kSystemCard, Base::data, "xorg/{log}", {"cache.xorgLogs.name", "Xorg 显示服务日志"},
         {"cache.xorgLogs.note", "显示服务的运行日志"}, kLogDetail, true),
    rule(kSystemCard, Base::cache, "{tracker3|gnome-software|gstreamer-1.0}",
         {"cache.desktopIndex.name", "桌面索引与插件缓存"},
         {"cache.desktopIndex.note", "文件搜索索引、软件中心与多媒体插件的缓存"},
         {"cache.desktopIndex.detail", "已自动核实：由桌面服务自动重建；您的文件本身不会被触碰。"}, true,
         kDesktopIndexers),
};

// ---------------------------------------------------------------- names on disk

bool isDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "PyCharm2024.1" → product "PyCharm", version {2024, 1}; nullopt for anything else.
struct IdeVersion {
    std::string product;
    std::vector<int> version;
};

std::optional<IdeVersion> ideVersionOf(std::string_view name)
{
    const auto digit = name.find_first_of("0123456789");
    if (digit == 0 || digit == std::string_view::npos)
        return std::nullopt;
    IdeVersion ide{std::string(name.substr(0, digit)), {}};
    for (const auto part : text::split(name.substr(digit), '.')) {
        if (!isDigits(part) || part.size() > 6)
            return std::nullopt;
        ide.version.push_back(std::stoi(std::string(part)));
    }
    return ide;
}

// The newest version of each product among the folders.
std::map<std::string, std::vector<int>> newestIdeVersions(const std::vector<DirectoryWalker::Child>& children)
{
    std::map<std::string, std::vector<int>> newest;
    for (const auto& child : children)
        if (child.kind == DirectoryWalker::Kind::directory)
            if (auto ide = ideVersionOf(child.name)) {
                auto& best = newest[ide->product];
                best = std::max(best, ide->version);
            }
    return newest;
}

bool isLogFileName(std::string_view name)
{
    const auto at = name.find(".log");
    if (at == std::string_view::npos || at == 0)
        return false;
    const auto rest = name.substr(at + 4);
    return rest.empty() || (rest.front() == '.' && (rest.size() == 1 || isDigits(rest.substr(1)) || rest == ".old"));
}

using Kind = DirectoryWalker::Kind;

// Which children of a folder a placeholder picks; nullopt for a plain name.
std::optional<std::vector<std::string>> pick(std::string_view component,
                                             const std::vector<DirectoryWalker::Child>& children, bool last)
{
    const auto folders = [&](auto accepts) {
        std::vector<std::string> names;
        for (const auto& child : children)
            if (child.kind == Kind::directory && accepts(std::string_view(child.name)))
                names.push_back(child.name);
        return names;
    };
    if (component == "{profile}")
        return folders(isChromiumProfileName);
    if (component == "{dir}")
        return folders([](std::string_view name) { return !name.starts_with('.'); });
    if (component == "{revision}")
        return folders(isSnapRevisionName);
    if (component == "{hub-entry}")
        return folders([](std::string_view name) {
            return name.starts_with("models--") || name.starts_with("datasets--") || name.starts_with("spaces--");
        });
    if (component == "{jetbrains-old}" || component == "{jetbrains-current}") {
        const auto newest = newestIdeVersions(children);
        const bool wantCurrent = component == "{jetbrains-current}";
        return folders([&](std::string_view name) {
            const auto ide = ideVersionOf(name);
            return ide && (newest.at(ide->product) == ide->version) == wantCurrent;
        });
    }
    if (component == "{log}") {
        std::vector<std::string> names;
        for (const auto& child : children)
            if (child.kind == Kind::regular && isLogFileName(child.name))
                names.push_back(child.name);
        return names;
    }
    if (component.ends_with('*')) {
        const auto prefix = component.substr(0, component.size() - 1);
        std::vector<std::string> names;
        for (const auto& child : children)
            if (child.name.starts_with(prefix) &&
                (child.kind == Kind::directory || (last && child.kind == Kind::regular)))
                names.push_back(child.name);
        return names;
    }
    return std::nullopt;
}

bool isAlternatives(std::string_view component)
{
    return component.size() > 2 && component.front() == '{' && component.back() == '}' &&
           component.find('|') != std::string_view::npos;
}

const std::vector<std::string_view> kKeptCacheEntries{"doc",
                                                      "ibus",
                                                      "kwin",
                                                      "plasmashell",
                                                      "icon-cache.kcache",
                                                      "plasma_theme_*",
                                                      "qtshadercache-*",
                                                      "mesa_shader_cache",
                                                      "mesa_shader_cache_db",
                                                      "drkonqi",
                                                      "obexd",
                                                      "wallpaper",
                                                      "gnome-control-center"};

bool matchesEntryComponent(std::string_view component, std::string_view entry)
{
    if (isAlternatives(component)) {
        for (const auto alternative : text::split(component.substr(1, component.size() - 2), '|'))
            if (alternative == entry)
                return true;
        return false;
    }
    if (component.ends_with('*'))
        return entry.starts_with(component.substr(0, component.size() - 1));
    return component == entry;
}

std::string_view firstComponent(const Rule& rule) { return text::split(rule.pattern, '/').front(); }

} // namespace

std::span<const Rule> rules() { return kRules; }

Path baseFolder(Base base, const Places& places)
{
    switch (base) {
    case Base::cache:
        return places.cache;
    case Base::config:
        return places.config;
    case Base::data:
        return places.data;
    case Base::home:
        break;
    }
    return places.home;
}

bool isChromiumProfileName(std::string_view name) { return safecache::isChromeProfileName(name); }

bool isSnapRevisionName(std::string_view name)
{
    return isDigits(name) || (name.size() > 1 && name.front() == 'x' && isDigits(name.substr(1)));
}

namespace {

// One step of a rule's expansion: the components still to match below an opened folder.
class Expansion {
  public:
    explicit Expansion(const std::vector<std::string_view>& components) : components_(components) {}

    // Matches components_[index...] below `at`, whose folder is opened as `folder`.
    void descend(int folder, const Location& at, std::size_t index, bool afterProfile)
    {
        const std::string_view component = components_[index];
        const bool last = index + 1 == components_.size();
        for (auto& [name, varying] : chosen(folder, at.path, component, last)) {
            const fileops::Place place = fileops::childOf(folder, at.path, name);
            const auto st = fileops::stat(place);
            // Never through a link; the last component may be a file (a log, a database).
            if (!st || !(S_ISDIR(st->st_mode) || (last && S_ISREG(st->st_mode))))
                continue;
            Location found{place.path, at.parts, at.belowProfile};
            if (varying)
                found.parts.push_back(name);
            if (afterProfile)
                found.belowProfile = found.belowProfile.empty() ? name : found.belowProfile + "/" + name;
            if (last) {
                found_.push_back(std::move(found));
                continue;
            }
            // Opened, not looked up again by path: a folder swapped for a link since the
            // stat above fails to open.
            if (const auto child = fileops::openFolder(place))
                descend(child->get(), found, index + 1, afterProfile || component == "{profile}");
        }
    }

    std::vector<Location> found() && { return std::move(found_); }

  private:
    // The names a component stands for below a folder, each with whether it varies.
    static std::vector<std::pair<std::string, bool>> chosen(int folder, const Path& path, std::string_view component,
                                                            bool last)
    {
        std::vector<std::pair<std::string, bool>> names;
        if (isAlternatives(component)) {
            for (const auto alternative : text::split(component.substr(1, component.size() - 2), '|'))
                names.emplace_back(std::string(alternative), true);
        } else if (component.front() == '{' || component.ends_with('*')) {
            const auto children = DirectoryWalker::listOpened(folder, path);
            if (!children)
                return names;
            for (auto& name : pick(component, *children, last).value_or(std::vector<std::string>{}))
                names.emplace_back(std::move(name), true);
        } else {
            names.emplace_back(std::string(component), false);
        }
        return names;
    }

    const std::vector<std::string_view>& components_;
    std::vector<Location> found_;
};

} // namespace

std::vector<Location> expand(const Rule& rule, const Places& places)
{
    // The base folder is reached from the home without meeting a link, like every folder below it.
    const Path base = baseFolder(rule.base, places);
    HomeReader home(places.home);
    if (!paths::isSameOrInside(base, places.home))
        return {};
    const auto folder = home.openFolder(base);
    if (!folder)
        return {};
    const auto components = text::split(rule.pattern, '/');
    Expansion expansion(components);
    expansion.descend(folder->get(), {base, {}, {}}, 0, false);
    return std::move(expansion).found();
}

std::string itemName(const Rule& rule, const Location& location)
{
    if (rule.style == NameStyle::browserProfile) {
        const std::string profile = location.parts.empty() ? std::string() : location.parts.front();
        return std::string(rule.label.text) + " 账号 [" + profile + "] 网页缓存 (" + location.belowProfile + ")";
    }
    if (location.parts.empty())
        return std::string(rule.label.text);
    std::string name = std::string(rule.label.text) + " (";
    for (std::size_t i = 0; i < location.parts.size(); ++i)
        name += (i ? " · " : "") + location.parts[i];
    return name + ")";
}

TextRef itemNameRef(const Rule& rule, const Location& location)
{
    if (rule.style == NameStyle::browserProfile) {
        const std::string profile = location.parts.empty() ? std::string() : location.parts.front();
        return rule.label.ref({profile, location.belowProfile});
    }
    return rule.label.ref(location.parts);
}

bool isKeptCacheEntry(std::string_view entry)
{
    return std::any_of(kKeptCacheEntries.begin(), kKeptCacheEntries.end(),
                       [&](std::string_view kept) { return matchesEntryComponent(kept, entry); });
}

bool isNamedCacheEntry(std::string_view entry) { return !rulesForCacheEntry(entry).empty(); }

std::vector<const Rule*> rulesForCacheEntry(std::string_view entry)
{
    std::vector<const Rule*> found;
    for (const Rule& rule : kRules)
        if (rule.base == Base::cache && matchesEntryComponent(firstComponent(rule), entry))
            found.push_back(&rule);
    return found;
}

} // namespace linuxcache
