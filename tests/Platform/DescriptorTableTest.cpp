#include "Platform/DescriptorTable.h"
#include "Platform/UniqueFd.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

// How many open files the process's table has room for, as the kernel reports it.
long tableSize()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("FDSize:", 0) == 0)
            return std::stol(line.substr(7));
    return -1;
}

int openDescriptors()
{
    int count = 0;
    if (DIR* fds = ::opendir("/proc/self/fd")) {
        while (::readdir(fds))
            ++count;
        ::closedir(fds);
    }
    return count;
}

// The table grows to the room asked for, within the soft limit, and keeps it; what was open
// stays open (also a descriptor at the very place the room ends), and nothing is left open.
TEST(DescriptorTable, GrowsAndLeavesWhatIsOpenAsItWas)
{
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const long before = tableSize();
    ASSERT_GT(before, 0);
    if (rlim_t(before) * 4 > limit.rlim_cur)
        GTEST_SKIP() << "the soft limit on open files leaves no room to grow";
    const int open = openDescriptors();

    DescriptorTable::reserve(int(before * 2));
    EXPECT_GE(tableSize(), before * 2);
    EXPECT_EQ(openDescriptors(), open);

    // Something already open at the last place of the room asked for next.
    const long further = tableSize() * 2;
    const UniqueFd anchor(::open("/", O_PATH | O_CLOEXEC));
    ASSERT_TRUE(anchor.valid());
    const UniqueFd atTheEnd(::fcntl(anchor.get(), F_DUPFD_CLOEXEC, int(further - 1)));
    ASSERT_EQ(atTheEnd.get(), further - 1);
    DescriptorTable::reserve(int(further));
    EXPECT_EQ(openDescriptors(), open + 2);
    EXPECT_EQ(::fcntl(atTheEnd.get(), F_GETFD), FD_CLOEXEC);

    // Beyond the soft limit, only as far as it; nothing asked, nothing done.
    DescriptorTable::reserve(int(limit.rlim_cur) + 1000);
    DescriptorTable::reserve(0);
    EXPECT_EQ(openDescriptors(), open + 2);
}

} // namespace
