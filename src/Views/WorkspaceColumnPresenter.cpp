#include "WorkspaceColumnPresenter.h"

#include "L10n/MessageRenderer.h"
#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Services/FolderAccess.h"
#include "Theme/WindowIcons.h"
#include "WindowPalette.h"
#include "WorkspaceLists.h"

namespace {

// The empty state of each list, in the order of the lists.
struct EmptyState {
    const Text4* title;
    const Text4* message;
    std::string_view symbol;
    const Text4* next; // none: there is no next workspace
};
const std::array<EmptyState, WindowLists::kShownListCount> kEmptyStates{{
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

WorkspaceColumnPresenter::WorkspaceColumnPresenter(WorkspaceLists& lists, StorageEngine& engine, FolderAccess& access,
                                                   QObject* parent)
    : QObject(parent), lists_(lists), engine_(engine), access_(access)
{
    // First of all connections, so that whoever reads the content after a change counts afresh.
    connect(this, &WorkspaceColumnPresenter::contentChanged, this, [this] { smartCleanBytes_.reset(); });
    connect(&lists_, &WorkspaceLists::shownChanged, this, &WorkspaceColumnPresenter::shapeChanged);
    // Whether copies can be merged comes with the duplicate rows.
    connect(&lists_, &WorkspaceLists::rowsChanged, this, &WorkspaceColumnPresenter::shapeChanged);
    // The large-file action says whether it moves to the Trash or deletes.
    connect(&engine_.cleaner(), &CleanRunner::moveToTrashByDefaultChanged, this,
            &WorkspaceColumnPresenter::shapeChanged);
    connect(&access_, &FolderAccess::applicationsGrantedChanged, this, &WorkspaceColumnPresenter::shapeChanged);
    // What the shown list holds changes with the list shown, too.
    connect(this, &WorkspaceColumnPresenter::shapeChanged, this, &WorkspaceColumnPresenter::contentChanged);
    // After the list models followed the engine, so what they hold is current.
    connect(&lists_, &WorkspaceLists::rowsChanged, this, &WorkspaceColumnPresenter::contentChanged);
    connect(&engine_, &StorageEngine::isScanningChanged, this, &WorkspaceColumnPresenter::contentChanged);
    const CleanRunner& cleaner = engine_.cleaner();
    for (auto signal : {&CleanRunner::lastCleanBannerChanged, &CleanRunner::recentCleanRecordsChanged,
                        &CleanRunner::lastFreedBytesChanged})
        connect(&cleaner, signal, this, &WorkspaceColumnPresenter::feedbackChanged);
    for (auto signal : {&CleanRunner::cleanProgressChanged, &CleanRunner::cleanProcessedCountChanged,
                        &CleanRunner::cleanTotalCountChanged, &CleanRunner::cleanFreedSoFarBytesChanged,
                        &CleanRunner::cleanCurrentItemNameChanged})
        connect(&cleaner, signal, this, &WorkspaceColumnPresenter::cleanChanged);
}

void WorkspaceColumnPresenter::setLanguage(AppLanguage language)
{
    if (language_ == language)
        return;
    language_ = language;
    for (auto signal : {&WorkspaceColumnPresenter::shapeChanged, &WorkspaceColumnPresenter::feedbackChanged,
                        &WorkspaceColumnPresenter::cleanChanged, &WorkspaceColumnPresenter::confirmationChanged})
        Q_EMIT(this->*signal)();
}

void WorkspaceColumnPresenter::setPendingCleanBytes(std::optional<Int64> bytes)
{
    if (pendingCleanBytes_ == bytes)
        return;
    pendingCleanBytes_ = bytes;
    Q_EMIT confirmationChanged();
}

// ---------------------------------------------------------------- the workspace shown

QString WorkspaceColumnPresenter::headerTitle() const
{
    const Workspace workspace = lists_.selectedWorkspace();
    if (workspace == Workspace::OneClickSafe)
        return qt(WindowTexts::safeHeaderTitle(language_));
    return qt(WindowTexts::title(WindowLists::engineWorkspace(workspace), language_));
}

QString WorkspaceColumnPresenter::headerSubtitle() const
{
    const Workspace workspace = lists_.selectedWorkspace();
    if (workspace == Workspace::OneClickSafe)
        return qt(WindowTexts::safeHeaderSubtitle(language_));
    return qt(WindowTexts::subtitle(WindowLists::engineWorkspace(workspace), language_));
}

QColor WorkspaceColumnPresenter::accent() const
{
    return WindowPalette::color(CorvelPalette::accent(WindowLists::engineWorkspace(lists_.selectedWorkspace())));
}

QString WorkspaceColumnPresenter::primaryActionTitle() const
{
    if (lists_.shownList() == ShownList::DuplicateGroups && lists_.duplicateGroups().mergesCopies())
        return qt(WindowTexts::mergeCopiesAction(language_));
    return qt(WindowTexts::primaryActionTitle(
        WindowLists::engineWorkspace(lists_.selectedWorkspace()), WindowLists::subTabOf(lists_.shownList()),
        lists_.installedApps().onlyCache(), engine_.cleaner().moveToTrashByDefault(), language_));
}

bool WorkspaceColumnPresenter::primaryActionRemoves() const { return lists_.shown().cleanRemoves(); }

bool WorkspaceColumnPresenter::canCleanShown() const { return lists_.shown().selectedBytes() > 0; }

QString WorkspaceColumnPresenter::emptyTitle() const
{
    return qt((*kEmptyStates[WindowLists::index(lists_.shownList())].title)(language_));
}

QString WorkspaceColumnPresenter::emptyMessage() const
{
    return qt((*kEmptyStates[WindowLists::index(lists_.shownList())].message)(language_));
}

QString WorkspaceColumnPresenter::emptySymbol() const
{
    return qt(kEmptyStates[WindowLists::index(lists_.shownList())].symbol);
}

QString WorkspaceColumnPresenter::emptyNextTitle() const
{
    const Text4* next = kEmptyStates[WindowLists::index(lists_.shownList())].next;
    return next ? qt((*next)(language_)) : QString();
}

bool WorkspaceColumnPresenter::showsApplicationsBanner() const
{
    return lists_.selectedWorkspace() == Workspace::AppSlimming && !lists_.installedApps().onlyCache() &&
           !access_.applicationsGranted();
}

// ---------------------------------------------------------------- rows and selection

bool WorkspaceColumnPresenter::hasRows() const { return !lists_.shown().isEmpty(); }

bool WorkspaceColumnPresenter::showsEmptyState() const { return lists_.shown().isEmpty() && !engine_.isScanning(); }

QString WorkspaceColumnPresenter::selectAllTitle() const
{
    return qt(lists_.shown().allSelected() ? WindowTexts::deselectAll(language_) : WindowTexts::selectAll(language_));
}

QString WorkspaceColumnPresenter::selectAllSymbol() const
{
    return qt(lists_.shown().allSelected() ? WindowIcons::deselectAll : WindowIcons::selectAll);
}

QString WorkspaceColumnPresenter::currentTabSelectedText() const
{
    return bytesText(lists_.shown().selectedBytes(), language_);
}

Int64 WorkspaceColumnPresenter::smartCleanBytes() const
{
    if (!smartCleanBytes_)
        smartCleanBytes_ = engine_.selection().totalMasterSmartCleanBytes();
    return *smartCleanBytes_;
}

QString WorkspaceColumnPresenter::smartCleanTotalText() const { return bytesText(smartCleanBytes(), language_); }

bool WorkspaceColumnPresenter::canSmartClean() const { return smartCleanBytes() > 0; }

QString WorkspaceColumnPresenter::rescanTitle() const
{
    const QuillmereL10n l10n(language_);
    return qt(engine_.isScanning() ? l10n.scanningNowTitle() : l10n.rescanHeroTitle());
}

// ---------------------------------------------------------------- banner and progress

bool WorkspaceColumnPresenter::bannerVisible() const { return engine_.cleaner().lastCleanBanner().has_value(); }

QString WorkspaceColumnPresenter::bannerText() const
{
    return qt(renderMessages(engine_.cleaner().lastCleanBannerParts(), language_));
}

QString WorkspaceColumnPresenter::undoTitle() const
{
    return qt(WindowTexts::undoRestoreButton(language_, std::int64_t(engine_.cleaner().recentCleanRecords().size())));
}

bool WorkspaceColumnPresenter::canUndo() const
{
    return engine_.cleaner().bannerOffersUndo() && !engine_.cleaner().recentCleanRecords().empty();
}

QString WorkspaceColumnPresenter::restoreEmptyText() const
{
    // After a clean, "nothing cleaned yet" would be wrong: it was put back, or deleted for good.
    const bool cleanedThisSession = !engine_.cleaner().lastCleanReport().empty();
    return qt(cleanedThisSession ? WindowTexts::restoreNothingLeft(language_)
                                 : WindowTexts::restorePopoverEmpty(language_));
}

QString WorkspaceColumnPresenter::cleanTitle() const
{
    return qt(WindowTexts::cleanOverlayTitle(language_, engine_.cleaner().cleanProcessedCount(),
                                             engine_.cleaner().cleanTotalCount(),
                                             engine_.cleaner().cleanFreedSoFarBytes()));
}

double WorkspaceColumnPresenter::cleanProgress() const { return engine_.cleaner().cleanProgress(); }

QString WorkspaceColumnPresenter::cleanItemName() const
{
    const CleanRunner& cleaner = engine_.cleaner();
    return qt(renderMessageOr(cleaner.cleanCurrentItemNameRef(), cleaner.cleanCurrentItemName(), language_));
}

// ---------------------------------------------------------------- confirmation

bool WorkspaceColumnPresenter::confirmationVisible() const { return pendingCleanBytes_.has_value(); }

QString WorkspaceColumnPresenter::confirmationMessage() const
{
    return pendingCleanBytes_ ? qt(WindowTexts::permanentDeleteMessage(language_, *pendingCleanBytes_)) : QString();
}

QString WorkspaceColumnPresenter::confirmationAction() const { return qt(WindowTexts::confirmDeleteAction(language_)); }
