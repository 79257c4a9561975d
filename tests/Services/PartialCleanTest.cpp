// An item counts as cleaned only when nothing of it is left. A folder that keeps some of
// its contents (an unreadable or read-only subfolder, a tree too deep to remove) is
// reported as partly cleaned, counts as skipped, and frees only what went.
#include "Platform/FaultInjection.h"
#include "Services/DirectorySize.h"
#include "support/CleanFixture.h"

#include <cerrno>

namespace {

using PartialClean = CleanFixture;

fault::Hook failing(fault::Op op, std::string needle, int err)
{
    return [op, needle = std::move(needle), err](fault::Op o, std::string_view path) {
        return o == op && path.find(needle) != std::string_view::npos ? err : 0;
    };
}

} // namespace

TEST_F(PartialClean, AFolderThatKeepsSomeOfItsContentIsNotReportedAsCleaned)
{
    struct Case {
        const char* what;
        fault::Op op;
    };
    for (const Case& c : {Case{"an unreadable subfolder", fault::Op::openDirectory},
                          Case{"a read-only subfolder", fault::Op::remove}}) {
        SCOPED_TRACE(c.what);
        home.allocatedFile("build/out/a.o", 1 * MiB);
        home.allocatedFile("build/locked/b.o", 1 * MiB);
        const Int64 measured = directorySize(home.at("build"), 10);
        const Int64 goes = home.allocated("build/out/a.o") + home.allocated("build/out"); // the file and its folder
        engine->cleaner().setMoveToTrashByDefault(false);
        {
            fault::ScopedHook hook(failing(c.op, "/locked", EACCES));
            const auto cleaned = clean({{home.at("build"), measured, "build"}});
            EXPECT_TRUE(cleaned.empty());
        }
        EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
        EXPECT_FALSE(fileops::exists(home.at("build/out")));
        EXPECT_TRUE(fileops::exists(home.at("build/locked/b.o")));
        EXPECT_EQ(engine->cleaner().lastFreedBytes(), goes);
        EXPECT_NE(engine->cleaner().lastCleanBanner()->find("；1 项"), std::string::npos);
    }
}
