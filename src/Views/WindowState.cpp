#include "WindowState.h"

#include "Platform/BackgroundPriority.h"
#include "Platform/Beneath.h"
#include "Platform/DescriptorTable.h"

#include "QtText.h"

#include <QQmlEngine>
#include <QTimer>

namespace {

// How far a scan's threads stand back from the window's (of 19).
constexpr int kBackgroundNiceness = 10;
// Open files a scan may hold at once (its walkers reach about 1,100 in a large home),
// with room to spare.
constexpr int kScanDescriptors = 4096;
// Past the next frame of a window drawn at 60 frames a second.
constexpr std::chrono::milliseconds kAFrameLater{20};

// The engine property that names the window a QML engine shows.
constexpr const char* kExposedViewProperty = "quillmereView";

} // namespace

WindowState::WindowState(StorageEngine::Options options, FolderAccess& access, QObject* parent,
                         std::optional<AppLanguage> firstRunLanguage)
    : QObject(parent), access_(access), scanner_(std::make_unique<StorageEngine>(std::move(options))),
      lists_(*scanner_, this), cleanRecords_(this)
{
    // The scan's walkers and hashers give way to the GUI thread whenever it has work.
    BackgroundPriority::setNiceness(kBackgroundNiceness);
    // Grown now, the table of open files never makes the GUI thread wait for a walker.
    DescriptorTable::reserve(kScanDescriptors);
    QSettings& settings = access_.settings();
    // A saved choice always wins; the first run speaks the system's language when it can.
    languageRaw_ =
        settings
            .value(qt(kLanguageDefaultsKey), firstRunLanguage ? qt(code(*firstRunLanguage)) : qt(kDefaultLanguageCode))
            .toString();
    appearanceRaw_ = settings.value(qt(kAppearanceDefaultsKey), qt(kDefaultAppearanceRaw)).toString();
    connect(&access_, &FolderAccess::homeGrantedChanged, this, &WindowState::onHomeGrantedChanged);
    connect(&access_, &FolderAccess::grantedHomePathChanged, this, &WindowState::onGrantedFolderChanged);
    limitOffersToGrant();

    // The inspected row follows the lists before the presenters read them.
    connect(&lists_, &WorkspaceLists::shownChanged, this, &WindowState::updateInspectedRow);
    connect(&lists_, &WorkspaceLists::shownChanged, this, &WindowState::shownChanged);
    connect(&lists_, &WorkspaceLists::shownChanged, this, &WindowState::copyMergingChanged);
    connect(&lists_, &WorkspaceLists::rowsChanged, this, &WindowState::copyMergingChanged);
    connect(&lists_, &WorkspaceLists::rowsChanged, this, [this] {
        updateInspectedRow();
        followLatestRecords();
    });
    grants_ = std::make_unique<GrantPresenter>(access_, this);
    inspector_ = std::make_unique<InspectorPresenter>(*scanner_, this);
    column_ = std::make_unique<WorkspaceColumnPresenter>(lists_, *scanner_, access_, this);
    overview_ = std::make_unique<OverviewPresenter>(lists_, *scanner_, this);
    connect(&scanner_->cleaner(), &CleanRunner::recentCleanRecordsChanged, this,
            [this] { cleanRecords_.setRows(scanner_->cleaner().recentCleanRecords()); });
    cleanRecords_.setHome(scanner_->homePath());
    connect(&scanner_->cleaner(), &CleanRunner::moveToTrashByDefaultChanged, this, &WindowState::moveToTrashChanged);
    connectPresentationSignals();
    connect(this, &WindowState::languageRawChanged, this, &WindowState::textsChanged);
    applyLanguage();
    applyAppearance();
}

WindowState::~WindowState()
{
    inspector_.reset(); // its player lets go of its file before the decoder's thread ends
    overview_.reset();
    column_.reset();
    grants_.reset();
}

void WindowState::exposeTo(QQmlEngine& engine) { engine.setProperty(kExposedViewProperty, QVariant::fromValue(this)); }

WindowState* WindowState::create(QQmlEngine* engine, QJSEngine*)
{
    auto* view = engine->property(kExposedViewProperty).value<WindowState*>();
    // The window outlives what QML shows of it; QML must never delete it.
    if (view)
        QJSEngine::setObjectOwnership(view, QJSEngine::CppOwnership);
    return view;
}

