#pragma once
// The restore history: what earlier cleans moved to the Trash, newest clean first. Each row
// names the folder its item came from, so parts of one app's leftovers read apart.

#include "Models/StorageModels.h"
#include "SyncedListModel.h"

class CleanRecordListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role { Name, Label, Size, CleanedAt, Place };

    using SyncedListModel::SyncedListModel;
    void setRows(std::vector<CleanHistoryRecord> rows) { syncRows(rows_, std::move(rows)); }
    // Places inside this folder are shown from "~".
    void setHome(Path home) { home_ = std::move(home); }
    const CleanHistoryRecord& at(int row) const { return rows_.at(row); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<CleanHistoryRecord> rows_;
    Path home_;
};
