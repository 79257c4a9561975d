#include "Services/LargeFileScan.h"

#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FileDates.h"
#include "Platform/HomeLayout.h"
#include "Services/DuplicateFinder.h"
#include "Services/DuplicateWarmup.h"
#include "Services/PersonalFolders.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace {

// Dependency and build-output folders: big, regenerated, never personal files.
constexpr std::array<std::string_view, 9> kNeverEnteredPersonal{
    "node_modules", ".git", ".venv", "venv", "DerivedData", "build", ".build", "Pods", "target"};
constexpr int kDeepestPersonalLevel = 6;
constexpr Int64 kDuplicateCandidateBytes = 3LL << 20;
constexpr Int64 kLargeFileBytes = 25LL << 20;
constexpr std::size_t kLargeFileCap = 60;
constexpr double kSliceFloor = 0.05;

constexpr std::array<std::string_view, 9> kInstallerExtensions{"dmg", "pkg", "xip", "iso", "zip",
                                                               "tar", "gz",  "7z",  "ipa"};
constexpr std::array<std::string_view, 8> kVideoExtensions{"mp4", "mov", "mkv", "webm", "avi", "wav", "mp3", "m4a"};
constexpr std::array<std::string_view, 8> kModelExtensions{"sqlite",      "db", "onnx", "gguf",
                                                           "safetensors", "pt", "pth",  "bin"};
constexpr std::array<std::string_view, 4> kFontExtensions{"ttf", "otf", "woff", "woff2"};

template <std::size_t N> bool contains(const std::array<std::string_view, N>& list, std::string_view value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// An installer is redundant once an application of that name is installed.
bool matchesInstalledApp(const std::string& fileName, const std::string& extension,
                         const std::unordered_set<std::string>& installedAppNames)
{
    const std::string base = paths::asciiLower(fileName.substr(0, fileName.size() - extension.size() - 1));
    if (base.empty())
        return false;
    return std::any_of(installedAppNames.begin(), installedAppNames.end(), [&](const std::string& app) {
        return !app.empty() && (base.find(app) != std::string::npos || app.find(base) != std::string::npos);
    });
}

void classify(LargeFileItem& item, const std::string& extension, std::string_view rootLabel,
              const std::unordered_set<std::string>& installedAppNames)
{
    if (contains(kInstallerExtensions, extension)) {
        item.category = LargeFileCategory::installerArchive;
        if (extension == "dmg" || extension == "pkg" || matchesInstalledApp(item.name, extension, installedAppNames)) {
            item.verificationBadge = "已核实：安装包冗余 · 推荐直删";
            item.verificationReason =
                "系统已核对您的『应用程序』目录，该安装包已完成安装使命，删除安装包绝不影响已安装的软件。";
        } else {
            item.verificationBadge = "历史压缩归档包";
            item.verificationReason =
                "位于 " + std::string(rootLabel) + " 目录的大体积归档压缩包，右侧可直接查看文件信息。";
        }
    } else if (contains(kVideoExtensions, extension)) {
        item.category = LargeFileCategory::videoMedia;
        item.verificationBadge = "右侧内嵌播放器直接预览";
        item.verificationReason = "点击此项即可在右侧预览台直接内嵌播放视频/音频或查看高清缩略图，无需打开访达核实。";
    } else if (contains(kModelExtensions, extension)) {
        item.category = LargeFileCategory::modelDatabase;
        item.verificationBadge = "本地模型与数据库文件";
        item.verificationReason = "大体积模型权重或 SQLite 数据文件，默认不勾选以保护数据。";
    } else {
        item.category = LargeFileCategory::other;
        item.verificationBadge = "个人大体积文件";
        item.verificationReason = "点击可在右侧预览台查看文件详情。";
    }
    item.categoryTag = std::string(rawValue(item.category));
}

LargeFileItem makeLargeFile(const DirectoryWalker::Entry& entry, const struct stat& st, std::string_view rootLabel)
{
    LargeFileItem item;
    item.id = entry.path();
    item.url = entry.path();
    item.name = std::string(entry.name());
    item.displayPath = std::string(rootLabel) + " · " + paths::lastComponent(paths::parent(entry.path()));
    item.sizeBytes = Int64(st.st_blocks) * 512;
    item.modifiedDate = contentModificationDate(st);
    return item;
}

// Fonts vendored into web projects repeat by design; they are not the user's duplicates.
bool isProjectFont(std::string_view pathBelowHome, const std::string& extension)
{
    return contains(kFontExtensions, extension) && pathBelowHome.find("/projects/") != std::string_view::npos;
}

std::vector<SunburstSlice> chartSlices(const std::vector<SafeCacheRuleCard>& cards,
                                       const std::vector<ProjectBloatItem>& bloats,
                                       const std::vector<LargeFileItem>& largeFiles)
{
    std::vector<SunburstSlice> slices;
    if (cards.empty())
        return slices;
    Int64 total = 0;
    for (const auto& card : cards)
        total += card.totalScannedBytes();
    for (const auto& bloat : bloats)
        total += bloat.sizeBytes;
    for (const auto& file : largeFiles)
        total += file.sizeBytes;
    // Artefacts and large files only widen the denominator; they get no slice of their own.
    const double denominator = total < 2 ? 1.0 : double(total);
    for (const auto& card : cards) {
        SunburstSlice slice;
        slice.id = card.id;
        slice.label = card.title;
        slice.sizeBytes = card.totalScannedBytes();
        slice.detail = DiskFormat::bytes(slice.sizeBytes);
        slice.fraction = std::max(double(slice.sizeBytes) / denominator, kSliceFloor);
        slice.colorHex = card.accentHex;
        if (!card.subItems.empty())
            slice.url = card.subItems.front().url;
        slices.push_back(std::move(slice));
    }
    return slices;
}

} // namespace

