#pragma once
// The exact clones sub-tab (one row per group of identical files) and the inspected group's
// members.

#include "Models/StorageModels.h"
#include "Services/SelectionState.h"
#include "SyncedListModel.h"

// What a group's row shows of the selection of its copies.
struct GroupMark {
    Int64 reclaimableBytes = 0;
    bool anySelected = false;
    std::int64_t copies = 0; // the members beside the one kept
    bool operator==(const GroupMark&) const = default;
};

// Whether a member is the one its group keeps, and whether a clean takes it.
struct MemberMark {
    bool kept = false;
    bool markedForDelete = false;
    bool operator==(const MemberMark&) const = default;
};

class DuplicateGroupListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role { Title, CloneCount, EachSize, Reclaimable, Selected };

    using SyncedListModel::SyncedListModel;
    // Shows `shown`, records of the published `list`.
    void setRows(SharedList<DuplicateFileGroup> list, const std::vector<const DuplicateFileGroup*>& shown,
                 const SelectionState& selection);
    void setMarks(const SelectionState& selection);
    const DuplicateFileGroup& at(int row) const { return *rows_.at(row).record; }
    std::vector<DuplicateFileGroup> records() const { return recordsOf(rows_); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<SharedRow<DuplicateFileGroup, GroupMark>> rows_;
};

class DuplicateMemberListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role { Name, FolderName, Path, Size, Modified, LockedOriginal, SelectedForDelete, RoleText };

    using SyncedListModel::SyncedListModel;
    // The members of one group (none: an empty group).
    void setRows(const DuplicateFileGroup& group, const SelectionState& selection);
    const DuplicateFileMember& at(int row) const { return rows_.at(row).record; }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<MarkedRow<DuplicateFileMember, MemberMark>> rows_;
};
