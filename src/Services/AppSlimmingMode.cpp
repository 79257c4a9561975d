// Selection adjustments the app workspace's mode switch asks for.
#include "Services/StorageEngine.h"

void StorageEngine::deselectInstalledAppsWhere(const std::function<bool(const InstalledAppItem&)>& unwanted)
{
    std::vector<InstalledAppItem> apps = installedApps_;
    bool changed = false;
    for (InstalledAppItem& app : apps)
        if (app.isSelected && unwanted(app)) {
            app.isSelected = false;
            changed = true;
        }
    if (changed)
        setInstalledApps(std::move(apps));
}

void StorageEngine::deselectInstalledAppsWithoutLeftovers()
{
    deselectInstalledAppsWhere([](const InstalledAppItem& app) { return app.orphanSizeBytes == 0; });
}

void StorageEngine::deselectLeftoverFoldersForFullUninstall()
{
    deselectInstalledAppsWhere(
        [](const InstalledAppItem& app) { return app.kind == InstalledAppKind::flatpakLeftover; });
}
