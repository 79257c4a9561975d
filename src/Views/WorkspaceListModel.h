#pragma once
// The four workspaces as the sidebar tabs and the cockpit's pods show them: title, icon,
// accent, what each holds and which one is open.

#include "Models/StorageModels.h"
#include "SyncedListModel.h"

struct WorkspaceSummary {
    std::string id; // the workspace's raw value
    CleanTrustWorkspace workspace = CleanTrustWorkspace::oneClickSafe;
    qsizetype count = 0;
    Int64 scannedBytes = 0;
    Int64 selectedBytes = 0;
    bool isSelected = false;
    bool isCounting = false; // a scan has not published its figures yet

    bool operator==(const WorkspaceSummary&) const = default;
};

class WorkspaceListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role {
        Title,
        Subtitle,
        Symbol,
        Accent,
        Count,
        CountText,
        Size,
        SelectedSize,
        SelectedShare,
        IsSelected,
        IsCounting,
        WorkspaceValue
    };

    using SyncedListModel::SyncedListModel;
    void setRows(std::vector<WorkspaceSummary> rows) { syncRows(rows_, std::move(rows)); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<WorkspaceSummary> rows_;
};
