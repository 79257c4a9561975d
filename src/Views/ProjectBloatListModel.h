#pragma once
// The idle build artefacts sub-tab: one row per dependency or build folder.

#include "Models/StorageModels.h"
#include "Services/SelectionState.h"
#include "SyncedListModel.h"

class ProjectBloatListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

    // What a row shows of the selection.
    static auto markOf(const SelectionState& selection)
    {
        return [&selection](const ProjectBloatItem& record) { return selection.isSelected(record); };
    }

  public:
    enum Role { ProjectName, ArtifactType, Path, Size, Idle, StateBadge, StateSymbol, RebuildCommand, Selected };

    using SyncedListModel::SyncedListModel;
    // Shows `shown`, records of the published `list`.
    void setRows(SharedList<ProjectBloatItem> list, const std::vector<const ProjectBloatItem*>& shown,
                 const SelectionState& selection)
    {
        syncRows(rows_, sharedRows(shown, markOf(selection)), std::move(list));
    }
    void setMarks(const SelectionState& selection) { syncMarks(rows_, markOf(selection)); }
    const ProjectBloatItem& at(int row) const { return *rows_.at(row).record; }
    std::vector<ProjectBloatItem> records() const { return recordsOf(rows_); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<SharedRow<ProjectBloatItem, bool>> rows_;
};
