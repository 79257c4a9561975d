#pragma once
// The workspaces and the lists they show, named alike in C++ and QML (WindowLists.LargeMedia,
// WindowLists.DuplicateGroups). A workspace shows one of its lists at a time: the dev
// workspace has two, its sub-tabs; the others one each. The lists come in the order of the
// workspaces and their sub-tabs, so a list's successor is where "next" leads.

#include "Models/StorageModels.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <array>

namespace WindowLists {
Q_NAMESPACE
QML_ELEMENT

enum class Workspace {
    OneClickSafe = int(CleanTrustWorkspace::oneClickSafe),
    DevAndDuplicates = int(CleanTrustWorkspace::devAndDuplicates),
    LargeMedia = int(CleanTrustWorkspace::largeMedia),
    AppSlimming = int(CleanTrustWorkspace::appSlimming),
};
Q_ENUM_NS(Workspace)

enum class ShownList { RuleCards, ProjectBloats, DuplicateGroups, LargeFiles, InstalledApps };
Q_ENUM_NS(ShownList)

inline constexpr std::size_t kWorkspaceCount = 4;
inline constexpr std::size_t kShownListCount = 5;

inline constexpr std::array<ShownList, kShownListCount> kAllShownLists{ShownList::RuleCards, ShownList::ProjectBloats,
                                                                       ShownList::DuplicateGroups,
                                                                       ShownList::LargeFiles, ShownList::InstalledApps};
inline constexpr std::array<Workspace, kShownListCount> kWorkspaceOfList{
    Workspace::OneClickSafe, Workspace::DevAndDuplicates, Workspace::DevAndDuplicates, Workspace::LargeMedia,
    Workspace::AppSlimming};

constexpr std::size_t index(ShownList list) { return std::size_t(list); }
constexpr std::size_t index(Workspace workspace) { return std::size_t(workspace); }
constexpr Workspace workspaceOf(ShownList list) { return kWorkspaceOfList[index(list)]; }
constexpr CleanTrustWorkspace engineWorkspace(Workspace workspace) { return CleanTrustWorkspace(int(workspace)); }
constexpr Workspace windowWorkspace(CleanTrustWorkspace workspace) { return Workspace(int(workspace)); }
// The list a workspace shows when first opened.
constexpr ShownList firstListOf(Workspace workspace)
{
    std::size_t at = 0;
    while (workspaceOf(kAllShownLists[at]) != workspace)
        ++at;
    return kAllShownLists[at];
}
// Which of its workspace's lists this is: the sub-tab.
constexpr int subTabOf(ShownList list) { return int(list) - int(firstListOf(workspaceOf(list))); }

} // namespace WindowLists

using WindowLists::ShownList;
using WindowLists::Workspace;
