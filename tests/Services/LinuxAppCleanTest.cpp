// Cleaning Linux applications: what a full uninstall takes for each kind, and what it
// must leave to the kind's own tool or to an administrator.
#include "Platform/FileOperations.h"
#include "support/CleanFixture.h"
#include "support/Records.h"

namespace {

using LinuxAppClean = CleanFixture;

InstalledAppItem ofKind(InstalledAppItem app, InstalledAppKind kind, std::string command = {})
{
    app.kind = kind;
    app.uninstallCommand = std::move(command);
    return app;
}

std::vector<std::string> namesOf(const std::vector<CleanItem>& items)
{
    std::vector<std::string> out;
    for (const auto& item : items)
        out.push_back(item.name);
    return out;
}

} // namespace

TEST_F(LinuxAppClean, FullUninstallTakesAnAppImageWithItsLauncherButNeverAnAdministratorsApp)
{
    const URL image = home.file("Applications/Krita.AppImage", 100);
    const URL launcher = home.file(".local/share/applications/appimagekit_ab-Krita.desktop", 10);
    const URL icon = home.file(".local/share/icons/hicolor/64x64/apps/appimagekit_ab_krita.png", 10);
    const URL kritaCache = home.file(".cache/krita/a", 10);
    const URL snapMount = home.file("system/snap/firefox/4173/meta/snap.yaml", 10);
    const URL snapCache = home.file("snap/firefox/common/.cache/a", 10);
    const URL game = home.file(".local/share/Steam/steamapps/common/Game/game.bin", 10);

    InstalledAppItem krita =
        ofKind(app(image, 100, {home.at(".cache/krita")}, 10, true, "Krita"), InstalledAppKind::appImage);
    krita.uninstallURLs = {launcher, icon};
    EngineAccess::setInstalledApps(
        *engine,
        {krita,
         ofKind(app(home.at("system/snap/firefox"), 700, {home.at("snap/firefox/common/.cache")}, 10, true, "Firefox"),
                InstalledAppKind::snap, "sudo snap remove firefox"),
         ofKind(app(home.at(".local/share/Steam/steamapps/common/Game"), 900, {}, 0, true, "Game"),
                InstalledAppKind::steamGame, "steam steam://uninstall/1")});

    EXPECT_EQ(namesOf(engine->selectedAppItems(false)),
              (std::vector<std::string>{"Krita", "Krita 启动项与图标", "Krita 启动项与图标", "Krita 缓存残留",
                                        "Firefox 缓存残留"}));
    engine->uninstallSelectedApps(false);
    ASSERT_TRUE(waitForPurge(*engine));

    for (const URL& gone : {image, launcher, icon, kritaCache, snapCache})
        EXPECT_FALSE(fileops::exists(gone)) << gone;
    // What an administrator or Steam removes is never touched; the apps stay listed, caches gone.
    EXPECT_TRUE(fileops::exists(snapMount));
    EXPECT_TRUE(fileops::exists(game));
    const auto& apps = engine->installedApps();
    ASSERT_EQ(apps.size(), 2u);
    EXPECT_EQ(apps[0].name, "Firefox");
    EXPECT_TRUE(apps[0].orphanURLs.empty());
    EXPECT_FALSE(apps[0].isSelected);
    EXPECT_EQ(apps[1].name, "Game");
}

TEST_F(LinuxAppClean, ARemovedFlatpaksDataGoesWholeOnlyWhenTickedInFullUninstall)
{
    const URL cache = home.file(".var/app/org.signal.Signal/cache/a", 10);
    const URL chats = home.file(".var/app/org.signal.Signal/config/Signal/sql/db.sqlite", 10);
    InstalledAppItem signal = ofKind(app(home.at(".var/app/org.signal.Signal"), 300,
                                         {home.at(".var/app/org.signal.Signal/cache")}, 10, true, "org.signal.Signal"),
                                     InstalledAppKind::flatpakLeftover);
    EngineAccess::setInstalledApps(*engine, {signal});

    // Selecting everything for a full uninstall never takes a person's chats along.
    engine->setAllInstalledApps(true, false);
    EXPECT_TRUE(engine->selectedAppItems(false).empty());
    engine->setAllInstalledApps(true, true);
    engine->deselectLeftoverFoldersForFullUninstall();
    EXPECT_FALSE(engine->installedApps()[0].isSelected);

    // Cache only: the cache goes, the chats stay.
    engine->setAllInstalledApps(true, true);
    engine->uninstallSelectedApps(true);
    ASSERT_TRUE(waitForPurge(*engine));
    EXPECT_FALSE(fileops::exists(cache));
    EXPECT_TRUE(fileops::exists(chats));

    // Ticked by hand in full uninstall: the whole folder, as one item.
    engine->toggleInstalledApp(home.at(".var/app/org.signal.Signal"));
    const auto items = engine->selectedAppItems(false);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].url, home.at(".var/app/org.signal.Signal"));
}
