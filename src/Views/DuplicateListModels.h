#pragma once
// The exact clones sub-tab (one row per group of identical files) and the inspected group's
// members.

#include "Models/StorageModels.h"
#include "SyncedListModel.h"

class DuplicateGroupListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role { Title, CloneCount, EachSize, Reclaimable, Selected };

    using SyncedListModel::SyncedListModel;
    void setGroups(std::vector<DuplicateFileGroup> groups) { syncRows(rows_, std::move(groups)); }
    const DuplicateFileGroup& at(int row) const { return rows_.at(row); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<DuplicateFileGroup> rows_;
};

class DuplicateMemberListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role { Name, FolderName, Path, Size, Modified, LockedOriginal, SelectedForDelete, RoleText };

    using SyncedListModel::SyncedListModel;
    void setMembers(std::vector<DuplicateFileMember> members) { syncRows(rows_, std::move(members)); }
    const DuplicateFileMember& at(int row) const { return rows_.at(row); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<DuplicateFileMember> rows_;
};