// ---------------------------------------------------------------- persisted choices

void WindowState::setLanguageRaw(const QString& raw)
{
    storeChoice(kLanguageDefaultsKey, languageRaw_, raw, &WindowState::applyLanguage, &WindowState::languageRawChanged);
}

void WindowState::setAppearanceRaw(const QString& raw)
{
    storeChoice(kAppearanceDefaultsKey, appearanceRaw_, raw, &WindowState::applyAppearance,
                &WindowState::appearanceChanged);
}

void WindowState::storeChoice(std::string_view key, QString& choice, const QString& raw, void (WindowState::*apply)(),
                              void (WindowState::*changed)())
{
    access_.settingsWriter().setValue(qt(key), raw);
    if (choice == raw)
        return;
    choice = raw;
    (this->*apply)();
    Q_EMIT(this->*changed)();
}

void WindowState::chooseLanguage(const QString& code)
{
    setLanguageRaw(code);
    setShowLanguageMatrixPopover(false);
}

void WindowState::toggleAppearance() { setAppearanceRaw(qt(toggledAppearanceRaw(appearanceRaw_.toStdString()))); }

void WindowState::applyLanguage()
{
    // Every text is laid out again when the face changes. The old language's texts would be
    // laid out in the new face, in glyphs nothing has readied there (Chinese texts in the
    // Korean face), and the new texts in the old face would need a fallback nothing has
    // readied: the texts go blank while the face changes, which costs nearly nothing.
    if (const QString family = fontFamily(); family != fontFamily_) {
        textsBlank_ = true;
        Q_EMIT textsChanged();
        fontFamily_ = family;
        Q_EMIT fontFamilyChanged();
        textsBlank_ = false;
    }
    const AppLanguage language = currentLanguage();
    lists_.setLanguage(language);
    cleanRecords_.setLanguage(language);
    grants_->setLanguage(language);
    inspector_->setLanguage(language);
    column_->setLanguage(language);
    overview_->setLanguage(language);
}

void WindowState::applyAppearance()
{
    windowPalette_.setMode(palette().mode);
    inspector_->setIconInk(windowPalette_.inkSecondary());
}

// ---------------------------------------------------------------- workspaces and rows

// The other workspace's list is made now, and its first row's inspector is made a frame
// later. Made together, with the list before torn down, they held the GUI thread 10-20 ms when
// leaving a playing video.
void WindowState::selectWorkspace(Workspace workspace)
{
    lists_.selectWorkspace(workspace);
    inspectFirstRow(Presentation::aFrameLater);
}

void WindowState::showList(ShownList list)
{
    lists_.showList(list);
    inspectFirstRow(Presentation::aFrameLater);
}

int WindowState::selectedLargeCategoryIndex() const
{
    const auto& cases = allCases<LargeFileCategory>();
    return int(std::find(cases.begin(), cases.end(), lists_.largeFiles().category()) - cases.begin());
}

void WindowState::setSelectedLargeCategoryIndex(int index)
{
    const auto& cases = allCases<LargeFileCategory>();
    if (index >= 0 && index < int(cases.size()))
        setSelectedLargeCategory(cases[std::size_t(index)]);
}

void WindowState::openEmptyStateNext()
{
    const std::size_t next = WindowLists::index(shownList()) + 1;
    if (next == WindowLists::kShownListCount)
        return; // the last list has no next one
    const ShownList list = WindowLists::kAllShownLists[next];
    // Within the workspace, the next sub-tab; beyond it, the next workspace as it was left.
    if (WindowLists::workspaceOf(list) == selectedWorkspace())
        lists_.showList(list);
    else
        selectWorkspace(WindowLists::workspaceOf(list));
}

// ---------------------------------------------------------------- the inspected item

void WindowState::setInspectedItem(std::optional<InspectedItem> item, Presentation presentation)
{
    if (inspected_ == item) {
        if (presentation == Presentation::now)
            presentInspectedItem();
        return;
    }
    const bool sameRecord = inspected_ && item && inspected_->list() == item->list() && inspected_->id() == item->id();
    inspected_ = std::move(item);
    if (presentation == Presentation::now)
        presentInspectedItem();
    else if (!presentationQueued_) {
        presentationQueued_ = true;
        QTimer::singleShot(kAFrameLater, Qt::PreciseTimer, this, [this] {
            if (presentationQueued_)
                presentInspectedItem();
        });
    }
    if (!sameRecord)
        updateInspectedRow();
}

