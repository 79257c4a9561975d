#pragma once
// The zero-risk workspace's rows (one per scenario card) and the inspected card's sub-items.

#include "Models/StorageModels.h"
#include "SyncedListModel.h"

class RuleCardListModel : public SyncedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    enum Role { Title, Promise, Symbol, Accent, Size, Selected, Partial, ProtectedByDefault, Badge, BadgeSymbol };

    using SyncedListModel::SyncedListModel;
    void setRows(std::vector<SafeCacheRuleCard> rows) { syncRows(rows_, std::move(rows)); }
    const SafeCacheRuleCard& at(int row) const { return rows_.at(row); }
    const std::vector<SafeCacheRuleCard>& records() const { return rows_; }
    QVariant data(const QModelIndex& index, int role) const override;

    // Everything in the card stays unselected until asked for.
    static bool isProtectedByDefault(const SafeCacheRuleCard& card);

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<SafeCacheRuleCard> rows_;
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
    void setRows(std::vector<CacheSubItem> rows) { syncRows(rows_, std::move(rows)); }
    const CacheSubItem& at(int row) const { return rows_.at(row); }
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    std::vector<QByteArray> roleNameList() const override;
    int rowTotal() const override { return int(rows_.size()); }

  private:
    std::vector<CacheSubItem> rows_;
};
