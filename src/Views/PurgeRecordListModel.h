#pragma once
// The restore history: what earlier cleans moved to the Trash, newest clean first.

#include "Models/StorageModels.h"
#include "SyncedListModel.h"

class PurgeRecordListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role { Name, Label, Size, CleanedAt };

    using SyncedListModel::SyncedListModel;
    void setRows(std::vector<PurgeHistoryRecord> rows) { syncRows(rows_, std::move(rows)); }
    const PurgeHistoryRecord& at(int row) const { return rows_.at(row); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<PurgeHistoryRecord> rows_;
};
