#pragma once
// The large files of the chosen category, in the engine's order.

#include "Models/StorageModels.h"
#include "Services/SelectionState.h"
#include "SyncedListModel.h"

class LargeFileListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

    // What a row shows of the selection.
    static auto markOf(const SelectionState& selection)
    {
        return [&selection](const LargeFileItem& record) { return selection.isSelected(record); };
    }

  public:
    enum Role { Name, Path, Category, Verification, Size, Modified, IsVideo, Selected };

    using SyncedListModel::SyncedListModel;
    // Shows `shown`, records of the published `list`.
    void setRows(SharedList<LargeFileItem> list, const std::vector<const LargeFileItem*>& shown,
                 const SelectionState& selection)
    {
        syncRows(rows_, sharedRows(shown, markOf(selection)), std::move(list));
    }
    void setMarks(const SelectionState& selection) { syncMarks(rows_, markOf(selection)); }
    const LargeFileItem& at(int row) const { return *rows_.at(row).record; }
    std::vector<LargeFileItem> records() const { return recordsOf(rows_); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<SharedRow<LargeFileItem, bool>> rows_;
};
