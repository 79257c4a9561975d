#include "WorkspaceLists.h"

WorkspaceLists::WorkspaceLists(StorageEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine), ruleCards_(engine, this), projectBloats_(engine, this),
      duplicateGroups_(engine, this), largeFiles_(engine, this),
      installedApps_(engine, this), byList_{&ruleCards_, &projectBloats_, &duplicateGroups_, &largeFiles_,
                                            &installedApps_},
      summaries_(this)
{
    for (std::size_t workspace = 0; workspace < shownIn_.size(); ++workspace)
        shownIn_[workspace] = WindowLists::firstListOf(Workspace(workspace));
    for (ShownListAdapter* adapter : byList_) {
        Q_ASSERT(adapter == &this->adapter(adapter->list()));
        adapter->follow();
        connect(adapter, &ShownListAdapter::published, this, [this, adapter] { onPublished(adapter->list()); });
        connect(adapter, &ShownListAdapter::filterChanged, this, [this] {
            updateSummaries();
            Q_EMIT shownChanged();
        });
    }
    // The summaries come with the first scan, selection or publish.
    // A new scan counts every workspace afresh; a finished one has published them all.
    connect(&engine_, &StorageEngine::isScanningChanged, this, [this] {
        publishedThisScan_.clear();
        updateSummaries();
    });
}

void WorkspaceLists::selectWorkspace(Workspace workspace)
{
    if (selected_ == workspace)
        return;
    selected_ = workspace;
    updateSummaries();
    Q_EMIT shownChanged();
}

void WorkspaceLists::showList(ShownList list)
{
    ShownList& shownThere = shownIn_[WindowLists::index(WindowLists::workspaceOf(list))];
    if (shownThere == list) {
        selectWorkspace(WindowLists::workspaceOf(list));
        return;
    }
    shownThere = list;
    selected_ = WindowLists::workspaceOf(list);
    updateSummaries();
    Q_EMIT shownChanged();
}

std::vector<const ShownListAdapter*> WorkspaceLists::listsOf(Workspace workspace) const
{
    std::vector<const ShownListAdapter*> lists;
    for (const ShownListAdapter* each : byList_)
        if (WindowLists::workspaceOf(each->list()) == workspace)
            lists.push_back(each);
    return lists;
}

template <typename Figure> auto WorkspaceLists::sumOver(Workspace workspace, Figure figure) const
{
    decltype(figure(*byList_.front())) sum = 0;
    for (const ShownListAdapter* each : listsOf(workspace))
        sum += figure(*each);
    return sum;
}

Int64 WorkspaceLists::selectedBytes(Workspace workspace) const
{
    return sumOver(workspace, [](const ShownListAdapter& list) { return list.selectedBytes(); });
}

bool WorkspaceLists::isCounting(Workspace workspace) const
{
    const auto lists = listsOf(workspace);
    return engine_.isScanning() && std::any_of(lists.begin(), lists.end(), [this](const ShownListAdapter* list) {
               return !publishedThisScan_.contains(list->list());
           });
}

void WorkspaceLists::setLanguage(AppLanguage language)
{
    for (ShownListAdapter* adapter : byList_)
        adapter->rows().setLanguage(language);
    summaries_.setLanguage(language);
}

void WorkspaceLists::onPublished(ShownList list)
{
    if (engine_.isScanning())
        publishedThisScan_.insert(list);
    updateSummaries();
    Q_EMIT rowsChanged();
}

void WorkspaceLists::updateSummaries()
{
    std::vector<WorkspaceSummary> summaries;
    for (CleanTrustWorkspace each : allCases<CleanTrustWorkspace>()) {
        const Workspace workspace = WindowLists::windowWorkspace(each);
        summaries.push_back(
            {.id = std::string(rawValue(each)),
             .workspace = each,
             .count = sumOver(workspace, [](const ShownListAdapter& list) { return list.recordCount(); }),
             .scannedBytes = sumOver(workspace, [](const ShownListAdapter& list) { return list.scannedBytes(); }),
             .selectedBytes = selectedBytes(workspace),
             .isSelected = workspace == selected_,
             .isCounting = isCounting(workspace)});
    }
    summaries_.setRows(std::move(summaries));
}
