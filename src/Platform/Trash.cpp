#include "Platform/Trash.h"

#include "Models/ByteEscape.h"
#include "Models/Paths.h"
#include "Platform/Beneath.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FaultInjection.h"
#include "Platform/FileIdentity.h"
#include "Platform/FileUri.h"
#include "Platform/ParallelSlices.h"
#include "Platform/TreeTally.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t kNameMax = 255;
const std::string kInfoSuffix = ".trashinfo";
const std::string kHomeTrash = ".local/share/Trash";
// Marks the info files this program wrote; other programs' files are never swept.
const std::string kWrittenHereLine = "X-Quillmere-Trashed=true\n";

// Trims a name so that it, a suffix and ".trashinfo" fit in one file name.
std::string fitted(const std::string& name, const std::string& suffix)
{
    const std::size_t room = kNameMax - kInfoSuffix.size() - suffix.size();
    return (name.size() > room ? name.substr(0, room) : name) + suffix;
}

std::string candidateName(const std::string& name, int attempt)
{
    return fitted(name, attempt == 1 ? "" : "." + std::to_string(attempt));
}

// The folder a file system is mounted at: the highest ancestor on the same device.
std::optional<Path> mountPointOf(const Path& path, dev_t device)
{
    Path current = path;
    while (current != "/") {
        const Path parent = paths::parent(current);
        const auto st = fileops::statNoFollow(parent);
        if (!st)
            return std::nullopt;
        if (st->st_dev != device)
            return current;
        current = parent;
    }
    return current;
}

