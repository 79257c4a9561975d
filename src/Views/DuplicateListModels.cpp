#include "DuplicateListModels.h"

#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "RowDates.h"

#include <algorithm>

std::vector<QByteArray> DuplicateGroupListModel::roleNameList() const
{
    return {"title", "cloneCount", "eachSize", "reclaimable", "selected"};
}

QVariant DuplicateGroupListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const DuplicateFileGroup& group = rows_[index.row()];
    switch (role - this->role(0)) {
    case Title:
        return qt(group.title);
    case CloneCount: {
        const auto clones = std::count_if(group.members.begin(), group.members.end(),
                                          [](const DuplicateFileMember& m) { return !m.isLockedOriginal; });
        return qt(WindowTexts::duplicateCloneCount(language(), clones));
    }
    case EachSize:
        return bytesText(group.eachSizeBytes, language());
    case Reclaimable:
        return bytesText(group.reclaimableBytes(), language());
    case Selected:
        return group.isAnySelectedForDelete();
    }
    return {};
}

std::vector<QByteArray> DuplicateMemberListModel::roleNameList() const
{
    return {"name", "folderName", "path", "size", "modified", "lockedOriginal", "selectedForDelete", "roleText"};
}

QVariant DuplicateMemberListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const DuplicateFileMember& member = rows_[index.row()];
    switch (role - this->role(0)) {
    case Name:
        return qt(member.name);
    case FolderName:
        return qt(member.folderName);
    case Path:
        return qt(member.url);
    case Size:
        return bytesText(member.sizeBytes, language());
    case Modified:
        return dayText(member.modifiedDate);
    case LockedOriginal:
        return member.isLockedOriginal;
    case SelectedForDelete:
        return member.isSelectedForDelete;
    case RoleText:
        return qt(member.isLockedOriginal ? WindowTexts::lockedOriginal(language())
                                          : WindowTexts::redundantClone(language()));
    }
    return {};
}
