#include "DuplicateListModels.h"

#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "ReclaimableText.h"
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
    const DuplicateFileGroup& group = *rows_[index.row()].record;
    const GroupMark& mark = rows_[index.row()].mark;
    switch (role - this->role(0)) {
    case Title:
        return qt(group.title);
    case CloneCount:
        return qt(WindowTexts::duplicateCloneCount(language(), mark.copies));
    case EachSize:
        return bytesText(group.eachSizeBytes, language());
    case Reclaimable:
        return bytesText(mark.reclaimableBytes, language());
    case Selected:
        return mark.anySelected;
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
    const DuplicateFileMember& member = rows_[index.row()].record;
    const MemberMark& mark = rows_[index.row()].mark;
    switch (role - this->role(0)) {
    case Name:
        return qt(member.name);
    case FolderName:
        return qt(member.folderName);
    case Path:
        return qt(member.url);
    case Size:
        return sizeAndFreesText(member.sizeBytes, member.reclaimableBytes, language());
    case Modified:
        return dayText(member.modifiedDate);
    case LockedOriginal:
        return mark.kept;
    case SelectedForDelete:
        return mark.markedForDelete;
    case RoleText:
        return qt(mark.kept ? WindowTexts::lockedOriginal(language()) : WindowTexts::redundantClone(language()));
    }
    return {};
}

namespace {

auto groupMarkOf(const SelectionState& selection)
{
    return [&selection](const DuplicateFileGroup& group) {
        const std::int64_t copies = std::int64_t(group.members.size()) - (selection.keptOriginal(group) ? 1 : 0);
        return GroupMark{selection.reclaimableBytes(group), selection.isAnySelectedForDelete(group), copies};
    };
}

} // namespace

void DuplicateGroupListModel::setRows(SharedList<DuplicateFileGroup> list,
                                      const std::vector<const DuplicateFileGroup*>& shown,
                                      const SelectionState& selection)
{
    syncRows(rows_, sharedRows(shown, groupMarkOf(selection)), std::move(list));
}

void DuplicateGroupListModel::setMarks(const SelectionState& selection) { syncMarks(rows_, groupMarkOf(selection)); }

void DuplicateMemberListModel::setRows(const DuplicateFileGroup& group, const SelectionState& selection)
{
    syncRows(rows_, markedRows(group.members, [&](const DuplicateFileMember& member) {
                 return MemberMark{selection.isKept(group, member), selection.isMarkedForDelete(group, member)};
             }));
}
