// Selection adjustments the app workspace's mode switch asks for.
#include "Services/MacStorageScanner.h"

void MacStorageScanner::deselectInstalledAppsWithoutLeftovers()
{
    std::vector<InstalledAppItem> apps = installedApps_;
    bool changed = false;
    for (InstalledAppItem& app : apps)
        if (app.orphanSizeBytes == 0 && app.isSelected) {
            app.isSelected = false;
            changed = true;
        }
    if (changed)
        setInstalledApps(std::move(apps));
}
