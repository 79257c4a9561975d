// The clean buttons' decision: with the Trash on a press cleans at once; with it off the
// window asks first, naming what would be deleted, and never deletes a size it did not name.
#include "Views/AccessTestSupport.h"
#include "WindowState.h"
#include "support/EngineTestAccess.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

struct ButtonsFixture : AccessFixture {
    std::unique_ptr<SandboxAccessManager> access = start(/*sandboxed=*/false);
    std::unique_ptr<WindowState> view;

    ButtonsFixture()
    {
        MacStorageScanner::Options options;
        options.home = home;
        options.applications = applications;
        options.pacePurges = false;
        view = std::make_unique<WindowState>(options, *access);
        // Places inside the test home that no longer exist: a clean counts them as gone and
        // touches nothing.
        EngineAccess::setProjectBloats(
            view->scanner(), {bloat(home + "/gone/a", 100, true, "a"), bloat(home + "/gone/b", 200, true, "b")});
        view->selectWorkspace(CleanTrustWorkspace::devAndDuplicates);
    }
    MacStorageScanner& scanner() { return view->scanner(); }
};

} // namespace

TEST(CleanButtons, WithTheTrashOnAPressCleansAtOnce)
{
    ButtonsFixture f;
    f.view->triggerPrimaryCleanAction();
    EXPECT_FALSE(f.view->pendingClean());
    EXPECT_TRUE(f.scanner().isPurgingAnimation());
    ASSERT_TRUE(waitForPurge(f.scanner()));
    EXPECT_TRUE(f.scanner().projectBloats().empty());
}

TEST(CleanButtons, WithTheTrashOffNothingRunsUntilTheNamedSizeIsConfirmed)
{
    ButtonsFixture f;
    f.scanner().setMoveToTrashByDefault(false);
    f.view->triggerPrimaryCleanAction();
    ASSERT_TRUE(f.view->pendingClean());
    EXPECT_EQ(f.view->pendingClean()->bytes, 300);
    EXPECT_FALSE(f.scanner().isPurgingAnimation());

    // The selection moved on while the question was open: ask again with the new size.
    f.scanner().toggleProjectBloat(f.home + "/gone/b");
    f.view->confirmPendingClean();
    ASSERT_TRUE(f.view->pendingClean());
    EXPECT_EQ(f.view->pendingClean()->bytes, 100);
    EXPECT_FALSE(f.scanner().isPurgingAnimation());

    f.view->confirmPendingClean();
    EXPECT_FALSE(f.view->pendingClean());
    ASSERT_TRUE(waitForPurge(f.scanner()));
    ASSERT_EQ(f.scanner().projectBloats().size(), 1u);
    EXPECT_EQ(f.scanner().projectBloats()[0].projectName, "b"); // only what was confirmed
}

TEST(CleanButtons, NothingSelectedAsksNothingAndCleansNothing)
{
    ButtonsFixture f;
    f.scanner().setMoveToTrashByDefault(false);
    f.scanner().setAllProjectBloats(false);
    f.view->triggerPrimaryCleanAction();
    f.view->smartCleanAll();
    EXPECT_FALSE(f.view->pendingClean());
    EXPECT_FALSE(f.scanner().isPurgingAnimation());

    // Cancel forgets the question.
    f.scanner().setAllProjectBloats(true);
    f.view->smartCleanAll();
    ASSERT_TRUE(f.view->pendingClean());
    EXPECT_TRUE(f.view->pendingClean()->smartCleanAll);
    f.view->cancelPendingClean();
    f.view->confirmPendingClean();
    EXPECT_FALSE(f.scanner().isPurgingAnimation());
}
