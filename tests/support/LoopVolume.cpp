#include "support/LoopVolume.h"

#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

std::string LoopVolume::tool(const std::string& name)
{
    for (const char* folder : {"/usr/sbin/", "/sbin/", "/usr/bin/", "/bin/"}) {
        const std::string path = std::string(folder) + name;
        if (access(path.c_str(), X_OK) == 0)
            return path;
    }
    return {};
}

int LoopVolume::run(const std::vector<std::string>& argv) { return runProgram(argv, {}, 120).exitStatus; }

LoopVolume::LoopVolume(Kind kind, std::int64_t imageBytes)
{
    const std::string mkfs = kind == Kind::btrfs ? "mkfs.btrfs" : kind == Kind::xfs ? "mkfs.xfs" : "mkfs.ext4";
    const std::string mkfsPath = tool(mkfs);
    if (mkfsPath.empty() || tool("mount").empty()) {
        skipReason_ = mkfs + " or mount is not installed";
        return;
    }
    if (geteuid() != 0) {
        skipReason_ = "mounting a test file system needs root";
        return;
    }
    std::string pattern = "/var/tmp/quillmere-volume-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        skipReason_ = "no folder for the image under /var/tmp";
        return;
    }
    folder_ = pattern;
    image_ = folder_ + "/image";
    mountPoint_ = folder_ + "/mnt";
    std::filesystem::create_directory(mountPoint_);
    if (truncate(image_.c_str(), 0) != 0) {
        const int fd = open(image_.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0)
            close(fd);
    }
    if (truncate(image_.c_str(), imageBytes) != 0) {
        skipReason_ = "the sparse image could not be made";
        return;
    }
    std::vector<std::string> format = {mkfsPath, "-q"};
    if (kind == Kind::xfs)
        format.insert(format.end(), {"-m", "reflink=1"});
    if (kind == Kind::ext4)
        format.insert(format.end(), {"-F"});
    format.push_back(image_);
    if (run(format) != 0) {
        skipReason_ = mkfs + " failed";
        return;
    }
    if (run({tool("mount"), "-o", "loop", image_, mountPoint_}) != 0) {
        skipReason_ = "the loop mount was refused (no loop devices, or not allowed here)";
        mountPoint_.clear();
        return;
    }
}

LoopVolume::~LoopVolume()
{
    if (mounted() && !mountPoint_.empty())
        if (umount2(mountPoint_.c_str(), 0) != 0)
            umount2(mountPoint_.c_str(), MNT_DETACH);
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

void LoopVolume::settle() const
{
    ::sync();
    if (const std::string btrfs = tool("btrfs"); !btrfs.empty())
        run({btrfs, "filesystem", "sync", mountPoint_});
}

std::int64_t LoopVolume::availableBytes() const
{
    struct statvfs vfs;
    return statvfs(mountPoint_.c_str(), &vfs) == 0 ? std::int64_t(vfs.f_bavail) * std::int64_t(vfs.f_frsize) : -1;
}

std::int64_t LoopVolume::blockSize() const
{
    struct statvfs vfs;
    return statvfs(mountPoint_.c_str(), &vfs) == 0 ? std::int64_t(vfs.f_frsize) : 4096;
}

void writeRandomFile(const std::string& path, std::int64_t bytes, unsigned seed)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::mt19937_64 random(seed);
    std::string block(std::size_t(1) << 20, '\0');
    const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path;
    for (std::int64_t left = bytes; left > 0; left -= std::int64_t(block.size())) {
        for (std::size_t i = 0; i + 8 <= block.size(); i += 8) {
            const std::uint64_t word = random();
            std::memcpy(block.data() + i, &word, 8);
        }
        const std::size_t size = std::size_t(std::min<std::int64_t>(left, std::int64_t(block.size())));
        ASSERT_EQ(write(fd, block.data(), size), ssize_t(size));
    }
    fsync(fd);
    close(fd);
}

void reflinkFile(const std::string& from, const std::string& to)
{
    std::filesystem::create_directories(std::filesystem::path(to).parent_path());
    const int source = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    const int target = open(to.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_EQ(ioctl(target, FICLONE, source), 0) << std::strerror(errno);
    fsync(target);
    close(source);
    close(target);
}

std::int64_t allocatedBytes(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? std::int64_t(st.st_blocks) * 512 : -1;
}
