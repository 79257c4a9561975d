#include "WorkspaceListModel.h"

#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Theme/CorvelPalette.h"
#include "Theme/WindowIcons.h"
#include "WindowPalette.h"

#include <algorithm>

std::vector<QByteArray> WorkspaceListModel::roleNameList() const
{
    return {"title", "subtitle",     "symbol",        "accent",     "count",      "countText",
            "size",  "selectedSize", "selectedShare", "isSelected", "isCounting", "workspace"};
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
    case CountText:
        return qt(WindowTexts::itemCount(language(), summary.count));
    case Size:
        return bytesText(summary.scannedBytes, language());
    case SelectedSize:
        return bytesText(summary.selectedBytes, language());
    case SelectedShare: // of what it holds; an uninstall selects more than the leftovers it lists
        return summary.scannedBytes > 0 ? std::min(1.0, double(summary.selectedBytes) / double(summary.scannedBytes))
                                        : 0.0;
    case IsSelected:
        return summary.isSelected;
    case IsCounting:
        return summary.isCounting;
    case WorkspaceValue: // as WindowLists names it
        return int(summary.workspace);
    }
    return {};
}
