#include "L10n/WindowTexts.h"

#include "L10n/BidiIsolation.h"
#include "L10n/Catalogues.h"
#include "L10n/QuillmereL10n.h"
#include "Models/DiskFormat.h"

#include <array>

namespace WindowTexts {

#define QM_TEXT(name) const Text12 name{"window." #name};
#define QM_PLURAL(name)
#include "L10n/WindowTextTable.inc"
#undef QM_TEXT
#undef QM_PLURAL

namespace {

std::string joined(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (auto piece : pieces)
        text.append(piece);
    return text;
}

} // namespace

std::string homeGrantMessage(AppLanguage language, std::string_view homeName)
{
    return joined({homeGrantMessageLead(language), homeName, homeGrantMessageTrail(language)});
}

std::string partialGrantNotice(AppLanguage language, std::string_view pickedName, std::string_view homeName)
{
    return joined({partialNoticeLead(language), pickedName, partialNoticeMiddle(language), homeName,
                   partialNoticeTrail(language)});
}

std::string outsideGrantNotice(AppLanguage language, std::string_view pickedName, std::string_view homeName)
{
    return joined({outsideNoticeLead(language), pickedName, outsideNoticeMiddle(language), homeName,
                   outsideNoticeTrail(language)});
}

std::string chooseHomeInstead(AppLanguage language, std::string_view homeName)
{
    return joined({chooseHomeInsteadLead(language), homeName, chooseHomeInsteadTrail(language)});
}

std::string onboardingPanelHint(AppLanguage language, std::string_view homeName)
{
    return joined({panelHintLead(language), homeName, panelHintTrail(language)});
}

namespace {

struct WorkspaceTexts {
    const Text12* title;
    const Text12* subtitle;
};

// In CleanTrustWorkspace order.
const std::array<WorkspaceTexts, 4> kWorkspaceTexts{{
    {&safeWorkspaceTitle, &safeWorkspaceSubtitle},
    {&devWorkspaceTitle, &devWorkspaceSubtitle},
    {&mediaWorkspaceTitle, &mediaWorkspaceSubtitle},
    {&appsWorkspaceTitle, &appsWorkspaceSubtitle},
}};

} // namespace

std::string_view title(CleanTrustWorkspace workspace, AppLanguage language)
{
    return (*kWorkspaceTexts.at(static_cast<std::size_t>(workspace)).title)(language);
}

std::string_view subtitle(CleanTrustWorkspace workspace, AppLanguage language)
{
    return (*kWorkspaceTexts.at(static_cast<std::size_t>(workspace)).subtitle)(language);
}

std::string primaryActionTitle(CleanTrustWorkspace workspace, int devSubTab, bool appSlimmingOnlyCache,
                               bool movesToTrash, AppLanguage language)
{
    switch (workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        return std::string(cleanSafeCacheAction(language));
    case CleanTrustWorkspace::devAndDuplicates:
        return std::string(devSubTab == 0 ? cleanBuildCacheAction(language) : cleanClonesAction(language));
    case CleanTrustWorkspace::largeMedia:
        return std::string(movesToTrash ? moveToTrashAction(language) : confirmDeleteAction(language));
    case CleanTrustWorkspace::appSlimming:
        return std::string(appSlimmingOnlyCache ? stripAppCacheAction(language) : uninstallAppsAction(language));
    }
    return {};
}

std::string cardCacheCount(AppLanguage language, std::int64_t subItemCount)
{
    return Catalogues::plural("window.cardCacheCount", language, subItemCount);
}

std::string projectIdleDays(AppLanguage language, std::int64_t days)
{
    return Catalogues::plural("window.projectIdleDays", language, days);
}

std::string duplicateCloneCount(AppLanguage language, std::int64_t cloneCount)
{
    return "SHA-256 · " + Catalogues::plural("window.cloneCount", language, cloneCount);
}

std::string itemCount(AppLanguage language, std::int64_t count)
{
    return Catalogues::plural("window.itemCount", language, count);
}

std::string cleanOverlayTitle(AppLanguage language, std::int64_t processed, std::int64_t total,
                              std::int64_t freedSoFarBytes)
{
    const std::string count = std::to_string(processed) + "/" + std::to_string(total);
    return joined({cleaningFast(language), " (", isolatedFigure(count, language), ") · ",
                   isolatedFigure("+" + DiskFormat::bytes(freedSoFarBytes), language)});
}

std::string permanentDeleteMessage(AppLanguage language, std::int64_t bytes)
{
    return joined({confirmDeleteLead(language), isolatedFigure(DiskFormat::bytes(bytes), language),
                   confirmDeleteTrail(language)});
}

std::string uninstallCommandNote(AppLanguage language, std::string_view command)
{
    return joined({uninstallCommandLead(language), " ", command});
}

std::string toolUninstallNote(AppLanguage language, std::string_view command)
{
    return joined({toolUninstallLead(language), " ", command});
}

std::string packageKitUninstallNote(AppLanguage language, std::string_view package)
{
    return joined({packageKitUninstallLead(language), " ", package});
}

std::string removedPackageNote(AppLanguage language, std::string_view package, std::string_view removedOn)
{
    std::string note = joined({removedPackageLead(language), " ", package});
    if (!removedOn.empty())
        note = joined({note, " · ", removedOnLead(language), " ", removedOn});
    return note;
}

std::string undoRestoreButton(AppLanguage language, std::int64_t recordCount)
{
    return joined({"↺ ", SharedTitles::undoRestoreTitle(language), " (", std::to_string(recordCount), ")"});
}

const std::vector<std::pair<std::string_view, const Text12*>>& allText12()
{
#define QM_TEXT(name) {#name, &name},
#define QM_PLURAL(name)
    static const std::vector<std::pair<std::string_view, const Text12*>> texts{
#include "L10n/WindowTextTable.inc"
    };
#undef QM_TEXT
#undef QM_PLURAL
    return texts;
}

const std::vector<std::pair<std::string_view, std::string_view>>& allPluralTexts()
{
#define QM_TEXT(name)
#define QM_PLURAL(name) {#name, "window." #name},
    static const std::vector<std::pair<std::string_view, std::string_view>> texts{
#include "L10n/WindowTextTable.inc"
    };
#undef QM_TEXT
#undef QM_PLURAL
    return texts;
}

std::string_view fixedText(std::string_view name, AppLanguage language)
{
    for (const auto& [key, text] : allText12())
        if (key == name)
            return (*text)(language);
    return {};
}

} // namespace WindowTexts
