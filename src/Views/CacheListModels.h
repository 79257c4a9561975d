#pragma once
// The zero-risk workspace's rows (one per scenario card) and the inspected card's sub-items.

#include "Models/StorageModels.h"
#include "Services/SelectionState.h"
#include "SyncedListModel.h"

// What a card's row shows of the selection of its caches.
struct CardMark {
    Int64 selectedBytes = 0;
    bool allSelected = false;
    bool operator==(const CardMark&) const = default;
};

class RuleCardListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

    // What a row shows of the selection.
    static auto markOf(const SelectionState& selection)
    {
        return [&selection](const SafeCacheRuleCard& card) {
            return CardMark{selection.selectedBytes(card), selection.isAllSelected(card)};
        };
    }

  public:
    enum Role { Title, Promise, Symbol, Accent, Size, Selected, Partial, ProtectedByDefault, Badge, BadgeSymbol };

    using SyncedListModel::SyncedListModel;
    // Shows `shown`, records of the published `list`.
    void setRows(SharedList<SafeCacheRuleCard> list, const std::vector<const SafeCacheRuleCard*>& shown,
                 const SelectionState& selection)
    {
        syncRows(rows_, sharedRows(shown, markOf(selection)), std::move(list));
    }
    void setMarks(const SelectionState& selection) { syncMarks(rows_, markOf(selection)); }
    const SafeCacheRuleCard& at(int row) const { return *rows_.at(row).record; }
    std::vector<SafeCacheRuleCard> records() const { return recordsOf(rows_); }
    QVariant data(const QModelIndex& index, int role) const override;

    // Everything in the card stays unselected until asked for.
    static bool isProtectedByDefault(const SafeCacheRuleCard& card);

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<SharedRow<SafeCacheRuleCard, CardMark>> rows_;
};

class CacheSubItemListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role {
        Name,
        Note,
        Size,
        SafetyLevel,
        Verification,
        LastModified,
        Path,
        ContentPreview,
        Selected,
        SafeDefault
    };

    using SyncedListModel::SyncedListModel;
    void setRows(std::vector<CacheSubItem> rows, const SelectionState& selection)
    {
        syncRows(rows_,
                 markedRows(std::move(rows), [&](const CacheSubItem& item) { return selection.isSelected(item); }));
    }
    const CacheSubItem& at(int row) const { return rows_.at(row).record; }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<MarkedRow<CacheSubItem, bool>> rows_;
};
