#include "Platform/ThumbnailCache.h"

#include "Models/Paths.h"
#include "Platform/FileReading.h"
#include "Platform/FileUri.h"
#include "Platform/PngText.h"

#include <QCryptographicHash>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::array kFlavors{ThumbnailFlavor::normal, ThumbnailFlavor::large, ThumbnailFlavor::xLarge,
                              ThumbnailFlavor::xxLarge};
// A cached thumbnail is a small picture; anything bigger is not one of ours to read.
constexpr std::size_t kLargestThumbnailBytes = 16 << 20;

// One transparent pixel: what a failure record holds besides its stamps.
const QByteArray& emptyPng()
{
    static const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c4"
                                                      "890000000b49444154789c6360000200000500017a5eab3f"
                                                      "0000000049454e44ae426082");
    return png;
}

std::string_view folderOf(ThumbnailFlavor flavor)
{
    switch (flavor) {
    case ThumbnailFlavor::normal:
        return "normal";
    case ThumbnailFlavor::large:
        return "large";
    case ThumbnailFlavor::xLarge:
        return "x-large";
    case ThumbnailFlavor::xxLarge:
        return "xx-large";
    }
    return "normal";
}

std::optional<Int64> wholeNumber(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0')
        return std::nullopt;
    return Int64(value);
}

bool stampsMatch(const QByteArray& png, const ThumbnailKey& key)
{
    const auto text = pngtext::read(png);
    if (!text)
        return false;
    const auto uri = text->find("Thumb::URI");
    const auto mtime = text->find("Thumb::MTime");
    if (uri == text->end() || uri->second != key.uri || mtime == text->end() || wholeNumber(mtime->second) != key.mtime)
        return false;
    // The size is optional; where it was written it must agree too.
    const auto size = text->find("Thumb::Size");
    return size == text->end() || wholeNumber(size->second) == key.size;
}

std::optional<QByteArray> readIfStamped(const std::string& path, const ThumbnailKey& key)
{
    const auto bytes = readSmallRegularFile(path, kLargestThumbnailBytes);
    if (!bytes)
        return std::nullopt;
    QByteArray png = QByteArray::fromStdString(*bytes);
    if (!stampsMatch(png, key))
        return std::nullopt;
    return png;
}

// Creates each missing folder of `relative` below `base` (and base and its parent) for its
// owner only.
bool makeFolders(const std::string& base, const std::string& relative)
{
    // The cache folder itself may be missing on a new account too.
    if (::mkdir(paths::parent(base).c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    std::string at = base;
    if (::mkdir(at.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    std::size_t from = 0;
    while (from < relative.size()) {
        const std::size_t slash = relative.find('/', from);
        const std::size_t to = slash == std::string::npos ? relative.size() : slash;
        at = paths::join(at, relative.substr(from, to - from));
        if (::mkdir(at.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        from = to + 1;
    }
    return true;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

int edgeOf(ThumbnailFlavor flavor)
{
    switch (flavor) {
    case ThumbnailFlavor::normal:
        return 128;
    case ThumbnailFlavor::large:
        return 256;
    case ThumbnailFlavor::xLarge:
        return 512;
    case ThumbnailFlavor::xxLarge:
        return 1024;
    }
    return 128;
}

std::string ThumbnailKey::fileName() const
{
    const QByteArray digest = QCryptographicHash::hash(QByteArray::fromStdString(uri), QCryptographicHash::Md5).toHex();
    return digest.toStdString() + ".png";
}

ThumbnailCache::ThumbnailCache(std::string root, std::string failureFolder)
    : root_(std::move(root)), failureFolder_(std::move(failureFolder))
{
}

std::string ThumbnailCache::defaultRoot()
{
    // Only an absolute XDG_CACHE_HOME counts; a relative one is to be ignored.
    const char* cacheHome = std::getenv("XDG_CACHE_HOME");
    if (cacheHome && cacheHome[0] == '/')
        return paths::join(cacheHome, "thumbnails");
    const char* home = std::getenv("HOME");
    return paths::join(paths::join(home && home[0] ? home : "/", ".cache"), "thumbnails");
}

std::optional<ThumbnailKey> ThumbnailCache::keyOf(const Path& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return ThumbnailKey{fileUriOfPath(path), Int64(st.st_mtim.tv_sec), Int64(st.st_size)};
}

std::string ThumbnailCache::pathOf(ThumbnailFlavor flavor, const ThumbnailKey& key) const
{
    return paths::join(paths::join(root_, folderOf(flavor)), key.fileName());
}

std::string ThumbnailCache::failurePathOf(const ThumbnailKey& key) const
{
    return paths::join(paths::join(paths::join(root_, "fail"), failureFolder_), key.fileName());
}

std::optional<ThumbnailCache::Hit> ThumbnailCache::find(const ThumbnailKey& key, ThumbnailFlavor wanted) const
{
    // A larger picture scales down well; a smaller one only as a last resort.
    std::vector<ThumbnailFlavor> order{wanted};
    for (ThumbnailFlavor flavor : kFlavors)
        if (flavor > wanted)
            order.push_back(flavor);
    for (auto it = kFlavors.rbegin(); it != kFlavors.rend(); ++it)
        if (*it < wanted)
            order.push_back(*it);
    for (ThumbnailFlavor flavor : order)
        if (auto png = readIfStamped(pathOf(flavor, key), key))
            return Hit{flavor, std::move(*png)};
    return std::nullopt;
}

bool ThumbnailCache::hasFailed(const ThumbnailKey& key) const
{
    return readIfStamped(failurePathOf(key), key).has_value();
}

bool ThumbnailCache::store(const ThumbnailKey& key, ThumbnailFlavor flavor, const QByteArray& png) const
{
    return makeFolders(root_, std::string(folderOf(flavor))) &&
           writeStamped(paths::join(root_, folderOf(flavor)), key, png);
}

bool ThumbnailCache::recordFailure(const ThumbnailKey& key) const
{
    return makeFolders(root_, "fail/" + failureFolder_) &&
           writeStamped(paths::join(paths::join(root_, "fail"), failureFolder_), key, emptyPng());
}

bool ThumbnailCache::writeStamped(const std::string& folder, const ThumbnailKey& key, const QByteArray& png) const
{
    const auto stamped = pngtext::withText(png, {{"Thumb::URI", key.uri},
                                                 {"Thumb::MTime", std::to_string(key.mtime)},
                                                 {"Thumb::Size", std::to_string(key.size)},
                                                 {"Software", "Quillmere"}});
    if (!stamped)
        return false;
    // Readers never see a half-written file: it is written aside and renamed into place.
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string final = paths::join(folder, key.fileName());
    const std::string temporary = final + ".quillmere-" + std::to_string(::getpid()) + "-" + std::to_string(random());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, *stamped) && ::fchmod(fd, 0600) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), final.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
