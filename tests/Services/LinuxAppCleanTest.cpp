// Cleaning Linux applications: what a full uninstall takes for each kind, and what it
// must leave to the kind's own tool or to an administrator.
#include "Platform/FileOperations.h"
#include "Services/FlatpakRemoval.h"
#include "support/CleanFixture.h"
#include "support/FieldOf.h"
#include "support/Records.h"
#include "support/StandInFlatpak.h"

namespace {

using LinuxAppClean = CleanFixture;

Seeded<InstalledAppItem> ofKind(Seeded<InstalledAppItem> app, InstalledAppKind kind, std::string command = {})
{
    app.record.kind = kind;
    app.record.uninstallCommand = std::move(command);
    return app;
}

// An app of the person's own Flatpak installation in the test home, with its cache.
Seeded<InstalledAppItem> userFlatpak(const TempHome& home, const std::string& id)
{
    const std::string folder = ".local/share/flatpak/app/" + id;
    home.file(folder + "/x86_64/stable/0a1b/files/bin/app", 500);
    home.file(".var/app/" + id + "/cache/a", 10);
    Seeded<InstalledAppItem> app =
        ofKind(::app(home.at(folder), 500, {home.at(".var/app/" + id + "/cache")}, 10, true, id),
               InstalledAppKind::flatpakUser, "flatpak uninstall --user " + id);
    app.record.appId = id;
    return app;
}

} // namespace

TEST_F(LinuxAppClean, AUserFlatpakIsRemovedByItsToolAfterItsCachesAndCountsWhenTheToolSucceeds)
{
    const StandInFlatpak tool(0, true);
    EngineAccess::setInstalledApps(*engine, {userFlatpak(home, "org.gimp.GIMP")});
    const Int64 cache = home.allocated(".var/app/org.gimp.GIMP/cache/a");
    engine->commands().clean(CleanTarget::appUninstall);
    ASSERT_TRUE(waitForClean(*engine));

    EXPECT_EQ(tool.calls(), std::vector<std::string>{"uninstall|--user|--noninteractive|org.gimp.GIMP|"});
    // The tool works on the installation the scan read, not on the account's own.
    EXPECT_EQ(tool.userDirs(), std::vector<std::string>{home.at(".local/share/flatpak")});
    const auto& reports = engine->cleaner().lastCleanReport();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].url, home.at(".var/app/org.gimp.GIMP/cache"));
    EXPECT_EQ(reports[1].result, CleanItemResult::cleaned);
    EXPECT_EQ(reports[1].freedBytes, 500);
    EXPECT_FALSE(reports[1].trashedAt);
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), 500 + cache);
    EXPECT_TRUE(engine->results().installedApps().empty());
    EXPECT_FALSE(fileops::exists(home.at(".local/share/flatpak/app/org.gimp.GIMP")));
}

// The tool's word alone is not enough: an app whose deploy folder is still there after an
// exit status of 0 was not removed, and stays listed.
TEST_F(LinuxAppClean, AToolThatSucceedsButLeavesTheAppDoesNotCountAsRemoved)
{
    const StandInFlatpak tool(0);
    EngineAccess::setInstalledApps(*engine, {userFlatpak(home, "org.gimp.GIMP")});
    const Int64 cache = home.allocated(".var/app/org.gimp.GIMP/cache/a");
    engine->commands().clean(CleanTarget::appUninstall);
    ASSERT_TRUE(waitForClean(*engine));

    ASSERT_EQ(tool.calls().size(), 1u);
    ASSERT_EQ(engine->cleaner().lastCleanReport().size(), 2u);
    EXPECT_EQ(engine->cleaner().lastCleanReport()[1].result, CleanItemResult::skipped);
    EXPECT_EQ(engine->cleaner().lastCleanReport()[1].reason, CleanSkipReason::appStillThere);
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), cache); // the cache alone
    // Its deploy folder is the tool's business: we never touch it.
    EXPECT_TRUE(fileops::exists(home.at(".local/share/flatpak/app/org.gimp.GIMP/x86_64/stable/0a1b/files/bin/app")));
    EXPECT_EQ(engine->results().installedApps().size(), 1u);
}

