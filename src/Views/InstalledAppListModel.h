#pragma once
// Installed applications, shown for the app workspace's mode: in cache-only mode a row
// frees its leftovers and an app without any is disabled; in full-uninstall mode it frees
// the bundle as well.

#include "Models/StorageModels.h"
#include "Services/SelectionState.h"
#include "SyncedListModel.h"

class InstalledAppListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

    // What a row shows of the selection.
    static auto markOf(const SelectionState& selection)
    {
        return [&selection](const InstalledAppItem& record) { return selection.isSelected(record); };
    }

  public:
    enum Role { Name, AppId, Size, ModeBadge, ModeSymbol, Selectable, Selected, UninstallCommand, IconUrl };

    using SyncedListModel::SyncedListModel;
    // Shows `shown`, records of the published `list`.
    void setRows(SharedList<InstalledAppItem> list, const std::vector<const InstalledAppItem*>& shown,
                 const SelectionState& selection)
    {
        syncRows(rows_, sharedRows(shown, markOf(selection)), std::move(list));
    }
    void setMarks(const SelectionState& selection) { syncMarks(rows_, markOf(selection)); }
    const InstalledAppItem& at(int row) const { return *rows_.at(row).record; }
    std::vector<InstalledAppItem> records() const { return recordsOf(rows_); }
    void setOnlyCacheMode(bool onlyCache);
    bool onlyCacheMode() const { return onlyCache_; }
    // Whether a row can be selected in the current mode.
    bool isEnabled(const InstalledAppItem& app) const { return !onlyCache_ || app.orphanSizeBytes > 0; }
    QVariant data(const QModelIndex& index, int role) const override;
    // In full-uninstall mode a row takes the app itself only where this program may remove it.
    bool removesApp(const InstalledAppItem& app) const { return !onlyCache_ && app.isRemovedByFullUninstall(); }

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<SharedRow<InstalledAppItem, bool>> rows_;
    bool onlyCache_ = true;
};
