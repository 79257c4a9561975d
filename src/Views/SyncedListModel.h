#pragma once
// A list model over a copy of one of the engine's published lists that follows each publish
// by id: rows whose record changed get dataChanged, rows that went away are removed and new
// ones inserted. A toggle therefore keeps every delegate, the scroll position and the focus.
// Only a publish that reorders rows that stay (a new scan sorting differently) resets.

#include "L10n/AppLanguage.h"
#include "Services/ScanResults.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// A record with what the selection makes of it, as one row: a change of either changes the row.
template <typename Record, typename Mark> struct MarkedRow {
    Record record;
    Mark mark{};
    bool operator==(const MarkedRow&) const = default;
};

template <typename Record, typename MarkOf> auto markedRows(std::vector<Record> records, MarkOf markOf)
{
    std::vector<MarkedRow<Record, decltype(markOf(records.front()))>> rows;
    rows.reserve(records.size());
    for (Record& record : records) {
        auto mark = markOf(record);
        rows.push_back({std::move(record), std::move(mark)});
    }
    return rows;
}

// A record of one of the engine's published lists, which never change, with what the selection
// makes of it: the model keeps the list and points into it rather than copying its records.
template <typename Record, typename Mark> struct SharedRow {
    const Record* record = nullptr;
    Mark mark{};
    // Rows are equal when they show the same, whichever published list their records are in.
    bool operator==(const SharedRow& other) const { return *record == *other.record && mark == other.mark; }
};

template <typename Record, typename MarkOf> auto sharedRows(const std::vector<const Record*>& records, MarkOf markOf)
{
    std::vector<SharedRow<Record, std::decay_t<decltype(markOf(std::declval<const Record&>()))>>> rows;
    rows.reserve(records.size());
    for (const Record* record : records)
        rows.push_back({record, markOf(*record)});
    return rows;
}

template <typename Record, typename Mark> const Record& recordOf(const MarkedRow<Record, Mark>& row)
{
    return row.record;
}
template <typename Record, typename Mark> const Record& recordOf(const SharedRow<Record, Mark>& row)
{
    return *row.record;
}

// Copies of the records the rows show.
template <typename Row> auto recordsOf(const std::vector<Row>& rows)
{
    std::vector<std::decay_t<decltype(recordOf(rows.front()))>> records;
    records.reserve(rows.size());
    for (const auto& row : rows)
        records.push_back(recordOf(row));
    return records;
}

class SyncedListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(int count READ count NOTIFY countChanged)

  public:
    explicit SyncedListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const final { return parent.isValid() ? 0 : rowTotal(); }
    QHash<int, QByteArray> roleNames() const final;
    int count() const { return rowTotal(); }

    AppLanguage language() const { return language_; }
    // Texts of every row follow the language; the rows themselves stay.
    void setLanguage(AppLanguage language);

  Q_SIGNALS:
    void countChanged();

  protected:
    // Role names in role order, starting at Qt::UserRole + 1.
    virtual std::vector<QByteArray> roleNameList() const = 0;
    virtual int rowTotal() const = 0;
    // The role index of a name in roleNameList().
    static constexpr int role(int index) { return Qt::UserRole + 1 + index; }
    // Every row's data changed (for instance its texts); the rows stay.
    void refreshAllRows();

    // Makes `rows` equal to `fresh`, telling views exactly what happened. Records are keyed
    // by their id; a repeated id is told apart by its occurrence.
    template <typename Record> void syncRows(std::vector<Record>& rows, std::vector<Record> fresh);
    // The same for rows into a published list, which the model keeps from now on.
    template <typename Record, typename Mark>
    void syncRows(std::vector<SharedRow<Record, Mark>>& rows, std::vector<SharedRow<Record, Mark>> fresh,
                  SharedList<Record> list)
    {
        // The rows shown until now point into the list kept until now, and the sync compares them.
        syncRows(rows, std::move(fresh));
        sharedList_ = std::move(list);
    }
    // Marks every row anew where the selection changed, the records as they are: a selection
    // of thousands of rows copies and compares none of them.
    template <typename Row, typename MarkOf> void syncMarks(std::vector<Row>& rows, MarkOf markOf);

  private:
    // A row's identity: its record's id, and which occurrence of that id it is. Views into
    // the rows, so they are only used before the rows change.
    struct Key {
        std::string_view id;
        int occurrence = 0;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept
        {
            return std::hash<std::string_view>{}(key.id) ^ std::size_t(key.occurrence);
        }
    };
    using Keys = std::vector<Key>;
    template <typename Record> static Keys keysOf(const std::vector<Record>& rows);
    template <typename Record> static const std::string& idOf(const Record& row) { return row.id; }
    template <typename Record, typename Mark> static const std::string& idOf(const MarkedRow<Record, Mark>& row)
    {
        return row.record.id;
    }
    template <typename Record, typename Mark> static const std::string& idOf(const SharedRow<Record, Mark>& row)
    {
        return row.record->id;
    }
    // A row that stays as it was takes its record from the new list all the same.
    template <typename Row> static void adopt(Row&, const Row&) {}
    template <typename Record, typename Mark>
    static void adopt(SharedRow<Record, Mark>& row, const SharedRow<Record, Mark>& fresh)
    {
        row.record = fresh.record;
    }
    // Flags, per key, whether `other` holds it too.
    static std::vector<bool> presentIn(const Keys& keys, const Keys& other);
    template <typename Erase> void removeMissing(std::vector<bool> kept, const Erase& eraseRows);

    AppLanguage language_ = AppLanguage::zhHans;
    std::shared_ptr<const void> sharedList_; // the published list the rows point into, if any
};

