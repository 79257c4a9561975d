#include "ProjectBloatListModel.h"

#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "ReclaimableText.h"
#include "Theme/WindowIcons.h"

std::vector<QByteArray> ProjectBloatListModel::roleNameList() const
{
    return {"projectName", "artifactType", "path",           "size",    "idle",
            "stateBadge",  "stateSymbol",  "rebuildCommand", "selected"};
}

QVariant ProjectBloatListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const ProjectBloatItem& item = *rows_[index.row()].record;
    switch (role - this->role(0)) {
    case ProjectName:
        return qt(item.projectName);
    case ArtifactType:
        return qt(item.artifactType);
    case Path:
        return qt(item.displayPath);
    case Size:
        return sizeAndFreesText(item.sizeBytes, item.reclaimableBytes, language());
    case Idle:
        return item.isIdle();
    case StateBadge:
        if (!item.packagesRecorded)
            return qt(WindowTexts::projectUnrecordedBadge(language()));
        return item.isIdle() ? qt(WindowTexts::projectIdleDays(language(), item.daysSinceModified))
                             : qt(WindowTexts::projectActiveBadge(language()));
    case StateSymbol:
        return qt(item.isIdle() ? WindowIcons::projectIdle : WindowIcons::projectActive);
    case RebuildCommand:
        return qt(item.rebuildCommand);
    case Selected:
        return rows_[index.row()].mark;
    }
    return {};
}
