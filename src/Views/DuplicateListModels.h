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
    void setRows(std::vector<DuplicateFileGroup> rows) { syncRows(rows_, std::move(rows)); }
    const DuplicateFileGroup& at(int row) const { return rows_.at(row); }
    const std::vector<DuplicateFileGroup>& records() const { return rows_; }
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
    void setRows(std::vector<DuplicateFileMember> rows) { syncRows(rows_, std::move(rows)); }
    const DuplicateFileMember& at(int row) const { return rows_.at(row); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<DuplicateFileMember> rows_;
};
