#include "WorkspaceColumnPresenter.h"

#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Theme/WindowIcons.h"
#include "WindowPalette.h"
#include "WindowState.h"

namespace {

// The empty states, in the order emptyStateIndex() counts them.
struct EmptyState {
    const Text4* title;
    const Text4* message;
    std::string_view symbol;
    const Text4* next; // none: there is no next workspace
};
const std::array<EmptyState, 5> kEmptyStates{{
    {&WindowTexts::safeEmptyTitle, &WindowTexts::safeEmptyMessage, WindowIcons::cacheCountBadge,
     &WindowTexts::safeEmptyNext},
    {&WindowTexts::buildArtifactsEmptyTitle, &WindowTexts::buildArtifactsEmptyMessage, WindowIcons::buildArtifactsTab,
     &WindowTexts::buildArtifactsEmptyNext},
    {&WindowTexts::clonesEmptyTitle, &WindowTexts::clonesEmptyMessage, WindowIcons::clonesEmpty,
     &WindowTexts::clonesEmptyNext},
    {&WindowTexts::mediaEmptyTitle, &WindowTexts::mediaEmptyMessage, WindowIcons::mediaEmpty,
     &WindowTexts::mediaEmptyNext},
    {&WindowTexts::appsEmptyTitle, &WindowTexts::appsEmptyMessage, WindowIcons::applicationsBanner, nullptr},
}};

} // namespace

WorkspaceColumnPresenter::WorkspaceColumnPresenter(WindowState& view) : QObject(&view), view_(view)
{
    for (auto signal : {&WindowState::languageRawChanged, &WindowState::selectedWorkspaceChanged,
                        &WindowState::devSubTabChanged, &WindowState::appSlimmingOnlyCacheChanged,
                        &WindowState::selectedLargeCategoryChanged, &WindowState::accessChanged})
        connect(&view_, signal, this, &WorkspaceColumnPresenter::shapeChanged);
    // What the shown list holds changes with the list shown, too.
    connect(this, &WorkspaceColumnPresenter::shapeChanged, this, &WorkspaceColumnPresenter::contentChanged);
    // After the list models followed the engine, so what they hold is current.
    connect(&view_, &WindowState::listModelsChanged, this, &WorkspaceColumnPresenter::contentChanged);
    MacStorageScanner* scanner = &view_.scanner();
    connect(scanner, &MacStorageScanner::isScanningChanged, this, &WorkspaceColumnPresenter::contentChanged);
    for (auto signal : {&MacStorageScanner::lastPurgeBannerChanged, &MacStorageScanner::recentPurgeRecordsChanged,
                        &MacStorageScanner::lastFreedBytesChanged})
        connect(scanner, signal, this, &WorkspaceColumnPresenter::feedbackChanged);
    for (auto signal : {&MacStorageScanner::purgeProgressChanged, &MacStorageScanner::purgeProcessedCountChanged,
                        &MacStorageScanner::purgeTotalCountChanged, &MacStorageScanner::purgeFreedSoFarBytesChanged,
                        &MacStorageScanner::purgeCurrentItemNameChanged})
        connect(scanner, signal, this, &WorkspaceColumnPresenter::purgeChanged);
    connect(&view_, &WindowState::pendingCleanChanged, this, &WorkspaceColumnPresenter::confirmationChanged);
    for (auto signal : {&WorkspaceColumnPresenter::feedbackChanged, &WorkspaceColumnPresenter::purgeChanged,
                        &WorkspaceColumnPresenter::confirmationChanged})
        connect(&view_, &WindowState::languageRawChanged, this, signal);
}

// ---------------------------------------------------------------- the workspace shown

QString WorkspaceColumnPresenter::headerTitle() const
{
    const AppLanguage language = view_.currentLanguage();
    if (view_.selectedWorkspace() == CleanTrustWorkspace::oneClickSafe)
        return qt(WindowTexts::safeHeaderTitle(language));
    return qt(WindowTexts::title(view_.selectedWorkspace(), language));
}

QString WorkspaceColumnPresenter::headerSubtitle() const
{
    const AppLanguage language = view_.currentLanguage();
    if (view_.selectedWorkspace() == CleanTrustWorkspace::oneClickSafe)
        return qt(WindowTexts::safeHeaderSubtitle(language));
    return qt(WindowTexts::subtitle(view_.selectedWorkspace(), language));
}

QColor WorkspaceColumnPresenter::accent() const
{
    return WindowPalette::color(CorvelPalette::accent(view_.selectedWorkspace()));
}

QString WorkspaceColumnPresenter::primaryActionTitle() const
{
    return qt(WindowTexts::primaryActionTitle(view_.selectedWorkspace(), view_.devSubTab(),
                                              view_.appSlimmingOnlyCache(), view_.currentLanguage()));
}

bool WorkspaceColumnPresenter::primaryActionRemoves() const
{
    switch (view_.selectedWorkspace()) {
    case CleanTrustWorkspace::devAndDuplicates:
        return view_.devSubTab() != 0;
    case CleanTrustWorkspace::appSlimming:
        return !view_.appSlimmingOnlyCache();
    default:
        return false;
    }
}

