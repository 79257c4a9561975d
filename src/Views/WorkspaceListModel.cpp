#include "WorkspaceListModel.h"

#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Theme/CorvelPalette.h"
#include "Theme/WindowIcons.h"
#include "WindowPalette.h"

std::vector<QByteArray> WorkspaceListModel::roleNameList() const
{
    return {"title", "subtitle", "symbol", "accent", "count", "size", "selectedSize", "isSelected"};
}

QVariant WorkspaceListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const WorkspaceSummary& summary = rows_[index.row()];
    switch (role - this->role(0)) {
    case Title:
        return qt(WindowTexts::title(summary.workspace, language()));
    case Subtitle:
        return qt(WindowTexts::subtitle(summary.workspace, language()));
    case Symbol:
        return qt(WindowIcons::symbolName(summary.workspace));
    case Accent:
        return WindowPalette::color(CorvelPalette::accent(summary.workspace));
    case Count:
        return summary.count;
    case Size:
        return bytesText(summary.scannedBytes);
    case SelectedSize:
        return bytesText(summary.selectedBytes);
    case IsSelected:
        return summary.isSelected;
    }
    return {};
}
