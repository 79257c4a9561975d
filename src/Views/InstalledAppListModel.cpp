#include "InstalledAppListModel.h"

#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Theme/WindowIcons.h"

std::vector<QByteArray> InstalledAppListModel::roleNameList() const
{
    return {"name", "bundleId", "size", "modeBadge", "modeSymbol", "selectable", "selected", "uninstallCommand"};
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
    const InstalledAppItem& app = rows_[index.row()];
    switch (role - this->role(0)) {
    case Name:
        return qt(app.name);
    case BundleId:
        return qt(app.bundleId);
    case Size:
        return bytesText(onlyCache_ ? app.orphanSizeBytes : app.fullUninstallBytes(), language());
    case ModeBadge:
        if (!isEnabled(app))
            return qt(WindowTexts::noCacheLabel(language()));
        return qt(removesApp(app) ? WindowTexts::uninstallBadge(language()) : WindowTexts::cacheCleanBadge(language()));
    case ModeSymbol:
        return qt(removesApp(app) ? WindowIcons::uninstallBadge : WindowIcons::cacheCleanBadge);
    case UninstallCommand:
        // Shown, never run: the app's own tool or an administrator removes it.
        if (onlyCache_ || app.uninstallCommand.empty())
            return QString();
        return qt(WindowTexts::uninstallCommandNote(language(), app.uninstallCommand));
    case Selectable:
        return isEnabled(app);
    case Selected:
        return app.isSelected;
    }
    return {};
}
