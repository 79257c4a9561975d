#include "SyncedListModel.h"

SyncedListModel::SyncedListModel(QObject* parent) : QAbstractListModel(parent) {}

QHash<int, QByteArray> SyncedListModel::roleNames() const
{
    QHash<int, QByteArray> names;
    const auto list = roleNameList();
    for (int i = 0; i < int(list.size()); ++i)
        names.insert(role(i), list[i]);
    return names;
}

void SyncedListModel::setLanguage(AppLanguage language)
{
    if (language_ == language)
        return;
    language_ = language;
    refreshAllRows();
}

void SyncedListModel::refreshAllRows()
{
    if (rowTotal() > 0)
        Q_EMIT dataChanged(index(0), index(rowTotal() - 1));
}

std::vector<bool> SyncedListModel::presentIn(const Keys& keys, const Keys& other)
{
    const std::unordered_set<Key, KeyHash> set(other.begin(), other.end());
    std::vector<bool> present(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        present[i] = set.contains(keys[i]);
    return present;
}