template <typename Record> SyncedListModel::Keys SyncedListModel::keysOf(const std::vector<Record>& rows)
{
    Keys keys;
    keys.reserve(rows.size());
    std::unordered_map<std::string_view, int> seen;
    seen.reserve(rows.size());
    for (const Record& record : rows)
        keys.push_back({idOf(record), seen[idOf(record)]++});
    return keys;
}

template <typename Erase> void SyncedListModel::removeMissing(std::vector<bool> kept, const Erase& eraseRows)
{
    // From the end, one removal per run of consecutive rows that went away.
    for (int last = int(kept.size()) - 1; last >= 0;) {
        if (kept[std::size_t(last)]) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && !kept[std::size_t(first - 1)])
            --first;
        beginRemoveRows({}, first, last);
        eraseRows(first, last + 1);
        endRemoveRows();
        last = first - 1;
    }
}

template <typename Row, typename MarkOf> void SyncedListModel::syncMarks(std::vector<Row>& rows, MarkOf markOf)
{
    // One change per run of consecutive rows whose mark changed.
    int changedFirst = -1;
    for (int at = 0; at <= int(rows.size()); ++at) {
        bool changed = false;
        if (at < int(rows.size())) {
            auto mark = markOf(recordOf(rows[std::size_t(at)]));
            changed = !(mark == rows[std::size_t(at)].mark);
            if (changed)
                rows[std::size_t(at)].mark = std::move(mark);
        }
        if (changed && changedFirst < 0)
            changedFirst = at;
        if (!changed && changedFirst >= 0) {
            Q_EMIT dataChanged(index(changedFirst), index(at - 1));
            changedFirst = -1;
        }
    }
}

template <typename Record> void SyncedListModel::syncRows(std::vector<Record>& rows, std::vector<Record> fresh)
{
    const int countBefore = int(rows.size());
    const auto tellCount = [&] {
        if (countBefore != int(rows.size()))
            Q_EMIT countChanged();
    };
    if (rows.empty()) { // a first publish: every row is new, nothing to match
        if (!fresh.empty()) {
            beginInsertRows({}, 0, int(fresh.size()) - 1);
            rows = std::move(fresh);
            endInsertRows();
        }
        tellCount();
        return;
    }
    std::vector<bool> kept, isNew;
    const auto sameId = [](const Record& a, const Record& b) { return idOf(a) == idOf(b); };
    if (std::equal(rows.begin(), rows.end(), fresh.begin(), fresh.end(), sameId)) {
        // The same rows in the same order: the common case, no keys or sets needed.
        kept.assign(rows.size(), true);
        isNew.assign(fresh.size(), false);
    } else {
        // Everything is decided on the keys first; they view the rows, which change only after.
        const Keys keys = keysOf(rows);
        const Keys freshKeys = keysOf(fresh);
        kept = presentIn(keys, freshKeys);
        std::vector<bool> stays = presentIn(freshKeys, keys);
        // Rows that stay must keep their order; otherwise this is a new arrangement.
        std::size_t next = 0;
        bool sameOrder = true;
        for (std::size_t i = 0; i < keys.size() && sameOrder; ++i) {
            if (!kept[i])
                continue;
            while (!stays[next])
                ++next;
            sameOrder = keys[i] == freshKeys[next++];
        }
        if (!sameOrder) {
            beginResetModel();
            rows = std::move(fresh);
            endResetModel();
            tellCount();
            return;
        }
        isNew.resize(stays.size());
        for (std::size_t i = 0; i < stays.size(); ++i)
            isNew[i] = !stays[i];
    }

    removeMissing(std::move(kept), [&](int first, int end) { rows.erase(rows.begin() + first, rows.begin() + end); });

    // The rows left are the staying ones in the new order: walk it, updating those that
    // changed and inserting each run of new ones at its place.
    int changedFirst = -1;
    auto flushChanged = [&](int end) {
        if (changedFirst >= 0)
            Q_EMIT dataChanged(index(changedFirst), index(end - 1));
        changedFirst = -1;
    };
    for (int at = 0; at < int(fresh.size());) {
        if (!isNew[std::size_t(at)]) {
            if (!(rows[at] == fresh[at])) {
                rows[at] = std::move(fresh[at]);
                if (changedFirst < 0)
                    changedFirst = at;
            } else {
                adopt(rows[at], fresh[at]);
                flushChanged(at);
            }
            ++at;
            continue;
        }
        flushChanged(at);
        int end = at;
        while (end < int(fresh.size()) && isNew[std::size_t(end)])
            ++end;
        beginInsertRows({}, at, end - 1);
        rows.insert(rows.begin() + at, std::make_move_iterator(fresh.begin() + at),
                    std::make_move_iterator(fresh.begin() + end));
        endInsertRows();
        at = end;
    }
    flushChanged(int(rows.size()));
    tellCount();
}
