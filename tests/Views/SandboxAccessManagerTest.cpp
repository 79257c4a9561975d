// Folder grants: what a pick grants, what it only proposes, and what survives a restart.
#include "Views/AccessTestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <filesystem>

using Kind = SandboxGrantOutcome::Kind;

namespace {

SandboxGrantOutcome pick(AccessFixture& f, SandboxAccessManager& access, SandboxScope scope, std::optional<URL> answer)
{
    f.picker->answers.push_back(std::move(answer));
    return access.requestAccess(scope, "Grant Access", "message");
}

} // namespace

TEST(SandboxAccess, PickingAnAncestorOfHomeGrantsThatFolder)
{
    AccessFixture f;
    auto access = f.start();
    ASSERT_FALSE(access->homeGranted());
    QSignalSpy granted(access.get(), &SandboxAccessManager::homeGrantedChanged);

    EXPECT_EQ(pick(f, *access, SandboxScope::home, f.root.at("Users")), SandboxGrantOutcome::granted());

    EXPECT_TRUE(access->homeGranted());
    EXPECT_EQ(granted.count(), 1);
    EXPECT_EQ(access->grantedHomeURL(), f.root.at("Users"));
    EXPECT_TRUE(access->coversWholeHome());
    EXPECT_EQ(access->grantedHomeDisplayName(), "Users");
    EXPECT_TRUE(f.hasStoredKey(SandboxScope::home));
    EXPECT_FALSE(f.hasStoredKey(SandboxScope::applications));
    // The picker opened at the home folder with the window's texts.
    ASSERT_EQ(f.picker->requests.size(), 1u);
    EXPECT_EQ(f.picker->requests[0].initialFolder, f.home);
    EXPECT_EQ(f.picker->requests[0].prompt, "Grant Access");
}

TEST(SandboxAccess, SubfolderIsOnlyProposedUntilKept)
{
    AccessFixture f;
    const std::string documents = f.root.mkdir("Users/demo/Documents");
    auto access = f.start();

    EXPECT_EQ(pick(f, *access, SandboxScope::home, documents), SandboxGrantOutcome::partial(documents));
    EXPECT_FALSE(access->homeGranted());
    EXPECT_FALSE(access->grantedHomeURL());
    EXPECT_FALSE(f.hasStoredKey(SandboxScope::home));
    EXPECT_EQ(access->pendingPartialURL(), documents);

    access->acceptPendingPartialHome();
    EXPECT_TRUE(access->homeGranted());
    EXPECT_EQ(access->grantedHomeURL(), documents);
    EXPECT_FALSE(access->coversWholeHome());
    EXPECT_EQ(access->grantedHomeDisplayName(), "Documents");
    EXPECT_FALSE(access->pendingPartialURL());
    EXPECT_TRUE(f.hasStoredKey(SandboxScope::home));

    // Nothing pending any more: a second accept changes nothing.
    access->acceptPendingPartialHome();
    EXPECT_EQ(access->grantedHomeURL(), documents);
}

TEST(SandboxAccess, FoldersBesideTheExpectedOneAreOutside)
{
    AccessFixture f;
    const std::string elsewhere = f.root.mkdir("Volumes/Other");
    const std::string lookalike = f.root.mkdir("Users/demo2"); // shares a name prefix with the home folder
    auto access = f.start();

    EXPECT_EQ(pick(f, *access, SandboxScope::home, elsewhere), SandboxGrantOutcome::outside(elsewhere));
    EXPECT_EQ(pick(f, *access, SandboxScope::home, lookalike), SandboxGrantOutcome::outside(lookalike));
    // For Applications even a folder inside the home folder is outside.
    EXPECT_EQ(pick(f, *access, SandboxScope::applications, f.home), SandboxGrantOutcome::outside(f.home));
    EXPECT_EQ(pick(f, *access, SandboxScope::applications, f.applications + "/Sub"),
              SandboxGrantOutcome::outside(f.applications + "/Sub"));
    EXPECT_FALSE(access->homeGranted());
    EXPECT_FALSE(access->applicationsGranted());
    EXPECT_FALSE(access->pendingPartialURL());

    EXPECT_EQ(pick(f, *access, SandboxScope::applications, f.root.path()), SandboxGrantOutcome::granted());
    EXPECT_TRUE(access->applicationsGranted());
    EXPECT_FALSE(access->homeGranted());
}

TEST(SandboxAccess, CancellingChangesNothing)
{
    AccessFixture f;
    auto access = f.start();
    // The pick is standardized before it is classified.
    ASSERT_EQ(pick(f, *access, SandboxScope::home, f.home + "/Documents/../"), SandboxGrantOutcome::granted());
    const QByteArray stored = f.settings()->value("Quillmere.SandboxBookmark.home").toByteArray();
    QSignalSpy changed(access.get(), &SandboxAccessManager::homeGrantedChanged);

    EXPECT_EQ(pick(f, *access, SandboxScope::home, std::nullopt), SandboxGrantOutcome::cancelled());
    EXPECT_EQ(pick(f, *access, SandboxScope::home, std::string()), SandboxGrantOutcome::cancelled());

    EXPECT_TRUE(access->homeGranted());
    EXPECT_EQ(access->grantedHomeURL(), f.home);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(f.settings()->value("Quillmere.SandboxBookmark.home").toByteArray(), stored);
}

