#pragma once
// What the scan says about the artefacts, large files and duplicate groups it lists, by
// message id beside the engine's own Chinese wording, so the window can say it in the
// person's language.

#include "Models/Basics.h"
#include "Models/TextRef.h"

#include <span>
#include <string>
#include <string_view>

namespace itemtexts {

inline constexpr EngineText kProjectIdleBadge{"project.badge.idle", "已核实：工程已闲置 %1 天 · 可安全释放"};
inline constexpr EngineText kProjectActiveBadge{"project.badge.active", "近期活跃工程 · 已自动取消勾选保护"};
// %1 the project, %2 the artefact, %3 idle days, %4 the size, %5 the rebuild command.
inline constexpr EngineText kProjectIdleReason{
    "project.reason.idle",
    "系统检测到 [%1] 已超过 %3 天未改动代码，清理 %2 可立省 %4，源码 100% 保留，后续需要时执行 `%5` 即可恢复。"};
inline constexpr EngineText kProjectActiveReason{
    "project.reason.active", "系统检测到 [%1] 近期正在活跃开发，已自动为您跳过不勾选，避免影响您当前编译。"};

inline constexpr EngineText kInstallerBadge{"largeFile.badge.installer", "已核实：安装包冗余 · 推荐直删"};
inline constexpr EngineText kInstallerReason{
    "largeFile.reason.installer",
    "系统已核对您的『应用程序』目录，该安装包已完成安装使命，删除安装包绝不影响已安装的软件。"};
inline constexpr EngineText kArchiveBadge{"largeFile.badge.archive", "历史压缩归档包"};
// %1 the folder's label.
inline constexpr EngineText kArchiveReason{"largeFile.reason.archive",
                                           "位于 %1 目录的大体积归档压缩包，右侧可直接查看文件信息。"};
inline constexpr EngineText kVideoBadge{"largeFile.badge.video", "右侧内嵌播放器直接预览"};
inline constexpr EngineText kVideoReason{
    "largeFile.reason.video",
    "点击此项即可在右侧预览台直接内嵌播放视频/音频或查看高清缩略图，无需打开文件管理器核实。"};
inline constexpr EngineText kModelBadge{"largeFile.badge.model", "本地模型与数据库文件"};
inline constexpr EngineText kModelReason{"largeFile.reason.model",
                                         "大体积模型权重或 SQLite 数据文件，默认不勾选以保护数据。"};
inline constexpr EngineText kOtherBadge{"largeFile.badge.other", "个人大体积文件"};
inline constexpr EngineText kOtherReason{"largeFile.reason.other", "点击可在右侧预览台查看文件详情。"};
// %1 the folder's label, %2 the folder the file is in.
inline constexpr EngineText kLargeFilePlace{"largeFile.place", "%1 · %2"};

// %1 the number of copies.
inline constexpr EngineText kDuplicateSummary{"duplicate.summary", "SHA-256 100% 字节级一致 · 共 %1 份相同文件"};

// The labels of the person's named folders; a folder of any other name is shown by its name.
inline constexpr EngineText kFolderLabels[] = {
    {"folder.desktop", "桌面"},   {"folder.downloads", "下载"}, {"folder.videos", "影片"},
    {"folder.documents", "文档"}, {"folder.music", "音乐"},     {"folder.pictures", "图片"},
    {"folder.templates", "模板"}, {"folder.public", "公共"},
};

// The label by id; empty for a folder's own name.
TextRef folderLabelRef(std::string_view label);
// "影片 · clips", by id with the label said in the language.
TextRef largeFilePlace(std::string_view label, std::string_view folder);

// Every text above, for holding the catalogue to them.
std::span<const EngineText> allTexts();

} // namespace itemtexts
