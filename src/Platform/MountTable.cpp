#include "Platform/MountTable.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <poll.h>
#include <sstream>
#include <unistd.h>

namespace mounts {
namespace {

using Snapshot = std::shared_ptr<const std::vector<std::string>>;

// The table is read again only when the kernel says it changed: a mount or an unmount
// marks the open table with a priority event.
class Table {
  public:
    Snapshot current()
    {
        std::lock_guard lock(mutex_);
        if (fd_ < 0) {
            fd_ = open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
            if (fd_ < 0)
                return std::make_shared<const std::vector<std::string>>();
            reload();
        } else {
            pollfd event{fd_, POLLPRI, 0};
            if (poll(&event, 1, 0) > 0 && (event.revents & (POLLPRI | POLLERR)))
                reload();
        }
        return points_;
    }

  private:
    void reload()
    {
        std::string text;
        char buffer[16384];
        if (lseek(fd_, 0, SEEK_SET) != 0)
            return;
        for (;;) {
            const ssize_t n = read(fd_, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            text.append(buffer, std::size_t(n));
        }
        auto points = std::make_shared<std::vector<std::string>>();
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::string id, parentId, majorMinor, root, mountPoint;
            if (fields >> id >> parentId >> majorMinor >> root >> mountPoint)
                points->push_back(unescapeOctal(mountPoint));
        }
        points_ = std::move(points);
    }

    std::mutex mutex_;
    int fd_ = -1;
    Snapshot points_ = std::make_shared<const std::vector<std::string>>();
};

Table& table()
{
    static Table instance;
    return instance;
}

} // namespace

std::string unescapeOctal(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size()) {
            const std::string digits = text.substr(i + 1, 3);
            if (digits.size() == 3 && digits.find_first_not_of("01234567") == std::string::npos) {
                out.push_back(char(std::stoi(digits, nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

bool crossesMountBelow(const std::string& root, const std::string& path)
{
    const Snapshot points = table().current();
    const auto isBelow = [](const std::string& inner, const std::string& outer) {
        return outer == "/" ? inner.size() > 1 && inner[0] == '/'
                            : inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0 &&
                                  inner[outer.size()] == '/';
    };
    for (const auto& point : *points)
        if (isBelow(point, root) && (path == point || isBelow(path, point)))
            return true;
    return false;
}

std::vector<std::string> mountPointsBelow(int folderFd)
{
    std::vector<std::string> below;
    const Snapshot points = table().current();
    if (points->size() <= 1)
        return below;
    // The folder as the kernel names it now, whatever path the walk was given.
    char link[64], target[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", folderFd);
    const ssize_t length = readlink(link, target, sizeof target);
    if (length <= 0 || length >= ssize_t(sizeof target))
        return below;
    std::string folder(target, std::size_t(length));
    if (folder.back() != '/')
        folder.push_back('/');
    for (const auto& point : *points)
        if (point.size() > folder.size() && point.compare(0, folder.size(), folder) == 0)
            below.push_back(point.substr(folder.size()));
    return below;
}

} // namespace mounts