TEST(SandboxAccess, GrantsSurviveARestartAndRevokeForgetsThem)
{
    AccessFixture f;
    {
        auto access = f.start();
        pick(f, *access, SandboxScope::home, f.home);
        pick(f, *access, SandboxScope::applications, f.applications);
    }
    {
        auto access = f.start();
        EXPECT_TRUE(access->homeGranted());
        EXPECT_TRUE(access->applicationsGranted());
        EXPECT_EQ(access->grantedHomeURL(), f.home);
        EXPECT_EQ(access->activeURLs().size(), 2u);
        EXPECT_FALSE(access->bookmarkWasStale());

        access->revoke(SandboxScope::home);
        EXPECT_FALSE(access->homeGranted());
        EXPECT_FALSE(access->grantedHomeURL());
        EXPECT_FALSE(f.hasStoredKey(SandboxScope::home));
        EXPECT_TRUE(f.hasStoredKey(SandboxScope::applications));
        EXPECT_EQ(access->activeURLs().count(SandboxScope::home), 0u);
    }
    auto access = f.start();
    EXPECT_FALSE(access->homeGranted());
    EXPECT_FALSE(access->bookmarkWasStale());
    EXPECT_TRUE(access->applicationsGranted());
}

TEST(SandboxAccess, AGrantWhoseFolderIsGoneIsDroppedAndFlaggedStale)
{
    AccessFixture f;
    const std::string documents = f.root.mkdir("Users/demo/Documents");
    {
        auto access = f.start();
        pick(f, *access, SandboxScope::home, documents);
        access->acceptPendingPartialHome();
        pick(f, *access, SandboxScope::applications, f.applications);
    }
    std::filesystem::remove_all(documents);

    auto access = f.start();
    EXPECT_FALSE(access->homeGranted());
    EXPECT_TRUE(access->bookmarkWasStale());
    EXPECT_FALSE(f.hasStoredKey(SandboxScope::home));
    // The other grant is unaffected.
    EXPECT_TRUE(access->applicationsGranted());

    // Granting again clears the flag.
    pick(f, *access, SandboxScope::home, f.home);
    EXPECT_FALSE(access->bookmarkWasStale());
}

TEST(SandboxAccess, AFolderReplacedAtTheSamePathIsReopenedAndItsBookmarkRenewed)
{
    AccessFixture f;
    {
        auto access = f.start();
        pick(f, *access, SandboxScope::home, f.home);
    }
    const QByteArray before = f.settings()->value("Quillmere.SandboxBookmark.home").toByteArray();
    // The old folder stays alive elsewhere, so the new one cannot reuse its inode number.
    std::filesystem::rename(f.home, f.root.at("Users/old-demo"));
    std::filesystem::create_directory(f.home);

    auto access = f.start();
    EXPECT_TRUE(access->homeGranted());
    EXPECT_FALSE(access->bookmarkWasStale());
    EXPECT_NE(f.settings()->value("Quillmere.SandboxBookmark.home").toByteArray(), before);
}

TEST(SandboxAccess, OutsideTheSandboxAllIsGrantedAndUnreadableStoredDataIsDroppedOnlyInside)
{
    AccessFixture f;
    // A stored grant is not even read outside the sandbox.
    f.settings()->setValue("Quillmere.SandboxBookmark.home", QByteArray("not a bookmark"));
    auto access = f.start(/*sandboxed=*/false);
    EXPECT_FALSE(access->isSandboxed());
    EXPECT_TRUE(access->homeGranted());
    EXPECT_TRUE(access->applicationsGranted());
    EXPECT_EQ(access->grantedHomeURL(), f.home);
    EXPECT_TRUE(access->coversWholeHome());
    EXPECT_FALSE(access->bookmarkWasStale());

    access->revoke(SandboxScope::home);
    access->revoke(SandboxScope::applications);
    EXPECT_TRUE(access->homeGranted());
    EXPECT_TRUE(access->applicationsGranted());
    EXPECT_TRUE(f.hasStoredKey(SandboxScope::home));

    access = f.start();
    EXPECT_FALSE(access->homeGranted());
    EXPECT_TRUE(access->bookmarkWasStale());
    EXPECT_FALSE(f.hasStoredKey(SandboxScope::home));
}

TEST(SandboxAccess, SandboxIsDetectedFromTheContainerVariable)
{
    AccessFixture f;
    qputenv("APP_SANDBOX_CONTAINER_ID", "test");
    const bool inside =
        SandboxAccessManager({f.settings(), f.picker, f.home, f.applications, std::nullopt}).isSandboxed();
    qunsetenv("APP_SANDBOX_CONTAINER_ID");
    const bool outside =
        SandboxAccessManager({f.settings(), f.picker, f.home, f.applications, std::nullopt}).isSandboxed();
    EXPECT_TRUE(inside);
    EXPECT_FALSE(outside);
}

TEST(SandboxAccess, AncestryIsComparedByWholeComponents)
{
    EXPECT_TRUE(SandboxAccessManager::isSameOrAncestor("/Users/demo", "/Users/demo/Documents"));
    EXPECT_TRUE(SandboxAccessManager::isSameOrAncestor("/Users/demo/", "/Users/demo"));
    EXPECT_TRUE(SandboxAccessManager::isSameOrAncestor("/", "/Users"));
    EXPECT_FALSE(SandboxAccessManager::isSameOrAncestor("/Users/demo", "/Users/demo2"));
    EXPECT_FALSE(SandboxAccessManager::isSameOrAncestor("/Users/demo/Documents", "/Users/demo"));
    EXPECT_TRUE(SandboxAccessManager::isSameOrAncestor("/Users/x/../demo", "/Users/demo/a"));
}
