#include "Platform/Trash.h"

#include "Models/Paths.h"
#include "Platform/FaultInjection.h"
#include "Platform/FileOperations.h"

#include <cerrno>
#include <ctime>
#include <unistd.h>

namespace {

constexpr std::size_t kNameMax = 255;
const std::string kInfoSuffix = ".trashinfo";

// Trims a name so that it, a suffix and ".trashinfo" fit in one file name.
std::string fitted(const std::string& name, const std::string& suffix)
{
    const std::size_t room = kNameMax - kInfoSuffix.size() - suffix.size();
    return (name.size() > room ? name.substr(0, room) : name) + suffix;
}

// The folder a file system is mounted at: the highest ancestor on the same device.
std::optional<URL> mountPointOf(const URL& path, dev_t device)
{
    URL current = path;
    while (current != "/") {
        const URL parent = paths::parent(current);
        const auto st = fileops::statNoFollow(parent);
        if (!st)
            return std::nullopt;
        if (st->st_dev != device)
            return current;
        current = parent;
    }
    return current;
}

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '~' || c == '/';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

Trash::Trash(URL root, URL topdir)
    : files_(paths::join(root, "files")), info_(paths::join(root, "info")), topdir_(std::move(topdir))
{
}

Trash Trash::homeTrash(const URL& home) { return Trash(paths::join(home, ".local/share/Trash"), {}); }

Trash Trash::topdirTrash(const URL& topdir)
{
    return Trash(paths::join(topdir, ".Trash-" + std::to_string(::getuid())), topdir);
}

int Trash::prepare() const
{
    // What someone threw away is nobody else's business.
    if (const int err = fileops::makeDirectories(files_, 0700))
        return err;
    if (const int err = fileops::makeDirectories(info_, 0700))
        return err;
    if (!topdir_.empty()) {
        // Someone else's folder under our name is not ours to fill.
        const auto st = fileops::statNoFollow(paths::parent(files_));
        if (!st || !S_ISDIR(st->st_mode) || st->st_uid != ::getuid())
            return EPERM;
    }
    return 0;
}

std::string Trash::pathValueFor(const URL& originalPath) const
{
    if (topdir_.empty() || !paths::isSameOrInside(originalPath, topdir_) || originalPath == topdir_)
        return originalPath;
    return topdir_ == "/" ? originalPath.substr(1) : originalPath.substr(topdir_.size() + 1);
}

int Trash::reserveName(const std::string& name, const URL& originalPath) const
{
    return fileops::createFileExclusive(paths::join(info_, name + kInfoSuffix),
                                        infoFileText(pathValueFor(originalPath), std::chrono::system_clock::now()));
}

void Trash::releaseName(const std::string& name) const { fileops::removeFile(paths::join(info_, name + kInfoSuffix)); }

std::optional<URL> Trash::moveIn(const URL& item, const std::string& name, int* error) const
{
    int err = reserveName(name, item);
    const URL destination = paths::join(files_, name);
    if (err == 0) {
        err = fileops::moveNoReplace(item, destination);
        if (err != 0)
            releaseName(name);
    }
    if (error)
        *error = err;
    if (err != 0)
        return std::nullopt;
    return destination;
}

std::optional<URL> Trash::moveInUnderFreeName(const URL& item, const std::string& name, int* error) const
{
    int err = 0;
    for (int attempt = 1; attempt <= 10000; ++attempt) {
        const std::string candidate = fitted(name, attempt == 1 ? "" : "." + std::to_string(attempt));
        if (auto destination = moveIn(item, candidate, &err))
            return destination;
        if (err != EEXIST) // only a taken name is worth another try
            break;
    }
    if (error)
        *error = err;
    return std::nullopt;
}

std::optional<URL> Trash::makeFolderFor(const URL& originalPath, const std::string& name) const
{
    for (int attempt = 1; attempt <= 10000; ++attempt) {
        const std::string candidate = fitted(name, attempt == 1 ? "" : "." + std::to_string(attempt));
        int err = reserveName(candidate, originalPath);
        if (err == EEXIST)
            continue;
        if (err != 0)
            return std::nullopt;
        const URL folder = paths::join(files_, candidate);
        err = fault::check(fault::Op::makeDirectory, folder);
        if (err == 0)
            err = ::mkdir(folder.c_str(), 0700) == 0 ? 0 : errno; // exclusive: never joins an existing folder
        if (err == 0)
            return folder;
        releaseName(candidate);
        if (err != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<URL> Trash::infoFileOf(const URL& trashedPath)
{
    const URL filesFolder = paths::parent(trashedPath);
    if (paths::lastComponent(filesFolder) != "files")
        return std::nullopt;
    const URL root = paths::parent(filesFolder);
    const std::string rootName = paths::lastComponent(root);
    if (rootName != "Trash" && rootName.rfind(".Trash-", 0) != 0)
        return std::nullopt;
    return paths::join(paths::join(root, "info"), paths::lastComponent(trashedPath) + kInfoSuffix);
}

void Trash::forgetEntry(const URL& trashedPath)
{
    if (const auto info = infoFileOf(trashedPath))
        fileops::removeFile(*info);
}

std::optional<URL> Trash::trashItem(const URL& item, const URL& home, int* error)
{
    auto fail = [error](int err) -> std::optional<URL> {
        if (error)
            *error = err;
        return std::nullopt;
    };
    if (const int err = fault::check(fault::Op::trashCall, item))
        return fail(err);
    const auto st = fileops::statNoFollow(item);
    if (!st)
        return fail(errno);

    // The home's file system always uses the home trash; when that cannot be made, the
    // call fails rather than scatter a trash at the top of the home's disk.
    const Trash inHome = homeTrash(home);
    if (const int err = inHome.prepare(); err == 0) {
        const auto homeTrashStat = fileops::statNoFollow(inHome.filesFolder());
        if (homeTrashStat && homeTrashStat->st_dev == st->st_dev)
            return inHome.moveInUnderFreeName(item, paths::lastComponent(item), error);
    } else if (const auto homeStat = fileops::statNoFollow(home); !homeStat || homeStat->st_dev == st->st_dev) {
        return fail(err);
    }

    const auto topdir = mountPointOf(item, st->st_dev);
    if (!topdir || *topdir == item)
        return fail(EBUSY); // a mount point itself cannot be moved
    const Trash own = topdirTrash(*topdir);
    if (const int err = own.prepare())
        return fail(err);
    return own.moveInUnderFreeName(item, paths::lastComponent(item), error);
}

std::string Trash::infoFileText(const std::string& pathValue, Date deletedAt)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(deletedAt);
    std::tm local{};
    localtime_r(&seconds, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + percentEncodePath(pathValue) + "\nDeletionDate=" + date + "\n";
}

std::string Trash::percentEncodePath(const std::string& bytes)
{
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte)) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(hex[byte >> 4]);
            out.push_back(hex[byte & 0xF]);
        }
    }
    return out;
}

std::string Trash::percentDecode(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out.push_back(char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}
