#include "InstalledAppListModel.h"

#include "DesktopIntegration.h"
#include "L10n/LocalizedAppName.h"
#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Theme/WindowIcons.h"

std::vector<QByteArray> InstalledAppListModel::roleNameList() const
{
    return {"name",   "appId", "size", "modeBadge", "modeSymbol", "selectable", "selected", "uninstallCommand",
            "iconUrl"};
}

void InstalledAppListModel::setOnlyCacheMode(bool onlyCache)
{
    if (onlyCache_ == onlyCache)
        return;
    onlyCache_ = onlyCache;
    refreshAllRows();
}

QVariant InstalledAppListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const InstalledAppItem& app = *rows_[index.row()].record;
    switch (role - this->role(0)) {
    case Name:
        return qt(localizedAppName(app, language()));
    case AppId:
        return qt(app.appId);
    case Size:
        return bytesText(onlyCache_ ? app.orphanSizeBytes : app.fullUninstallBytes(), language());
    case ModeBadge:
        if (!isEnabled(app))
            return qt(WindowTexts::noCacheLabel(language()));
        return qt(removesApp(app) ? WindowTexts::uninstallBadge(language()) : WindowTexts::cacheCleanBadge(language()));
    case ModeSymbol:
        return qt(removesApp(app) ? WindowIcons::uninstallBadge : WindowIcons::cacheCleanBadge);
    case UninstallCommand:
        // What a removed package left says whose it was in either mode: that is the evidence.
        if (app.kind == InstalledAppKind::removedPackage)
            return qt(WindowTexts::removedPackageNote(language(), app.appId, app.removedOn));
        if (onlyCache_ || app.uninstallCommand.empty())
            return QString();
        if (app.removedThroughPackageKit)
            return qt(WindowTexts::packageKitUninstallNote(language(), app.appId));
        // A user Flatpak's command is run by the clean; the others are shown, never run:
        // an administrator or another program removes those apps.
        if (removesApp(app))
            return qt(WindowTexts::toolUninstallNote(language(), app.uninstallCommand));
        return qt(WindowTexts::uninstallCommandNote(language(), app.uninstallCommand));
    case IconUrl:
        return app.iconPath.empty() ? QUrl() : fileUrlOfPath(app.iconPath);
    case Selectable:
        return isEnabled(app);
    case Selected:
        return rows_[index.row()].mark;
    }
    return {};
}
