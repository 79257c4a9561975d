#pragma once
// A list model over a copy of one of the engine's published lists that follows each publish
// by id: rows whose record changed get dataChanged, rows that went away are removed and new
// ones inserted. A toggle therefore keeps every delegate, the scroll position and the focus.
// Only a publish that reorders rows that stay (a new scan sorting differently) resets.

#include "L10n/AppLanguage.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

#include <string>
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

template <typename Record, typename Mark>
std::vector<Record> recordsOf(const std::vector<MarkedRow<Record, Mark>>& rows)
{
    std::vector<Record> records;
    records.reserve(rows.size());
    for (const auto& row : rows)
        records.push_back(row.record);
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

  private:
    using Keys = std::vector<std::string>;
    template <typename Record> static Keys keysOf(const std::vector<Record>& rows);
    template <typename Record> static const std::string& idOf(const Record& row) { return row.id; }
    template <typename Record, typename Mark> static const std::string& idOf(const MarkedRow<Record, Mark>& row)
    {
        return row.record.id;
    }
    template <typename Erase>
    void removeMissing(Keys& keys, const std::unordered_set<std::string>& kept, const Erase& eraseRows);

    AppLanguage language_ = AppLanguage::zhHans;
};

template <typename Record> SyncedListModel::Keys SyncedListModel::keysOf(const std::vector<Record>& rows)
{
    Keys keys;
    keys.reserve(rows.size());
    std::unordered_map<std::string, int> seen;
    for (const Record& record : rows) {
        const std::string& id = idOf(record);
        const int occurrence = seen[id]++;
        keys.push_back(occurrence == 0 ? id : id + '\0' + std::to_string(occurrence));
    }
    return keys;
}

template <typename Erase>
void SyncedListModel::removeMissing(Keys& keys, const std::unordered_set<std::string>& kept, const Erase& eraseRows)
{
    // From the end, one removal per run of consecutive rows that went away.
    for (int last = int(keys.size()) - 1; last >= 0;) {
        if (kept.contains(keys[last])) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && !kept.contains(keys[first - 1]))
            --first;
        beginRemoveRows({}, first, last);
        keys.erase(keys.begin() + first, keys.begin() + last + 1);
        eraseRows(first, last + 1);
        endRemoveRows();
        last = first - 1;
    }
}

template <typename Record> void SyncedListModel::syncRows(std::vector<Record>& rows, std::vector<Record> fresh)
{
    const int countBefore = int(rows.size());
    Keys keys = keysOf(rows);
    const Keys freshKeys = keysOf(fresh);
    const std::unordered_set<std::string> freshSet(freshKeys.begin(), freshKeys.end());
    const std::unordered_set<std::string> oldSet(keys.begin(), keys.end());

    // Rows that stay must keep their order; otherwise this is a new arrangement.
    Keys stayingOld, stayingNew;
    for (const auto& key : keys)
        if (freshSet.contains(key))
            stayingOld.push_back(key);
    for (const auto& key : freshKeys)
        if (oldSet.contains(key))
            stayingNew.push_back(key);
    if (stayingOld != stayingNew) {
        beginResetModel();
        rows = std::move(fresh);
        endResetModel();
        if (countBefore != int(rows.size()))
            Q_EMIT countChanged();
        return;
    }

    removeMissing(keys, freshSet, [&](int first, int end) { rows.erase(rows.begin() + first, rows.begin() + end); });

    // Walk the new order: a key that is not at its place yet is new, with the next ones
    // that are new too.
    int changedFirst = -1;
    auto flushChanged = [&](int end) {
        if (changedFirst >= 0)
            Q_EMIT dataChanged(index(changedFirst), index(end - 1));
        changedFirst = -1;
    };
    for (int at = 0; at < int(freshKeys.size());) {
        if (at < int(keys.size()) && keys[at] == freshKeys[at]) {
            if (!(rows[at] == fresh[at])) {
                rows[at] = std::move(fresh[at]);
                if (changedFirst < 0)
                    changedFirst = at;
            } else {
                flushChanged(at);
            }
            ++at;
            continue;
        }
        flushChanged(at);
        int end = at;
        while (end < int(freshKeys.size()) && !oldSet.contains(freshKeys[end]))
            ++end;
        beginInsertRows({}, at, end - 1);
        keys.insert(keys.begin() + at, freshKeys.begin() + at, freshKeys.begin() + end);
        rows.insert(rows.begin() + at, std::make_move_iterator(fresh.begin() + at),
                    std::make_move_iterator(fresh.begin() + end));
        endInsertRows();
        at = end;
    }
    flushChanged(int(rows.size()));
    if (countBefore != int(rows.size()))
        Q_EMIT countChanged();
}
