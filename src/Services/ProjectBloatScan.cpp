#include "Services/ProjectBloatScan.h"
#include "Services/ItemTexts.h"

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
    // The engine's words, and the same by id for the window.
    const auto say = [&item](const EngineText& badge, std::vector<std::string> badgeArgs, const EngineText& reason,
                             std::vector<std::string> reasonArgs) {
        item.verificationBadge = badge.with(badgeArgs);
        item.verificationReason = reason.with(reasonArgs);
        item.badgeRef = badge.ref(std::move(badgeArgs));
        item.reasonRef = reason.ref(std::move(reasonArgs));
    };
    if (!kind.packagesRecorded) {
        // Rebuilding it would be guesswork: the person decides (the window says why in its own words).
        item.verificationBadge = "依赖未被任何文件记录 · 已取消勾选保护";
        item.verificationReason = "系统检测到 [" + project + "] 的 " + item.artifactType +
                                  " 中安装的依赖没有记录在任何文件中（没有锁文件、requirements.txt 或 "
                                  "pyproject.toml），删除后无法照原样重建，已默认不勾选。";
    } else if (idle) {
        say(itemtexts::kProjectIdleBadge, {std::to_string(days)}, itemtexts::kProjectIdleReason,
            {project, item.artifactType, std::to_string(days), DiskFormat::bytes(size), item.rebuildCommand});
    } else {
        say(itemtexts::kProjectActiveBadge, {}, itemtexts::kProjectActiveReason, {project});
    }
    return item;
}

std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const Path& home)
{
    return scanDeveloperProjectBloats(HomeLayout::of(home, false));
}

std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const HomeLayout& layout) { return walkHome(layout).bloats; }
