// Folder grants: what a pick grants, what it only proposes, and what survives a restart.
#include "Views/AccessTestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <filesystem>

using Kind = GrantOutcome::Kind;

TEST(FolderAccess, PickingAnAncestorOfHomeGrantsThatFolder)
{
    AccessFixture f;
    auto access = f.start();
    ASSERT_FALSE(access->homeGranted());
    QSignalSpy granted(access.get(), &FolderAccess::homeGrantedChanged);

    EXPECT_EQ(f.pick(*access, AccessScope::home, f.root.at("Users")), GrantOutcome::granted());

    EXPECT_TRUE(access->homeGranted());
    EXPECT_EQ(granted.count(), 1);
    EXPECT_EQ(access->grantedHomePath(), f.root.at("Users"));
    EXPECT_TRUE(access->coversWholeHome());
    EXPECT_EQ(access->grantedHomeDisplayName(), "Users");
    EXPECT_TRUE(f.hasStoredKey(*access, AccessScope::home));
    EXPECT_FALSE(f.hasStoredKey(*access, AccessScope::applications));
    // The picker opened at the home folder with the window's texts.
    ASSERT_EQ(f.picker->requests.size(), 1u);
    EXPECT_EQ(f.picker->requests[0].initialFolder, f.home);
    EXPECT_EQ(f.picker->requests[0].prompt, "Grant Access");
}

TEST(FolderAccess, SubfolderIsOnlyProposedUntilKept)
{
    AccessFixture f;
    const std::string documents = f.root.mkdir("Users/demo/Documents");
    auto access = f.start();

    EXPECT_EQ(f.pick(*access, AccessScope::home, documents), GrantOutcome::partial(documents));
    EXPECT_FALSE(access->homeGranted());
    EXPECT_FALSE(access->grantedHomePath());
    EXPECT_FALSE(f.hasStoredKey(*access, AccessScope::home));
    EXPECT_EQ(access->pendingPartialPath(), documents);

    access->acceptPendingPartialHome();
    EXPECT_TRUE(access->homeGranted());
    EXPECT_EQ(access->grantedHomePath(), documents);
    EXPECT_FALSE(access->coversWholeHome());
    EXPECT_EQ(access->grantedHomeDisplayName(), "Documents");
    EXPECT_FALSE(access->pendingPartialPath());
    EXPECT_TRUE(f.hasStoredKey(*access, AccessScope::home));

    // Nothing pending any more: a second accept changes nothing.
    access->acceptPendingPartialHome();
    EXPECT_EQ(access->grantedHomePath(), documents);
}

TEST(FolderAccess, FoldersBesideTheExpectedOneAreOutside)
{
    AccessFixture f;
    const std::string elsewhere = f.root.mkdir("Volumes/Other");
    const std::string lookalike = f.root.mkdir("Users/demo2"); // shares a name prefix with the home folder
    auto access = f.start();

    EXPECT_EQ(f.pick(*access, AccessScope::home, elsewhere), GrantOutcome::outside(elsewhere));
    EXPECT_EQ(f.pick(*access, AccessScope::home, lookalike), GrantOutcome::outside(lookalike));
    // For Applications even a folder inside the home folder is outside.
    EXPECT_EQ(f.pick(*access, AccessScope::applications, f.home), GrantOutcome::outside(f.home));
    EXPECT_EQ(f.pick(*access, AccessScope::applications, f.applications + "/Sub"),
              GrantOutcome::outside(f.applications + "/Sub"));
    EXPECT_FALSE(access->homeGranted());
    EXPECT_FALSE(access->applicationsGranted());
    EXPECT_FALSE(access->pendingPartialPath());

    EXPECT_EQ(f.pick(*access, AccessScope::applications, f.root.path()), GrantOutcome::granted());
    EXPECT_TRUE(access->applicationsGranted());
    EXPECT_FALSE(access->homeGranted());
}

TEST(FolderAccess, CancellingChangesNothing)
{
    AccessFixture f;
    auto access = f.start();
    // The pick is standardized before it is classified.
    ASSERT_EQ(f.pick(*access, AccessScope::home, f.home + "/Documents/../"), GrantOutcome::granted());
    const QByteArray stored = f.storedGrant(*access, AccessScope::home);
    QSignalSpy changed(access.get(), &FolderAccess::homeGrantedChanged);

    EXPECT_EQ(f.pick(*access, AccessScope::home, std::nullopt), GrantOutcome::cancelled());
    EXPECT_EQ(f.pick(*access, AccessScope::home, std::string()), GrantOutcome::cancelled());

    EXPECT_TRUE(access->homeGranted());
    EXPECT_EQ(access->grantedHomePath(), f.home);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(f.storedGrant(*access, AccessScope::home), stored);
}

