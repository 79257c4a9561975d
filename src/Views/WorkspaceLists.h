#pragma once
// The lists of the four workspaces: one adapter per list, which workspace is open and which of
// its lists it shows, and whether the running scan has published each list yet. The sidebar's
// and the cockpit's summaries of the workspaces follow from these.

#include "L10n/AppLanguage.h"
#include "ShownListAdapters.h"
#include "WindowLists.h"
#include "WorkspaceListModel.h"

#include <QObject>

#include <array>
#include <set>

class WorkspaceLists : public QObject {
    Q_OBJECT

  public:
    explicit WorkspaceLists(StorageEngine& engine, QObject* parent = nullptr);

    ShownListAdapter& adapter(ShownList list) const { return *byList_[WindowLists::index(list)]; }
    LargeFileAdapter& largeFiles() { return largeFiles_; }
    const LargeFileAdapter& largeFiles() const { return largeFiles_; }
    DuplicateGroupAdapter& duplicateGroups() { return duplicateGroups_; }
    const DuplicateGroupAdapter& duplicateGroups() const { return duplicateGroups_; }
    InstalledAppAdapter& installedApps() { return installedApps_; }
    const InstalledAppAdapter& installedApps() const { return installedApps_; }

    Workspace selectedWorkspace() const { return selected_; }
    ShownList shownList() const { return shownIn_[WindowLists::index(selected_)]; }
    ShownListAdapter& shown() const { return adapter(shownList()); }
    // Opens a workspace on the list it showed last.
    void selectWorkspace(Workspace workspace);
    // Opens a list's workspace on that list.
    void showList(ShownList list);

    // What a workspace's lists have selected.
    Int64 selectedBytes(Workspace workspace) const;
    // The running scan has not yet published every list of the workspace: its figures are
    // still being counted, whatever the lists hold.
    bool isCounting(Workspace workspace) const;
    WorkspaceListModel& summaries() { return summaries_; }
    void setLanguage(AppLanguage language);

  Q_SIGNALS:
    // Another workspace or list shows, or the rows show another part or mode of their list.
    void shownChanged();
    // A list followed a publish of the engine (rows, counts, selection).
    void rowsChanged();

  private:
    std::vector<const ShownListAdapter*> listsOf(Workspace workspace) const;
    // Sums `figure` over the lists of a workspace.
    template <typename Figure> auto sumOver(Workspace workspace, Figure figure) const;
    void onPublished(ShownList list);
    void updateSummaries();

    StorageEngine& engine_;
    RuleCardAdapter ruleCards_;
    ProjectBloatAdapter projectBloats_;
    DuplicateGroupAdapter duplicateGroups_;
    LargeFileAdapter largeFiles_;
    InstalledAppAdapter installedApps_;
    // In the order of the lists.
    const std::array<ShownListAdapter*, WindowLists::kShownListCount> byList_;
    Workspace selected_ = Workspace::OneClickSafe;
    std::array<ShownList, WindowLists::kWorkspaceCount> shownIn_;
    std::set<ShownList> publishedThisScan_;
    WorkspaceListModel summaries_;
};