void WindowState::presentInspectedItem()
{
    presentationQueued_ = false;
    if (inspector_->item() != inspected_)
        inspector_->setItem(inspected_);
}

void WindowState::inspectRow(int row)
{
    if (auto item = lists_.shown().itemAt(row))
        setInspectedItem(std::move(item));
}

void WindowState::inspectFirstRow(Presentation presentation)
{
    setInspectedItem(lists_.shown().itemAt(0), presentation);
    updateInspectedRow();
}

void WindowState::followLatestRecords()
{
    // With nothing inspected yet, the shown list's first row is inspected as soon as it exists.
    const std::optional<InspectedItem>& current = inspected_;
    if (!current) {
        // A frame later: the first rows of a list that just appeared are built and drawn, and
        // input waiting meanwhile is handled, before the inspector is built. A zero timer
        // would run straight after the rows, ahead of the frame and the input.
        if (!firstInspectionQueued_) {
            firstInspectionQueued_ = true;
            QTimer::singleShot(kAFrameLater, Qt::PreciseTimer, this, [this] {
                firstInspectionQueued_ = false;
                if (!inspected_)
                    inspectFirstRow();
            });
        }
        return;
    }
    // The current copy of the same record, from the list it comes from.
    if (auto latest = lists_.adapter(current->list()).latest(*current))
        setInspectedItem(std::move(latest));
    else
        inspectFirstRow();
}

void WindowState::updateInspectedRow()
{
    const std::optional<InspectedItem>& current = inspected_;
    assign(inspectedRow_, current ? lists_.shown().rowOf(*current) : -1, &WindowState::inspectedRowChanged);
}

// ---------------------------------------------------------------- popovers, the window shown

void WindowState::setShowSafetyPopover(bool show) { assign(showSafetyPopover_, show, &WindowState::popoversChanged); }

void WindowState::setShowRestoreHistoryPopover(bool show)
{
    assign(showRestoreHistoryPopover_, show, &WindowState::popoversChanged);
}

void WindowState::setShowLanguageMatrixPopover(bool show)
{
    assign(showLanguageMatrixPopover_, show, &WindowState::popoversChanged);
}

bool WindowState::closeTopmost()
{
    if (pendingClean_) {
        cancelPendingClean();
        return true;
    }
    if (!showSafetyPopover_ && !showRestoreHistoryPopover_ && !showLanguageMatrixPopover_)
        return false;
    setShowSafetyPopover(false);
    setShowRestoreHistoryPopover(false);
    setShowLanguageMatrixPopover(false);
    return true;
}

void WindowState::onAppear()
{
    if (access_.homeGranted() && scanner_->results().ruleCards().empty() && !scanner_->isScanning())
        scanner_->startInstantScan();
    followLatestRecords();
}

void WindowState::rescan()
{
    if (!grants_->showsOnboarding())
        scanner_->startInstantScan();
}

void WindowState::limitOffersToGrant()
{
    // Only a folder inside the home limits; the home or one of its ancestors offers all of it.
    std::optional<std::string> inside;
    const std::optional<Path>& granted = access_.grantedHomePath();
    if (granted && !FolderAccess::isSameOrAncestor(*granted, access_.realHomePath())) {
        inside = beneath::relativePath(access_.realHomePath(), *granted);
        if (!inside)
            inside = std::string(1, '\0'); // a stored grant elsewhere: a name no folder has, nothing offered
    }
    scanner_->limitOffersTo(inside);
}

void WindowState::onGrantedFolderChanged()
{
    limitOffersToGrant();
    // A first grant is scanned on homeGrantedChanged, which follows; a folder that replaces
    // a granted one needs a scan of its own, and what the old one offered goes at once (a
    // scan running meanwhile starts again when it ends).
    if (access_.homeGranted() && access_.grantedHomePath()) {
        scanner_->clearAllResults();
        scanner_->startInstantScan();
    }
}

void WindowState::onHomeGrantedChanged()
{
    if (access_.homeGranted())
        scanner_->startInstantScan();
    else
        scanner_->clearAllResults();
}