int WorkspaceColumnPresenter::emptyStateIndex() const
{
    switch (view_.selectedWorkspace()) {
    case CleanTrustWorkspace::oneClickSafe:
        return 0;
    case CleanTrustWorkspace::devAndDuplicates:
        return view_.devSubTab() == 0 ? 1 : 2;
    case CleanTrustWorkspace::largeMedia:
        return 3;
    case CleanTrustWorkspace::appSlimming:
        return 4;
    }
    return 0;
}

QString WorkspaceColumnPresenter::emptyTitle() const
{
    return qt((*kEmptyStates[emptyStateIndex()].title)(view_.currentLanguage()));
}

QString WorkspaceColumnPresenter::emptyMessage() const
{
    return qt((*kEmptyStates[emptyStateIndex()].message)(view_.currentLanguage()));
}

QString WorkspaceColumnPresenter::emptySymbol() const { return qt(kEmptyStates[emptyStateIndex()].symbol); }

QString WorkspaceColumnPresenter::emptyNextTitle() const
{
    const Text4* next = kEmptyStates[emptyStateIndex()].next;
    return next ? qt((*next)(view_.currentLanguage())) : QString();
}

bool WorkspaceColumnPresenter::showsApplicationsBanner() const
{
    return view_.selectedWorkspace() == CleanTrustWorkspace::appSlimming && !view_.appSlimmingOnlyCache() &&
           !view_.applicationsGranted();
}

// ---------------------------------------------------------------- rows and selection

bool WorkspaceColumnPresenter::hasRows() const { return !view_.currentListIsEmpty(); }

bool WorkspaceColumnPresenter::showsEmptyState() const { return view_.currentListIsEmpty() && !view_.isScanning(); }

bool WorkspaceColumnPresenter::allRowsSelected() const { return view_.allRowsSelected(); }

QString WorkspaceColumnPresenter::selectAllTitle() const
{
    const AppLanguage language = view_.currentLanguage();
    return qt(allRowsSelected() ? WindowTexts::deselectAll(language) : WindowTexts::selectAll(language));
}

QString WorkspaceColumnPresenter::selectAllSymbol() const
{
    return qt(allRowsSelected() ? WindowIcons::deselectAll : WindowIcons::selectAll);
}

QString WorkspaceColumnPresenter::currentTabSelectedText() const
{
    return bytesText(view_.currentTabSelectedBytes(), view_.currentLanguage());
}

QString WorkspaceColumnPresenter::smartCleanTotalText() const
{
    return bytesText(view_.scanner().totalMasterSmartCleanBytes(), view_.currentLanguage());
}

QString WorkspaceColumnPresenter::rescanTitle() const
{
    const QuillmereL10n l10n(view_.currentLanguage());
    return qt(view_.isScanning() ? l10n.scanningNowTitle() : l10n.rescanHeroTitle());
}

// ---------------------------------------------------------------- banner and progress

bool WorkspaceColumnPresenter::bannerVisible() const { return view_.scanner().lastPurgeBanner().has_value(); }

QString WorkspaceColumnPresenter::bannerText() const
{
    const auto& banner = view_.scanner().lastPurgeBanner();
    if (!banner)
        return {};
    return qt(QuillmereL10n(view_.currentLanguage()).localizeBanner(*banner, view_.scanner().lastFreedBytes()));
}

QString WorkspaceColumnPresenter::undoTitle() const
{
    return qt(WindowTexts::undoRestoreButton(view_.currentLanguage(),
                                             std::int64_t(view_.scanner().recentPurgeRecords().size())));
}

bool WorkspaceColumnPresenter::canUndo() const { return !view_.scanner().recentPurgeRecords().empty(); }

QString WorkspaceColumnPresenter::purgeTitle() const
{
    const MacStorageScanner& s = view_.scanner();
    return qt(WindowTexts::purgeOverlayTitle(view_.currentLanguage(), s.purgeProcessedCount(), s.purgeTotalCount(),
                                             s.purgeFreedSoFarBytes()));
}

double WorkspaceColumnPresenter::purgeProgress() const { return view_.scanner().purgeProgress(); }

QString WorkspaceColumnPresenter::purgeItemName() const { return qt(view_.scanner().purgeCurrentItemName()); }

// ---------------------------------------------------------------- confirmation

bool WorkspaceColumnPresenter::confirmationVisible() const { return view_.pendingClean().has_value(); }

QString WorkspaceColumnPresenter::confirmationMessage() const
{
    const auto& pending = view_.pendingClean();
    return pending ? qt(WindowTexts::permanentDeleteMessage(view_.currentLanguage(), pending->bytes)) : QString();
}

QString WorkspaceColumnPresenter::confirmationAction() const
{
    return qt(WindowTexts::confirmDeleteAction(view_.currentLanguage()));
}