TEST(FolderAccess, GrantsSurviveARestartAndRevokeForgetsThem)
{
    AccessFixture f;
    {
        auto access = f.start();
        f.pick(*access, AccessScope::home, f.home);
        f.pick(*access, AccessScope::applications, f.applications);
    }
    {
        auto access = f.start();
        EXPECT_TRUE(access->homeGranted());
        EXPECT_TRUE(access->applicationsGranted());
        EXPECT_EQ(access->grantedHomePath(), f.home);
        EXPECT_EQ(access->activePaths().size(), 2u);
        EXPECT_FALSE(access->grantWasStale());

        access->revoke(AccessScope::home);
        EXPECT_FALSE(access->homeGranted());
        EXPECT_FALSE(access->grantedHomePath());
        EXPECT_FALSE(f.hasStoredKey(*access, AccessScope::home));
        EXPECT_TRUE(f.hasStoredKey(*access, AccessScope::applications));
        EXPECT_EQ(access->activePaths().count(AccessScope::home), 0u);
    }
    auto access = f.start();
    EXPECT_FALSE(access->homeGranted());
    EXPECT_FALSE(access->grantWasStale());
    EXPECT_TRUE(access->applicationsGranted());
}

TEST(FolderAccess, AGrantWhoseFolderIsGoneIsDroppedAndFlaggedStale)
{
    AccessFixture f;
    const std::string documents = f.root.mkdir("Users/demo/Documents");
    {
        auto access = f.start();
        f.pick(*access, AccessScope::home, documents);
        access->acceptPendingPartialHome();
        f.pick(*access, AccessScope::applications, f.applications);
    }
    std::filesystem::remove_all(documents);

    auto access = f.start();
    EXPECT_FALSE(access->homeGranted());
    EXPECT_TRUE(access->grantWasStale());
    EXPECT_FALSE(f.hasStoredKey(*access, AccessScope::home));
    // The other grant is unaffected.
    EXPECT_TRUE(access->applicationsGranted());

    // Granting again clears the flag.
    f.pick(*access, AccessScope::home, f.home);
    EXPECT_FALSE(access->grantWasStale());
}

TEST(FolderAccess, AFolderReplacedAtTheSamePathIsReopenedAndItsFolderGrantRenewed)
{
    AccessFixture f;
    {
        auto access = f.start();
        f.pick(*access, AccessScope::home, f.home);
    }
    const QByteArray before = f.settings()->value("Quillmere.SandboxBookmark.home").toByteArray();
    // The old folder stays alive elsewhere, so the new one cannot reuse its inode number.
    std::filesystem::rename(f.home, f.root.at("Users/old-demo"));
    std::filesystem::create_directory(f.home);

    auto access = f.start();
    EXPECT_TRUE(access->homeGranted());
    EXPECT_FALSE(access->grantWasStale());
    EXPECT_NE(f.storedGrant(*access, AccessScope::home), before);
}

TEST(FolderAccess, OutsideAFlatpakAllIsGrantedAndUnreadableStoredDataIsDroppedOnlyInside)
{
    AccessFixture f;
    // A stored grant is not even read outside the sandbox.
    f.settings()->setValue("Quillmere.SandboxBookmark.home", QByteArray("not a bookmark"));
    auto access = f.start(/*asksForGrants=*/false);
    EXPECT_FALSE(access->asksForGrants());
    EXPECT_TRUE(access->homeGranted());
    EXPECT_TRUE(access->applicationsGranted());
    EXPECT_EQ(access->grantedHomePath(), f.home);
    EXPECT_TRUE(access->coversWholeHome());
    EXPECT_FALSE(access->grantWasStale());

    access->revoke(AccessScope::home);
    access->revoke(AccessScope::applications);
    EXPECT_TRUE(access->homeGranted());
    EXPECT_TRUE(access->applicationsGranted());
    EXPECT_TRUE(f.hasStoredKey(*access, AccessScope::home));

    access = f.start();
    EXPECT_FALSE(access->homeGranted());
    EXPECT_TRUE(access->grantWasStale());
    EXPECT_FALSE(f.hasStoredKey(*access, AccessScope::home));
}

TEST(FolderAccess, GrantsAreAskedForInsideAFlatpak)
{
    AccessFixture f;
    const std::string probe = f.root.at("flatpak-info");
    const auto asks = [&] {
        return FolderAccess({f.settings(), f.picker, f.home, f.applications, std::nullopt, probe}).asksForGrants();
    };
    EXPECT_FALSE(asks());
    f.root.file("flatpak-info", 10);
    EXPECT_TRUE(asks());
}

TEST(FolderAccess, AncestryIsComparedByWholeComponents)
{
    EXPECT_TRUE(FolderAccess::isSameOrAncestor("/Users/demo", "/Users/demo/Documents"));
    EXPECT_TRUE(FolderAccess::isSameOrAncestor("/Users/demo/", "/Users/demo"));
    EXPECT_TRUE(FolderAccess::isSameOrAncestor("/", "/Users"));
    EXPECT_FALSE(FolderAccess::isSameOrAncestor("/Users/demo", "/Users/demo2"));
    EXPECT_FALSE(FolderAccess::isSameOrAncestor("/Users/demo/Documents", "/Users/demo"));
    EXPECT_TRUE(FolderAccess::isSameOrAncestor("/Users/x/../demo", "/Users/demo/a"));
}
