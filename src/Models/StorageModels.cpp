#include "Models/StorageModels.h"

#include "Models/Paths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

template <typename E, std::size_t N>
std::optional<E> lookup(const std::array<std::pair<E, std::string_view>, N>& table, std::string_view raw)
{
    for (const auto& [value, text] : table)
        if (text == raw)
            return value;
    return std::nullopt;
}

template <typename E, std::size_t N>
std::string_view lookup(const std::array<std::pair<E, std::string_view>, N>& table, E value)
{
    for (const auto& [candidate, text] : table)
        if (candidate == value)
            return text;
    return {};
}

template <typename E, std::size_t N> std::vector<E> casesOf(const std::array<std::pair<E, std::string_view>, N>& table)
{
    std::vector<E> cases;
    for (const auto& entry : table)
        cases.push_back(entry.first);
    return cases;
}

constexpr std::array<std::pair<CleanCategoryFilter, std::string_view>, 5> kCategoryFilters{{
    {CleanCategoryFilter::all, "全部场景"},
    {CleanCategoryFilter::browserOffice, "浏览器与办公"},
    {CleanCategoryFilter::aiAndDev, "AI 与开发工具"},
    {CleanCategoryFilter::sandboxContainers, "社交与影音容器"},
    {CleanCategoryFilter::systemTemp, "系统底层与废纸篓"},
}};

constexpr std::array<std::pair<LargeFileCategory, std::string_view>, 5> kLargeFileCategories{{
    {LargeFileCategory::all, "全部大文件"},
    {LargeFileCategory::installerArchive, "安装包与压缩包"},
    {LargeFileCategory::videoMedia, "视频与渲染媒体"},
    {LargeFileCategory::modelDatabase, "模型与数据库"},
    {LargeFileCategory::other, "其他大文件"},
}};

constexpr std::array<std::pair<LargeFileCategory, std::string_view>, 5> kLargeFileSymbols{{
    {LargeFileCategory::all, "square.grid.2x2.fill"},
    {LargeFileCategory::installerArchive, "shippingbox.fill"},
    {LargeFileCategory::videoMedia, "film.stack.fill"},
    {LargeFileCategory::modelDatabase, "cpu.fill"},
    {LargeFileCategory::other, "doc.viewfinder.fill"},
}};

constexpr std::array<std::pair<CleanTrustWorkspace, std::string_view>, 4> kWorkspaces{{
    {CleanTrustWorkspace::oneClickSafe, "safe"},
    {CleanTrustWorkspace::devAndDuplicates, "dev"},
    {CleanTrustWorkspace::largeMedia, "media"},
    {CleanTrustWorkspace::appSlimming, "apps"},
}};

constexpr std::array<std::pair<InstalledAppKind, std::string_view>, 9> kAppKinds{{
    {InstalledAppKind::bundle, "bundle"},
    {InstalledAppKind::flatpakUser, "flatpak-user"},
    {InstalledAppKind::flatpakSystem, "flatpak-system"},
    {InstalledAppKind::snap, "snap"},
    {InstalledAppKind::appImage, "appimage"},
    {InstalledAppKind::steamGame, "steam"},
    {InstalledAppKind::flatpakLeftover, "flatpak-leftover"},
    {InstalledAppKind::systemPackage, "system-package"},
    {InstalledAppKind::removedPackage, "removed-package"},
}};

} // namespace

std::string_view rawValue(InstalledAppKind value) { return lookup(kAppKinds, value); }

bool isRemovedByMovingIt(InstalledAppKind kind)
{
    return kind == InstalledAppKind::bundle || kind == InstalledAppKind::appImage ||
           kind == InstalledAppKind::flatpakLeftover;
}

bool isRemovedByFullUninstall(InstalledAppKind kind)
{
    return isRemovedByMovingIt(kind) || kind == InstalledAppKind::flatpakUser;
}
template <> std::optional<InstalledAppKind> fromRaw<InstalledAppKind>(std::string_view raw)
{
    return lookup(kAppKinds, raw);
}
template <> const std::vector<InstalledAppKind>& allCases<InstalledAppKind>()
{
    static const std::vector<InstalledAppKind> cases = casesOf(kAppKinds);
    return cases;
}

std::string_view rawValue(CleanCategoryFilter value) { return lookup(kCategoryFilters, value); }
std::string_view rawValue(LargeFileCategory value) { return lookup(kLargeFileCategories, value); }
std::string_view rawValue(CleanTrustWorkspace value) { return lookup(kWorkspaces, value); }
std::string_view symbolName(LargeFileCategory value) { return lookup(kLargeFileSymbols, value); }

template <> std::optional<CleanCategoryFilter> fromRaw<CleanCategoryFilter>(std::string_view raw)
{
    return lookup(kCategoryFilters, raw);
}
template <> std::optional<LargeFileCategory> fromRaw<LargeFileCategory>(std::string_view raw)
{
    return lookup(kLargeFileCategories, raw);
}
template <> std::optional<CleanTrustWorkspace> fromRaw<CleanTrustWorkspace>(std::string_view raw)
{
    return lookup(kWorkspaces, raw);
}

