#pragma once
// The restore history: what earlier cleans moved to the Trash, newest clean first.

#include "Models/StorageModels.h"
#include "SyncedListModel.h"

class CleanRecordListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role { Name, Label, Size, CleanedAt };

    using SyncedListModel::SyncedListModel;
    void setRows(std::vector<CleanHistoryRecord> rows) { syncRows(rows_, std::move(rows)); }
    const CleanHistoryRecord& at(int row) const { return rows_.at(row); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<CleanHistoryRecord> rows_;
};
