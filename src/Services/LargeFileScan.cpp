#include "Services/LargeFileScan.h"
#include "Services/ItemTexts.h"

#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/HomeLayout.h"
#include "Services/HomeWalk.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::size_t kLargeFileCap = 60;
constexpr double kSliceFloor = 0.05;

// The macOS ones first, then the packages and compressed tarballs of Linux.
constexpr std::array<std::string_view, 21> kInstallerExtensions{"dmg", "pkg", "xip", "iso",  "zip", "tar", "gz",
                                                                "7z",  "ipa", "deb", "rpm",  "xz",  "bz2", "zst",
                                                                "tgz", "txz", "tbz", "tbz2", "rar", "lz",  "flatpak"};
// Video, audio and photographs, as cameras, recorders and the Linux media tools leave them.
constexpr std::array<std::string_view, 66> kVideoExtensions{
    "mp4", "mov",  "mkv", "webm", "avi", "wav", "mp3",  "m4a",  "m4v",  "mpg",  "mpeg", "mts", "m2ts", "ts",
    "vob", "3gp",  "flv", "wmv",  "ogv", "ogg", "oga",  "opus", "spx",  "flac", "alac", "ape", "wv",   "aac",
    "aif", "aiff", "wma", "mka",  "dsf", "dff", "tif",  "tiff", "cr2",  "cr3",  "crw",  "nef", "nrw",  "arw",
    "srf", "sr2",  "dng", "orf",  "rw2", "raf", "pef",  "srw",  "x3f",  "3fr",  "iiq",  "erf", "kdc",  "mrw",
    "raw", "exr",  "hdr", "psd",  "xcf", "kra", "heic", "heif", "avif", "jxl"};
constexpr std::array<std::string_view, 8> kModelExtensions{"sqlite",      "db", "onnx", "gguf",
                                                           "safetensors", "pt", "pth",  "bin"};

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
    const auto say = [&item](const EngineText& badge, const EngineText& reason, TextRef reasonRef) {
        item.verificationBadge = badge.text;
        item.verificationReason = reason.with(reasonRef.args);
        item.badgeRef = badge.ref();
        item.reasonRef = std::move(reasonRef);
    };
    if (contains(kInstallerExtensions, extension)) {
        item.category = LargeFileCategory::installerArchive;
        if (extension == "dmg" || extension == "pkg" || matchesInstalledApp(item.name, extension, installedAppNames)) {
            say(itemtexts::kInstallerBadge, itemtexts::kInstallerReason, itemtexts::kInstallerReason.ref());
        } else {
            TextRef reason = itemtexts::kArchiveReason.ref({std::string(rootLabel)});
            if (TextRef label = itemtexts::folderLabelRef(rootLabel); !label.empty())
                reason.argTexts = {std::move(label)};
            say(itemtexts::kArchiveBadge, itemtexts::kArchiveReason, std::move(reason));
        }
    } else if (contains(kVideoExtensions, extension)) {
        item.category = LargeFileCategory::videoMedia;
        say(itemtexts::kVideoBadge, itemtexts::kVideoReason, itemtexts::kVideoReason.ref());
    } else if (contains(kModelExtensions, extension)) {
        item.category = LargeFileCategory::modelDatabase;
        say(itemtexts::kModelBadge, itemtexts::kModelReason, itemtexts::kModelReason.ref());
    } else {
        item.category = LargeFileCategory::other;
        say(itemtexts::kOtherBadge, itemtexts::kOtherReason, itemtexts::kOtherReason.ref());
    }
    item.categoryTag = std::string(rawValue(item.category));
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

PersonalFolderFindings walkPersonalFolders(const HomeLayout& layout) { return walkHome(layout).personal; }

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
