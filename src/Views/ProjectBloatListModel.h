#pragma once
// The idle build artefacts sub-tab: one row per dependency or build folder.

#include "Models/StorageModels.h"
#include "SyncedListModel.h"

class ProjectBloatListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role { ProjectName, ArtifactType, Path, Size, Idle, StateBadge, StateSymbol, RebuildCommand, Selected };

    using SyncedListModel::SyncedListModel;
    void setRows(std::vector<ProjectBloatItem> rows) { syncRows(rows_, std::move(rows)); }
    const ProjectBloatItem& at(int row) const { return rows_.at(row); }
    const std::vector<ProjectBloatItem>& records() const { return rows_; }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<ProjectBloatItem> rows_;
};