PersonalFolderFindings walkPersonalFolders(const HomeLayout& layout)
{
    const Path& home = layout.home;
    std::size_t homeLength = home.size();
    if (homeLength > 1 && home.back() == '/')
        --homeLength;
    PersonalFolderFindings findings;
    duplicates::Candidates candidates;
    std::optional<DuplicateWarmup> warmup(std::in_place);
    const std::vector<WalkRoot> roots = largeFileRoots(layout);
    for (const auto& root : roots) {
        // A root holding another root leaves it to that root's own walk.
        const std::vector<std::string> nested = nestedRoots(roots, root.path);
        const auto neverEntered = [&](const DirectoryWalker::Entry& entry) {
            return contains(kNeverEnteredPersonal, entry.name()) || // files of these names are left out too
                   (entry.isDirectory() && std::find(nested.begin(), nested.end(), entry.path()) != nested.end());
        };
        DirectoryWalker::walkRegularFiles(
            // Reached from the home without links; another file system mounted in the home
            // is neither walked nor offered.
            root.path, {.skipHidden = true, .skipPackages = true, .neverEnter = kNeverEnteredPersonal, .within = home},
            kDeepestPersonalLevel,
            [&](const DirectoryWalker::Entry& entry, const struct stat& st) {
                const Int64 logicalSize = st.st_size;
                const Int64 allocatedSize = Int64(st.st_blocks) * 512;
                const std::string extension = paths::lowercasedExtension(entry.name());
                const std::string_view belowHome = std::string_view(entry.path()).substr(homeLength);
                if (logicalSize >= kDuplicateCandidateBytes && !isProjectFont(belowHome, extension)) {
                    const auto* bucket = candidates.add(entry.path(), st);
                    if (bucket && bucket->urls.size() == 2)
                        warmup->sameSize(bucket->urls.front(), logicalSize);
                    if (bucket && bucket->urls.size() >= 2)
                        warmup->sameSize(entry.path(), logicalSize);
                }
                if (allocatedSize >= kLargeFileBytes)
                    findings.largeFiles.push_back({makeLargeFile(entry, st, root.label), extension, root.label});
            },
            neverEntered);
    }

    warmup.reset(); // the pipeline reads the rest itself
    findings.duplicateGroups = duplicates::findGroups(candidates, home);
    return findings;
}

SunburstResult finishSunburst(PersonalFolderFindings findings, const std::vector<SafeCacheRuleCard>& cards,
                              const std::vector<ProjectBloatItem>& bloats,
                              const std::unordered_set<std::string>& installedAppNames,
                              const std::unordered_set<Path>& applicationFiles)
{
    // An application (an AppImage) is listed with the applications, never as a file to
    // delete; it leaves the list before the cap so it never takes a large file's place.
    std::erase_if(findings.largeFiles, [&](const auto& found) { return applicationFiles.count(found.item.url) > 0; });
    std::stable_sort(findings.largeFiles.begin(), findings.largeFiles.end(),
                     [](const auto& a, const auto& b) { return a.item.sizeBytes > b.item.sizeBytes; });
    if (findings.largeFiles.size() > kLargeFileCap)
        findings.largeFiles.resize(kLargeFileCap);
    std::vector<LargeFileItem> largeFiles;
    largeFiles.reserve(findings.largeFiles.size());
    for (auto& found : findings.largeFiles) {
        classify(found.item, found.extension, found.rootLabel, installedAppNames);
        largeFiles.push_back(std::move(found.item));
    }
    std::vector<SunburstSlice> slices = chartSlices(cards, bloats, largeFiles);
    return {std::move(slices), std::move(largeFiles), std::move(findings.duplicateGroups)};
}

SunburstResult scanSunburstLargeFilesAndDuplicates(const Path& home, const std::vector<SafeCacheRuleCard>& cards,
                                                   const std::vector<ProjectBloatItem>& bloats,
                                                   const std::unordered_set<std::string>& installedAppNames)
{
    return scanSunburstLargeFilesAndDuplicates(HomeLayout::of(home, false), cards, bloats, installedAppNames, {});
}

SunburstResult scanSunburstLargeFilesAndDuplicates(const HomeLayout& layout,
                                                   const std::vector<SafeCacheRuleCard>& cards,
                                                   const std::vector<ProjectBloatItem>& bloats,
                                                   const std::unordered_set<std::string>& installedAppNames,
                                                   const std::unordered_set<Path>& applicationFiles)
{
    return finishSunburst(walkPersonalFolders(layout), cards, bloats, installedAppNames, applicationFiles);
}
