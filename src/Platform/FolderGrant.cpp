#include "Platform/FolderGrant.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstring>

namespace folderGrant {

namespace {

// Layout: magic "QMBK", version byte, device (8 bytes), inode (8 bytes), path length
// (4 bytes), then the path's bytes. Integers are little-endian.
constexpr char kMagic[4] = {'Q', 'M', 'B', 'K'};
constexpr unsigned char kVersion = 1;
constexpr std::size_t kHeaderSize = sizeof kMagic + 1 + 8 + 8 + 4;

void putInt(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

std::uint64_t getInt(const std::string& in, std::size_t offset, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(in[offset + i])) << (8 * i);
    return value;
}

std::optional<struct stat> folderStat(const Path& path)
{
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return st;
}

} // namespace

std::optional<std::string> create(const Path& folder)
{
    const auto st = folderStat(folder);
    if (!st)
        return std::nullopt;
    std::string out(kMagic, sizeof kMagic);
    out.push_back(static_cast<char>(kVersion));
    putInt(out, static_cast<std::uint64_t>(st->st_dev), 8);
    putInt(out, static_cast<std::uint64_t>(st->st_ino), 8);
    putInt(out, folder.size(), 4);
    out += folder;
    return out;
}

std::optional<Resolved> resolve(const std::string& data)
{
    if (data.size() < kHeaderSize || std::memcmp(data.data(), kMagic, sizeof kMagic) != 0 ||
        static_cast<unsigned char>(data[4]) != kVersion)
        return std::nullopt;
    const std::uint64_t device = getInt(data, 5, 8);
    const std::uint64_t inode = getInt(data, 13, 8);
    const std::uint64_t length = getInt(data, 21, 4);
    if (length == 0 || data.size() != kHeaderSize + length)
        return std::nullopt;
    Path path = data.substr(kHeaderSize);
    const auto st = folderStat(path);
    if (!st)
        return std::nullopt;
    const bool sameFolder =
        static_cast<std::uint64_t>(st->st_dev) == device && static_cast<std::uint64_t>(st->st_ino) == inode;
    return Resolved{std::move(path), !sameFolder};
}

} // namespace folderGrant