template <> const std::vector<CleanCategoryFilter>& allCases<CleanCategoryFilter>()
{
    static const auto cases = casesOf(kCategoryFilters);
    return cases;
}
template <> const std::vector<LargeFileCategory>& allCases<LargeFileCategory>()
{
    static const auto cases = casesOf(kLargeFileCategories);
    return cases;
}
template <> const std::vector<CleanTrustWorkspace>& allCases<CleanTrustWorkspace>()
{
    static const auto cases = casesOf(kWorkspaces);
    return cases;
}

CacheSubItem::CacheSubItem(std::string name_, std::string note_, Path url_, Int64 sizeBytes_, std::string safetyLevel_,
                           std::string verificationDetail_, std::string lastModifiedText_,
                           std::vector<std::string> contentPreview_, bool isSafeDefault_)
    : id(url_), name(std::move(name_)), note(std::move(note_)), url(std::move(url_)), sizeBytes(sizeBytes_),
      safetyLevel(std::move(safetyLevel_)), verificationDetail(std::move(verificationDetail_)),
      lastModifiedText(std::move(lastModifiedText_)), contentPreview(std::move(contentPreview_)),
      isSafeDefault(isSafeDefault_)
{
}

Int64 SafeCacheRuleCard::totalScannedBytes() const
{
    Int64 sum = 0;
    for (const auto& item : subItems)
        sum += item.reclaimable();
    return sum;
}

Int64 DiskOverview::usedBytes() const
{
    // A volume that reports nonsense (available far below zero) counts as nothing used.
    Int64 used = 0;
    if (__builtin_sub_overflow(totalBytes, availableBytes, &used))
        return 0;
    return std::max<Int64>(used, 0);
}

double DiskOverview::usedRatio() const
{
    if (totalBytes <= 0)
        return 0;
    const double ratio = double(usedBytes()) / double(totalBytes);
    if (std::isnan(ratio) || ratio < 0)
        return 0;
    return std::min(ratio, 1.0);
}

Int64 DuplicateFileGroup::totalDuplicateCopiesBytes() const
{
    Int64 sum = 0;
    for (std::size_t i = 1; i < members.size(); ++i)
        sum += members[i].reclaimable();
    return sum;
}

bool isPlayableMediaPath(std::string_view url)
{
    const std::string ext = paths::lowercasedExtension(url);
    return ext == "mp4" || ext == "mov" || ext == "m4v" || ext == "mp3" || ext == "wav" || ext == "m4a";
}

bool LargeFileItem::isPlayableMedia() const { return isPlayableMediaPath(url); }

void InstalledAppItem::addOrphan(Path path, Int64 sizeBytes, std::string rule)
{
    if (!rule.empty() || !orphanRules.empty()) {
        orphanRules.resize(orphanPaths.size());
        orphanRules.push_back(std::move(rule));
    }
    orphanPaths.push_back(std::move(path));
    orphanSizes.push_back(sizeBytes);
    orphanSizeBytes += sizeBytes;
}

InstalledAppItem InstalledAppItem::listed(InstalledAppKind kind, const Path& path, std::string name, std::string id,
                                          Int64 size)
{
    InstalledAppItem app;
    app.id = path;
    app.appPath = path;
    app.name = std::move(name);
    app.appId = std::move(id);
    app.appSizeBytes = size;
    app.kind = kind;
    return app;
}

Int64 InstalledAppItem::dataBytes() const
{
    Int64 sum = 0;
    for (const auto& folder : dataFolders)
        sum += folder.sizeBytes;
    return sum;
}

Int64 InstalledAppItem::fullUninstallBytes() const
{
    return (isRemovedByFullUninstall() ? appSizeBytes : 0) + orphanSizeBytes +
           (dataGoesWithFullUninstall() ? dataBytes() : 0);
}

Int64 InstalledAppItem::orphanSize(std::size_t index) const
{
    if (orphanSizes.size() == orphanPaths.size())
        return orphanSizes[index];
    // Leftovers listed without their own sizes (made by hand rather than by a scan) share
    // the total evenly; the last one takes what does not divide.
    const Int64 count = Int64(orphanPaths.size());
    const Int64 share = orphanSizeBytes / count;
    return index + 1 == orphanPaths.size() ? orphanSizeBytes - share * (count - 1) : share;
}

void InstalledAppItem::keepOrphans(const std::vector<bool>& dropped)
{
    std::vector<Path> paths;
    std::vector<Int64> sizes;
    std::vector<std::string> rules;
    for (std::size_t i = 0; i < orphanPaths.size(); ++i) {
        if (dropped[i])
            continue;
        sizes.push_back(orphanSize(i));
        paths.push_back(std::move(orphanPaths[i]));
        if (i < orphanRules.size())
            rules.push_back(std::move(orphanRules[i]));
    }
    orphanPaths = std::move(paths);
    orphanSizes = std::move(sizes);
    orphanRules = std::move(rules);
    orphanSizeBytes = 0;
    for (Int64 size : orphanSizes)
        orphanSizeBytes += size;
}