// The start of a small file in an opened folder; empty when it cannot be read.
std::string readStart(const fileops::Place& place, std::size_t maxBytes)
{
    const int fd = ::openat(place.folder, place.name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    const UniqueFd file(fd);
    std::string text(maxBytes, '\0');
    const ssize_t n = ::read(fd, text.data(), maxBytes);
    text.resize(n > 0 ? std::size_t(n) : 0);
    return text;
}

enum class Authorship { ours, notOurs, unknown };

// Whether an info file carries our line. Read in pieces through a small buffer: a Trash
// may hold a great many entries, and this runs for each.
// A regular file's read comes back short only at its end, which spares a million info
// files their second read; anything else is read until read() says so.
Authorship authorshipOf(const fileops::Place& info, bool listedAsRegular = false)
{
    if (fault::check(fault::Op::openFile, info.path) != 0)
        return Authorship::unknown;
    const int fd = ::openat(info.folder, info.name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT ? Authorship::notOurs : Authorship::unknown;
    const UniqueFd file(fd);
    const std::string marker = "\n" + kWrittenHereLine;
    std::string window;
    char buffer[16384];
    for (std::size_t total = 0; total < 1024 * 1024;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Authorship::unknown;
        if (n == 0)
            return Authorship::notOurs;
        total += std::size_t(n);
        // What is kept of the last piece lets the line straddle two reads.
        window.append(buffer, std::size_t(n));
        if (window.find(marker) != std::string::npos)
            return Authorship::ours;
        if (listedAsRegular && std::size_t(n) < sizeof buffer)
            return Authorship::notOurs;
        window.erase(0, window.size() > marker.size() ? window.size() - marker.size() : 0);
    }
    return Authorship::unknown;
}

} // namespace

Trash::Trash(UniqueFd files, UniqueFd info, Path root, Path topdir)
    : files_(std::make_shared<UniqueFd>(std::move(files))), info_(std::make_shared<UniqueFd>(std::move(info))),
      filesPath_(paths::join(root, "files")), infoPath_(paths::join(root, "info")), topdir_(std::move(topdir)),
      swept_(std::make_shared<bool>(false))
{
}

Result<Trash> Trash::openBelow(int rootFd, const Path& root, const std::string& relative, Path topdir, bool create)
{
    const Path trashRoot = paths::join(root, relative);
    // What someone threw away is nobody else's business: the folders are made private.
    auto open = [&](const std::string& sub) {
        const std::string inside = relative + "/" + sub;
        const Path path = paths::join(root, inside);
        return create ? beneath::makeFolders(rootFd, inside, path, 0700) : beneath::openFolder(rootFd, inside, path);
    };
    auto files = open("files");
    if (!files)
        return files.status();
    // A trash only looked at may lack info/ (nothing can be moved in then); a link there fails.
    auto info = open("info");
    if (!info && (create || info.error() != ENOENT))
        return info.status();
    if (!info)
        info = UniqueFd();
    return Trash(std::move(*files), std::move(*info), trashRoot, std::move(topdir));
}

Result<Trash> Trash::openHome(const Path& home, bool create)
{
    const auto root = beneath::openRoot(home);
    if (!root)
        return root.status();
    return openBelow(root->get(), home, kHomeTrash, {}, create);
}

Result<Trash> Trash::openTopdir(const Path& topdir, bool create)
{
    const auto root = beneath::openRoot(topdir);
    if (!root)
        return root.status();
    const std::string own = ".Trash-" + std::to_string(::getuid());
    // Someone else's folder under our name is not ours to fill.
    const auto folder = create ? beneath::makeFolders(root->get(), own, paths::join(topdir, own), 0700)
                               : beneath::openFolder(root->get(), own, paths::join(topdir, own));
    if (!folder)
        return folder.status();
    struct stat st;
    if (::fstat(folder->get(), &st) != 0)
        return lastError();
    if (st.st_uid != ::getuid())
        return Failure{EPERM};
    return openBelow(root->get(), topdir, own, topdir, create);
}

Result<std::pair<Trash, std::string>> Trash::openHolding(const Path& entryPath, const Path& home)
{
    const Path filesFolder = paths::parent(entryPath);
    const std::string name = paths::lastComponent(entryPath);
    if (paths::lastComponent(filesFolder) != "files" || name.empty() || name == "/")
        return Failure{EINVAL};
    auto pairWith = [&name](Result<Trash> trash) -> Result<std::pair<Trash, std::string>> {
        if (!trash)
            return trash.status();
        return std::make_pair(std::move(*trash), name);
    };
    if (filesFolder == homeFilesFolder(home))
        return pairWith(openHome(home, false));
    const Path trashRoot = paths::parent(filesFolder);
    if (paths::lastComponent(trashRoot) != ".Trash-" + std::to_string(::getuid()))
        return Failure{EINVAL};
    return pairWith(openTopdir(paths::parent(trashRoot), false));
}

Path Trash::homeFilesFolder(const Path& home) { return paths::join(paths::join(home, kHomeTrash), "files"); }

fileops::Place Trash::entry(const std::string& name) const { return fileops::childOf(files_->get(), filesPath_, name); }

fileops::Place Trash::infoFileOf(const std::string& name) const
{
    return fileops::childOf(info_->get(), infoPath_, name + kInfoSuffix);
}

std::string Trash::pathValueFor(const Path& originalPath) const
{
    if (topdir_.empty() || !paths::isSameOrInside(originalPath, topdir_) || originalPath == topdir_)
        return originalPath;
    return topdir_ == "/" ? originalPath.substr(1) : originalPath.substr(topdir_.size() + 1);
}

Status Trash::reserveName(const std::string& name, const Path& originalPath) const
{
    sweepStaleInfoFiles();
    return fileops::createFileExclusive(infoFileOf(name),
                                        infoFileText(pathValueFor(originalPath), std::chrono::system_clock::now()));
}

void Trash::forget(const std::string& name) const { fileops::removeFile(infoFileOf(name)); }

bool Trash::isWrittenHere(const std::string& name) const
{
    if (!info_->valid())
        return false; // no info/ at all: nothing of ours is here
    return authorshipOf(infoFileOf(name)) != Authorship::notOurs;
}

Result<std::set<std::string>> Trash::entriesWrittenHere() const
{
    std::set<std::string> names;
    if (!info_->valid())
        return names;
    auto infoNames = DirectoryWalker::listOpened(info_->get(), infoPath_, DirectoryWalker::Order::asListed);
    if (!infoNames)
        return infoNames.status();
    // One info file read per entry: read side by side, each slice keeping its own names.
    std::vector<std::vector<std::string>> ours(sliceCountFor(infoNames->size()));
    forEachSlice(infoNames->size(), [&](std::size_t slice, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            auto& [infoName, kind] = (*infoNames)[i];
            if (infoName.size() <= kInfoSuffix.size() || !infoName.ends_with(kInfoSuffix))
                continue;
            const fileops::Place info = fileops::childOf(info_->get(), infoPath_, infoName);
            if (authorshipOf(info, kind == DirectoryWalker::Kind::regular) == Authorship::notOurs)
                continue;
            infoName.resize(infoName.size() - kInfoSuffix.size());
            ours[slice].push_back(std::move(infoName));
        }
    });
    for (auto& slice : ours)
        names.insert(std::make_move_iterator(slice.begin()), std::make_move_iterator(slice.end()));
    return names;
}

void Trash::sweepStaleInfoFiles() const
{
    if (*swept_)
        return;
    *swept_ = true;
    const auto names = fileops::listChildren(info_->get(), infoPath_);
    if (!names)
        return;
    for (const auto& infoName : *names) {
        if (infoName.size() <= kInfoSuffix.size() || !infoName.ends_with(kInfoSuffix))
            continue;
        const std::string entryName = infoName.substr(0, infoName.size() - kInfoSuffix.size());
        const auto st = fileops::stat(entry(entryName));
        if (st || st.error() != ENOENT)
            continue;
        const fileops::Place info = fileops::childOf(info_->get(), infoPath_, infoName);
        if (readStart(info, 64 * 1024).find("\n" + kWrittenHereLine) != std::string::npos)
            fileops::removeFile(info);
    }
}

Result<Path> Trash::moveIn(const fileops::Place& item, const std::string& name) const
{
    if (const Status reserved = reserveName(name, item.path); !reserved)
        return reserved;
    const fileops::Place destination = entry(name);
    if (const Status moved = fileops::moveNoReplace(item, destination); !moved) {
        forget(name);
        return moved;
    }
    return destination.path;
}

