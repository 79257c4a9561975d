#include "Services/ProjectBloatScan.h"

#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/CalendarDays.h"
#include "Platform/FileDates.h"
#include "Platform/HomeLayout.h"
#include "Services/HomeWalk.h"
#include "Services/ProjectKinds.h"

namespace {

// Whole days since the project folder itself last changed; a date that cannot be read
// counts as now, a date in the future as 0.
Int64 daysSinceProjectChanged(const Path& project)
{
    const Date now = std::chrono::system_clock::now();
    struct stat st;
    if (lstat(project.c_str(), &st) != 0)
        return 0;
    return calendar::wholeDaysBetween(contentModificationDate(st), now);
}

} // namespace

ProjectBloatItem makeProjectBloatItem(const Path& home, const Path& projectFolder, const Path& url,
                                      std::string_view artifactType, const ProjectKind& kind, Int64 size)
{
    const std::string project = paths::lastComponent(projectFolder);
    const Int64 days = daysSinceProjectChanged(projectFolder);

    ProjectBloatItem item;
    item.id = url;
    item.projectName = project;
    item.artifactType = artifactType;
    item.url = url;
    item.displayPath = paths::tildeAbbreviated(url, home);
    item.sizeBytes = size;
    item.daysSinceModified = days;
    item.rebuildCommand = kind.rebuildCommand;
    item.packagesRecorded = kind.packagesRecorded;
    const bool idle = item.isIdle();
    if (!kind.packagesRecorded) {
        // Rebuilding it would be guesswork: the person decides.
        item.verificationBadge = "依赖未被任何文件记录 · 已取消勾选保护";
        item.verificationReason = "系统检测到 [" + project + "] 的 " + item.artifactType +
                                  " 中安装的依赖没有记录在任何文件中（没有锁文件、requirements.txt 或 "
                                  "pyproject.toml），删除后无法照原样重建，已默认不勾选。";
    } else if (idle) {
        item.verificationBadge = "已核实：工程已闲置 " + std::to_string(days) + " 天 · 可安全释放";
        item.verificationReason = "系统检测到 [" + project + "] 已超过 " + std::to_string(days) +
                                  " 天未改动代码，清理 " + item.artifactType + " 可立省 " + DiskFormat::bytes(size) +
                                  "，源码 100% 保留，后续需要时执行 `" + item.rebuildCommand + "` 即可恢复。";
    } else {
        item.verificationBadge = "近期活跃工程 · 已自动取消勾选保护";
        item.verificationReason =
            "系统检测到 [" + project + "] 近期正在活跃开发，已自动为您跳过不勾选，避免影响您当前编译。";
    }
    return item;
}

std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const Path& home)
{
    return scanDeveloperProjectBloats(HomeLayout::of(home, false));
}

std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const HomeLayout& layout) { return walkHome(layout).bloats; }