TEST_F(LinuxAppClean, AFailingToolOrAnIdItMustNotBeGivenLeavesTheAppListedAndReportedAsSkipped)
{
    const StandInFlatpak tool(1);
    Seeded<InstalledAppItem> bad = userFlatpak(home, "-x.evil.App");
    EngineAccess::setInstalledApps(*engine, {userFlatpak(home, "org.gimp.GIMP"), bad});
    const Int64 caches =
        home.allocated(".var/app/org.gimp.GIMP/cache/a") + home.allocated(".var/app/-x.evil.App/cache/a");
    engine->commands().clean(CleanTarget::appUninstall);
    ASSERT_TRUE(waitForClean(*engine));

    EXPECT_EQ(tool.calls(), std::vector<std::string>{"uninstall|--user|--noninteractive|org.gimp.GIMP|"});
    const auto& reports = engine->cleaner().lastCleanReport();
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[1].result, CleanItemResult::skipped);
    EXPECT_EQ(reports[1].reason, CleanSkipReason::removalToolFailed);
    EXPECT_EQ(reports[1].toolExitStatus, 1);
    EXPECT_EQ(reports[3].reason, CleanSkipReason::notAnAppId);
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 2);
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), caches); // the caches alone
    ASSERT_EQ(engine->results().installedApps().size(), 2u);
    EXPECT_TRUE(engine->results().installedApps()[0].orphanPaths.empty());
}

TEST_F(LinuxAppClean, CacheOnlyNeverRunsTheToolAndAMissingToolIsSaidSo)
{
    {
        const StandInFlatpak tool(0);
        EngineAccess::setInstalledApps(*engine, {userFlatpak(home, "org.gimp.GIMP")});
        engine->commands().clean(CleanTarget::appCaches);
        ASSERT_TRUE(waitForClean(*engine));
        EXPECT_TRUE(tool.calls().empty());
        EXPECT_FALSE(fileops::exists(home.at(".var/app/org.gimp.GIMP/cache")));
    }
    const ScopedEnvironment noTool("PATH", home.mkdir("no-tools-here"));
    EngineAccess::setInstalledApps(*engine, {userFlatpak(home, "org.gimp.GIMP")});
    engine->commands().clean(CleanTarget::appUninstall);
    ASSERT_TRUE(waitForClean(*engine));
    ASSERT_EQ(engine->cleaner().lastCleanReport().size(), 2u);
    EXPECT_EQ(engine->cleaner().lastCleanReport()[1].reason, CleanSkipReason::removalToolMissing);
    EXPECT_EQ(engine->results().installedApps().size(), 1u);
}

TEST(FlatpakAppId, OnlyIdsTheToolAcceptsAndNoneThatReadAsAnOption)
{
    for (const char* good : {"org.gimp.GIMP", "com.example.My_App-2", "io.github.a1.b", "A.b.c"})
        EXPECT_TRUE(isFlatpakAppId(good)) << good;
    for (const std::string& bad :
         std::vector<std::string>{"", "org.gimp", "-org.gimp.GIMP", "org.gimp.-x", "org.1gimp.GIMP", "org..GIMP",
                                  "org.gimp.GIMP.", "org.gimp.GIMP;rm", "org.gimp.GÏMP", "org.gimp GIMP.x",
                                  std::string("org.gimp.x\0y", 12), "org.gimp." + std::string(247, 'a')})
        EXPECT_FALSE(isFlatpakAppId(bad)) << bad;
    EXPECT_TRUE(isFlatpakAppId("org.gimp." + std::string(246, 'a')));
}

