#pragma once
// The adapters of the five shown lists. Each follows its list of the engine; what differs
// between lists (which records and engine commands, what counts as selected, a category or
// a mode) is all that is written per list.

#include "CacheListModels.h"
#include "DuplicateListModels.h"
#include "InstalledAppListModel.h"
#include "LargeFileListModel.h"
#include "ProjectBloatListModel.h"
#include "Services/StorageEngine.h"
#include "ShownListAdapter.h"

#include <algorithm>

// Where one list lives in the engine.
template <typename Record> struct EngineList {
    const std::vector<Record>& (ScanResults::*records)() const;
    SharedList<Record> (ScanResults::*shared)() const;
    void (ScanResults::*changed)();
    void (SelectionState::*selectionChanged)();
    void (SelectionState::*toggle)(const std::string& id);
    Int64 (ScanResults::*scannedBytes)() const;
    Int64 (SelectionState::*selectedBytes)() const;
    CleanTarget target;
};

// What every list does alike, over its records and its list model.
template <typename Record, typename Model> class RecordListAdapter : public ShownListAdapter {
  public:
    RecordListAdapter(ShownList list, StorageEngine& engine, EngineList<Record> where, QObject* parent)
        : ShownListAdapter(list, engine, parent), where_(where), model_(this)
    {
        connect(&engine.results(), where.changed, this, [this] {
            follow();
            Q_EMIT published();
        });
        // The records stay as they are: only their marks are read again.
        connect(&engine.selection(), where.selectionChanged, this, [this] {
            model_.setMarks(engine_.selection());
            Q_EMIT published();
        });
    }

    Model& model() { return model_; }
    const Model& model() const { return model_; }
    SyncedListModel& rows() override { return model_; }
    const SyncedListModel& rows() const override { return model_; }
    void follow() override
    {
        // The rows point into the list they are given, which no publish changes.
        SharedList<Record> list = (engine_.results().*where_.shared)();
        model_.setRows(list, shown(*list), engine_.selection());
    }

    void toggle(int row) override
    {
        if (isRow(row) && isSelectable(model_.at(row)))
            (engine_.selection().*where_.toggle)(model_.at(row).id);
    }
    std::optional<InspectedItem> itemAt(int row) const override
    {
        return isRow(row) ? std::optional(InspectedItem(model_.at(row))) : std::nullopt;
    }
    int rowOf(const InspectedItem& item) const override
    {
        if (item.as<Record>())
            for (int row = 0; row < model_.count(); ++row)
                if (model_.at(row).id == item.id())
                    return row;
        return -1;
    }
    std::optional<InspectedItem> latest(const InspectedItem& item) const override
    {
        const std::vector<Record>& records = engineRecords();
        const int at = item.as<Record>() ? indexOf(records, item.id()) : -1;
        return at < 0 ? std::nullopt : std::optional(InspectedItem(records[std::size_t(at)]));
    }
    qsizetype recordCount() const override { return qsizetype(engineRecords().size()); }
    Int64 scannedBytes() const override { return (engine_.results().*where_.scannedBytes)(); }
    Int64 selectedBytes() const override { return (engine_.selection().*where_.selectedBytes)(); }
    std::vector<CleanItem> cleanItems() const override { return engine_.commands().items(where_.target); }
    void clean() override { engine_.commands().clean(where_.target); }

  protected:
    // The engine's list, all of it, and the part of it the rows show.
    const std::vector<Record>& engineRecords() const { return (engine_.results().*where_.records)(); }
    // The records of `records` the rows show.
    virtual std::vector<const Record*> shown(const std::vector<Record>& records) const
    {
        std::vector<const Record*> all;
        all.reserve(records.size());
        for (const Record& record : records)
            all.push_back(&record);
        return all;
    }
    virtual bool isSelectable(const Record&) const { return true; }
    const SelectionState& selection() const { return engine_.selection(); }
    // Every row that can be selected is, by `isSelected`; with no such row, not.
    template <typename IsSelected> bool everySelectableRow(IsSelected isSelected) const
    {
        bool any = false;
        for (int row = 0; row < model_.count(); ++row) {
            const Record& record = model_.at(row);
            if (!isSelectable(record))
                continue;
            if (!isSelected(record))
                return false;
            any = true;
        }
        return any;
    }

  private:
    bool isRow(int row) const { return row >= 0 && row < model_.count(); }
    static int indexOf(const std::vector<Record>& records, const std::string& id)
    {
        const auto found = std::find_if(records.begin(), records.end(), [&](const Record& r) { return r.id == id; });
        return found == records.end() ? -1 : int(found - records.begin());
    }

    EngineList<Record> where_;
    Model model_;
};

class RuleCardAdapter final : public RecordListAdapter<SafeCacheRuleCard, RuleCardListModel> {
  public:
    RuleCardAdapter(StorageEngine& engine, QObject* parent);
    bool allSelected() const override;
    void setAllSelected(bool selected) override;
};

class ProjectBloatAdapter final : public RecordListAdapter<ProjectBloatItem, ProjectBloatListModel> {
  public:
    ProjectBloatAdapter(StorageEngine& engine, QObject* parent);
    bool allSelected() const override;
    void setAllSelected(bool selected) override;
};

class DuplicateGroupAdapter final : public RecordListAdapter<DuplicateFileGroup, DuplicateGroupListModel> {
  public:
    DuplicateGroupAdapter(StorageEngine& engine, QObject* parent);
    // A group is selected when every copy but the kept one is.
    bool allSelected() const override;
    void setAllSelected(bool selected) override;
    bool cleanRemoves() const override { return !mergesCopies(); }
    // Some copy shares a file system with its original that can merge them in place.
    bool canMergeCopies() const;
    // Copies are merged in place where they can be (else they go to the Trash), or all go.
    bool mergesCopies() const { return canMergeCopies() && engine_.commands().copyMerging() != CopyMerging::never; }
    void setMergesCopies(bool merge);
};

// The rows show one category of the large files. Select-all takes that category only; what
// is selected and what a clean takes is every category.
class LargeFileAdapter final : public RecordListAdapter<LargeFileItem, LargeFileListModel> {
  public:
    LargeFileAdapter(StorageEngine& engine, QObject* parent);
    LargeFileCategory category() const { return category_; }
    void setCategory(LargeFileCategory category);
    bool allSelected() const override;
    void setAllSelected(bool selected) override;

  protected:
    std::vector<const LargeFileItem*> shown(const std::vector<LargeFileItem>& records) const override;

  private:
    LargeFileCategory category_ = LargeFileCategory::all;
};

// The applications in one of two modes: cache-only frees their leftovers (an app without any
// cannot be selected), a full uninstall frees the apps as well.
class InstalledAppAdapter final : public RecordListAdapter<InstalledAppItem, InstalledAppListModel> {
  public:
    InstalledAppAdapter(StorageEngine& engine, QObject* parent);
    bool onlyCache() const { return model().onlyCacheMode(); }
    void setOnlyCache(bool onlyCache);
    bool allSelected() const override;
    void setAllSelected(bool selected) override;
    Int64 selectedBytes() const override;
    std::vector<CleanItem> cleanItems() const override;
    void clean() override;
    bool cleanRemoves() const override { return !onlyCache(); }

  protected:
    bool isSelectable(const InstalledAppItem& app) const override { return model().isEnabled(app); }
};
