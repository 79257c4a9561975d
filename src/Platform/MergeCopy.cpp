#include "Platform/MergeCopy.h"

#include "Platform/FaultInjection.h"

#include <algorithm>
#include <cstring>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <vector>

namespace mergecopy {

namespace {

// One call may merge at most this much (btrfs caps a request at 16 MiB).
constexpr std::int64_t kChunk = 16LL << 20;

bool isUnsupported(int error) { return error == EOPNOTSUPP || error == ENOTTY || error == EINVAL || error == EXDEV; }

// The extended attributes of an open file, names and values, in the kernel's order.
std::vector<std::string> attributesOf(int fd)
{
    std::vector<std::string> out;
    const ssize_t size = flistxattr(fd, nullptr, 0);
    if (size <= 0)
        return out;
    std::string names(std::size_t(size), '\0');
    const ssize_t got = flistxattr(fd, names.data(), names.size());
    if (got <= 0)
        return out;
    names.resize(std::size_t(got));
    for (std::size_t at = 0; at < names.size();) {
        const std::string name = names.c_str() + at;
        at += name.size() + 1;
        const ssize_t valueSize = fgetxattr(fd, name.c_str(), nullptr, 0);
        std::string value(std::size_t(std::max<ssize_t>(valueSize, 0)), '\0');
        if (valueSize > 0)
            value.resize(std::size_t(std::max<ssize_t>(fgetxattr(fd, name.c_str(), value.data(), value.size()), 0)));
        out.push_back(name + '\0' + value);
    }
    return out;
}

bool sameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

} // namespace

Report merge(int originalFd, int copyFd, std::int64_t length, std::string_view copyPath)
{
    Report report;
    struct stat before;
    if (fstat(copyFd, &before) != 0)
        return {Outcome::failed, errno, 0};
    const std::vector<std::string> attributes = attributesOf(copyFd);

    std::vector<std::uint64_t> buffer((sizeof(file_dedupe_range) + sizeof(file_dedupe_range_info)) / 8 + 1);
    auto* range = reinterpret_cast<file_dedupe_range*>(buffer.data());
    report.outcome = Outcome::merged;
    for (std::int64_t offset = 0; offset < length;) {
        std::memset(buffer.data(), 0, buffer.size() * 8);
        range->src_offset = std::uint64_t(offset);
        range->src_length = std::uint64_t(std::min(kChunk, length - offset));
        range->dest_count = 1;
        range->info[0].dest_fd = copyFd;
        range->info[0].dest_offset = std::uint64_t(offset);
        int error = fault::check(fault::Op::dedupe, copyPath);
        if (error == 0 && ioctl(originalFd, FIDEDUPERANGE, range) != 0)
            error = errno;
        if (error == 0 && range->info[0].status < 0)
            error = -range->info[0].status;
        if (error != 0) {
            report.outcome = isUnsupported(error) ? Outcome::unsupported : Outcome::failed;
            report.error = error;
            break;
        }
        if (range->info[0].status == FILE_DEDUPE_RANGE_DIFFERS) {
            report.outcome = Outcome::differs;
            break;
        }
        if (range->info[0].bytes_deduped == 0) {
            report.outcome = Outcome::failed;
            report.error = EIO;
            break;
        }
        offset += std::int64_t(range->info[0].bytes_deduped);
        report.bytesMerged = offset;
    }

    // The copy must look exactly as before: its times are put back where the kernel
    // touched them; owner, mode and attributes are only checked (nothing here changes them).
    struct stat after;
    if (fstat(copyFd, &after) != 0)
        return {Outcome::failed, errno, report.bytesMerged};
    if (!sameTime(before.st_mtim, after.st_mtim) || !sameTime(before.st_atim, after.st_atim)) {
        const timespec times[2] = {before.st_atim, before.st_mtim};
        if (futimens(copyFd, times) != 0)
            return {Outcome::failed, errno, report.bytesMerged};
    }
    if (after.st_uid != before.st_uid || after.st_gid != before.st_gid || after.st_mode != before.st_mode ||
        attributesOf(copyFd) != attributes)
        return {Outcome::failed, EIO, report.bytesMerged};
    return report;
}

} // namespace mergecopy