TEST_F(LinuxAppClean, FullUninstallTakesAnAppImageWithItsLauncherButNeverAnAdministratorsApp)
{
    const Path image = home.file("Applications/Krita.AppImage", 100);
    const Path launcher = home.file(".local/share/applications/appimagekit_ab-Krita.desktop", 10);
    const Path icon = home.file(".local/share/icons/hicolor/64x64/apps/appimagekit_ab_krita.png", 10);
    const Path kritaCache = home.file(".cache/krita/a", 10);
    const Path snapMount = home.file("system/snap/firefox/4173/meta/snap.yaml", 10);
    const Path snapCache = home.file("snap/firefox/common/.cache/a", 10);
    const Path game = home.file(".local/share/Steam/steamapps/common/Game/game.bin", 10);

    Seeded<InstalledAppItem> krita =
        ofKind(app(image, 100, {home.at(".cache/krita")}, 10, true, "Krita"), InstalledAppKind::appImage);
    krita.record.uninstallPaths = {launcher, icon};
    EngineAccess::setInstalledApps(
        *engine,
        {krita,
         ofKind(app(home.at("system/snap/firefox"), 700, {home.at("snap/firefox/common/.cache")}, 10, true, "Firefox"),
                InstalledAppKind::snap, "sudo snap remove firefox"),
         ofKind(app(home.at(".local/share/Steam/steamapps/common/Game"), 900, {}, 0, true, "Game"),
                InstalledAppKind::steamGame, "steam steam://uninstall/1")});

    EXPECT_EQ(fieldOf(engine->commands().items(CleanTarget::appUninstall), &CleanItem::name),
              (std::vector<std::string>{"Krita", "Krita 启动项与图标", "Krita 启动项与图标", "Krita 缓存残留",
                                        "Firefox 缓存残留"}));
    engine->commands().clean(CleanTarget::appUninstall);
    ASSERT_TRUE(waitForClean(*engine));

    for (const Path& gone : {image, launcher, icon, kritaCache, snapCache})
        EXPECT_FALSE(fileops::exists(gone)) << gone;
    // What an administrator or Steam removes is never touched; the apps stay listed, caches gone.
    EXPECT_TRUE(fileops::exists(snapMount));
    EXPECT_TRUE(fileops::exists(game));
    const auto& apps = engine->results().installedApps();
    ASSERT_EQ(apps.size(), 2u);
    EXPECT_EQ(apps[0].name, "Firefox");
    EXPECT_TRUE(apps[0].orphanPaths.empty());
    EXPECT_FALSE(engine->selection().isSelected(apps[0]));
    EXPECT_EQ(apps[1].name, "Game");
}

TEST_F(LinuxAppClean, ARemovedFlatpaksDataGoesWholeOnlyWhenTickedInFullUninstall)
{
    const Path cache = home.file(".var/app/org.signal.Signal/cache/a", 10);
    const Path chats = home.file(".var/app/org.signal.Signal/config/Signal/sql/db.sqlite", 10);
    Seeded<InstalledAppItem> signal =
        ofKind(app(home.at(".var/app/org.signal.Signal"), 300, {home.at(".var/app/org.signal.Signal/cache")}, 10, true,
                   "org.signal.Signal"),
               InstalledAppKind::flatpakLeftover);
    EngineAccess::setInstalledApps(*engine, {signal});

    // Selecting everything for a full uninstall never takes a person's chats along.
    engine->selection().setAllInstalledApps(true, false);
    EXPECT_TRUE(engine->commands().items(CleanTarget::appUninstall).empty());
    engine->selection().setAllInstalledApps(true, true);
    engine->selection().deselectLeftoverFoldersForFullUninstall();
    EXPECT_FALSE(engine->selection().isSelected(engine->results().installedApps()[0]));

    // Cache only: the cache goes, the chats stay.
    engine->selection().setAllInstalledApps(true, true);
    engine->commands().clean(CleanTarget::appCaches);
    ASSERT_TRUE(waitForClean(*engine));
    EXPECT_FALSE(fileops::exists(cache));
    EXPECT_TRUE(fileops::exists(chats));

    // Ticked by hand in full uninstall: the whole folder, as one item.
    engine->selection().toggleInstalledApp(home.at(".var/app/org.signal.Signal"));
    const auto items = engine->commands().items(CleanTarget::appUninstall);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].url, home.at(".var/app/org.signal.Signal"));
}