Result<Path> Trash::moveInUnderFreeName(const fileops::Place& item, const std::string& name) const
{
    Result<Path> moved = Failure{EEXIST};
    // Only a taken name is worth another try.
    for (int attempt = 1; attempt <= 10000 && !moved && moved.error() == EEXIST; ++attempt)
        moved = moveIn(item, candidateName(name, attempt));
    return moved;
}

Result<std::string> Trash::makeFolderFor(const Path& originalPath, const std::string& name) const
{
    for (int attempt = 1; attempt <= 10000; ++attempt) {
        const std::string candidate = candidateName(name, attempt);
        Status made = reserveName(candidate, originalPath);
        if (!made && made.error() == EEXIST)
            continue;
        if (!made)
            return made;
        made = fileops::makeFolder(entry(candidate), 0700); // exclusive: never joins an existing folder
        if (made)
            return candidate;
        forget(candidate);
        if (made.error() != EEXIST)
            return made;
    }
    return Failure{EEXIST};
}

Result<std::vector<FolderEntryStamp>> Trash::entries(int maxLevel) const
{
    auto measured = measureEntries(0, maxLevel);
    if (!measured)
        return measured.status();
    return std::move(measured->entries);
}

Result<Trash::Measured> Trash::measureEntries(int nearLevel, int maxLevel) const
{
    auto names = DirectoryWalker::listOpened(files_->get(), filesPath_, DirectoryWalker::Order::asListed);
    if (!names)
        return names.status();
    // A Trash may hold a million entries: they are stat'ed and measured slice by slice,
    // side by side, and put back together in listing order.
    std::vector<std::vector<FolderEntryStamp>> slices(sliceCountFor(names->size()));
    std::vector<std::int64_t> nearBytes(slices.size(), 0);
    forEachSlice(names->size(), [&](std::size_t slice, std::size_t begin, std::size_t end) {
        auto& out = slices[slice];
        out.reserve(end - begin);
        for (std::size_t i = begin; i < end; ++i) {
            const fileops::Place place = entry((*names)[i].name);
            const auto st = fileops::stat(place);
            if (!st)
                continue; // gone since the listing
            const TreeTally tally = maxLevel > 0 ? tallyTree(place, *st, nearLevel - 1, maxLevel - 1) : TreeTally{};
            nearBytes[slice] += tally.nearBytes;
            out.push_back({std::move((*names)[i].name), entryStampOf(*st), tally.bytes});
        }
    });
    Measured measured;
    measured.entries.reserve(names->size());
    for (std::size_t slice = 0; slice < slices.size(); ++slice) {
        std::move(slices[slice].begin(), slices[slice].end(), std::back_inserter(measured.entries));
        measured.nearBytes += nearBytes[slice];
    }
    return measured;
}

Result<Path> Trash::trashItem(const fileops::Place& item, const Path& home)
{
    if (const int err = fault::check(fault::Op::trashCall, item.path))
        return Failure{err};
    const auto st = fileops::stat(item);
    if (!st)
        return st.status();

    // The home's file system always uses the home trash; when that cannot be made, the
    // call fails rather than scatter a trash at the top of the home's disk.
    const auto inHome = openHome(home, true);
    if (inHome) {
        struct stat files;
        if (::fstat(inHome->files_->get(), &files) == 0 && files.st_dev == st->st_dev)
            return inHome->moveInUnderFreeName(item, item.name);
    } else if (const auto homeStat = fileops::statNoFollow(home); !homeStat || homeStat->st_dev == st->st_dev) {
        return inHome.status();
    }

    const auto topdir = mountPointOf(item.path, st->st_dev);
    if (!topdir || *topdir == item.path)
        return Failure{EBUSY}; // a mount point itself cannot be moved
    // A disk mounted inside the home may keep its own trash; no other place gets one
    // from us (the home's disk when the home's trash is elsewhere, "/" itself).
    if (!paths::isSameOrInside(*topdir, home) || paths::standardized(*topdir) == paths::standardized(home))
        return Failure{EXDEV};
    const auto own = openTopdir(*topdir, true);
    if (!own)
        return own.status();
    return own->moveInUnderFreeName(item, item.name);
}

std::string Trash::infoFileText(const std::string& pathValue, Date deletedAt)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(deletedAt);
    std::tm local{};
    localtime_r(&seconds, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + percentEncodePath(pathValue) + "\nDeletionDate=" + date + "\n" + kWrittenHereLine;
}

std::string Trash::percentEncodePath(const std::string& bytes) { return percentEncoded(bytes, "-_.~/"); }

std::string Trash::percentDecode(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigitValue(text[i + 1]) >= 0 &&
            hexDigitValue(text[i + 2]) >= 0) {
            out.push_back(char(hexDigitValue(text[i + 1]) * 16 + hexDigitValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}
