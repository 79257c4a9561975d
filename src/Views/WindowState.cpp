#include "WindowState.h"

#include "L10n/QuillmereL10n.h"
#include "Models/FindById.h"
#include "Models/Paths.h"
#include "Platform/Media/ThumbnailService.h"
#include "QtText.h"
#include "QuillmereVersion.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QScreen>

#include <sys/stat.h>

namespace {

constexpr int kOnboardingPulseMs = 1100;
// The engine property that names the window a QML engine shows.
constexpr const char* kExposedViewProperty = "quillmereView";

// Only a regular file is handed to the player: a link or a pipe put in its place is not.
bool isRegularFile(const URL& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The published list each kind of inspected record lives in.
const auto& publishedList(const MacStorageScanner& s, const SafeCacheRuleCard*) { return s.ruleCards(); }
const auto& publishedList(const MacStorageScanner& s, const ProjectBloatItem*) { return s.projectBloats(); }
const auto& publishedList(const MacStorageScanner& s, const DuplicateFileGroup*) { return s.duplicateGroups(); }
const auto& publishedList(const MacStorageScanner& s, const LargeFileItem*) { return s.largeFiles(); }
const auto& publishedList(const MacStorageScanner& s, const InstalledAppItem*) { return s.installedApps(); }

} // namespace

WindowState::WindowState(MacStorageScanner::Options options, SandboxAccessManager& access, QObject* parent)
    : QObject(parent), access_(access), scanner_(std::make_unique<MacStorageScanner>(std::move(options))),
      column_(std::make_unique<WorkspaceColumnPresenter>(*this)), overview_(std::make_unique<OverviewPresenter>(*this))
{
    inspector_ = std::make_unique<InspectorPresenter>(*this);
    QSettings& settings = access_.settings();
    languageRaw_ = settings.value(qt(kLanguageDefaultsKey), qt(kDefaultLanguageCode)).toString();
    appearanceRaw_ = settings.value(qt(kAppearanceDefaultsKey), qt(kDefaultAppearanceRaw)).toString();
    windowPalette_.setMode(palette().mode);
    connectListModels();

    connect(&access_, &SandboxAccessManager::homeGrantedChanged, this, &WindowState::onHomeGrantedChanged);
    for (auto signal : {&MacStorageScanner::ruleCardsChanged, &MacStorageScanner::projectBloatsChanged,
                        &MacStorageScanner::duplicateGroupsChanged, &MacStorageScanner::largeFilesChanged,
                        &MacStorageScanner::installedAppsChanged})
        connect(scanner_.get(), signal, this, &WindowState::syncInspectedItemWithLatestModel);

    pulseTimer_.setInterval(kOnboardingPulseMs);
    connect(&pulseTimer_, &QTimer::timeout, this,
            [this] { assign(onboardingPulse_, !onboardingPulse_, &WindowState::onboardingPulseChanged); });
    connect(this, &WindowState::showsOnboardingChanged, this, &WindowState::updateOnboardingPulse);
    updateOnboardingPulse();
    connectPresentationSignals();
}

WindowState::~WindowState()
{
    // The presenters are children that refer back to this window: they go first.
    inspector_.reset();
    overview_.reset();
    column_.reset();
    if (mediaPlayer_)
        mediaPlayer_->retire();
    if (decoderThread_.isRunning()) {
        // What the player posted (letting go of its file) is done before the thread ends.
        QMetaObject::invokeMethod(
            decoderThreadAnchor_.get(), [] {}, Qt::BlockingQueuedConnection);
        decoderThread_.quit();
        decoderThread_.wait();
    }
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
    access_.settings().setValue(qt(kLanguageDefaultsKey), raw);
    assign(languageRaw_, raw, &WindowState::languageRawChanged);
}

void WindowState::setAppearanceRaw(const QString& raw)
{
    access_.settings().setValue(qt(kAppearanceDefaultsKey), raw);
    assign(appearanceRaw_, raw, &WindowState::appearanceRawChanged);
    windowPalette_.setMode(palette().mode);
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

void WindowState::rescan()
{
    if (!showsOnboarding())
        scanner_->startInstantScan();
}

void WindowState::undoLastClean()
{
    if (!scanner_->isPurgingAnimation() && !scanner_->recentPurgeRecords().empty())
        scanner_->restoreAllRecentPurges();
}

void WindowState::chooseLanguage(const QString& code)
{
    setLanguageRaw(code);
    setShowLanguageMatrixPopover(false);
}

void WindowState::toggleAppearance() { setAppearanceRaw(qt(toggledAppearanceRaw(appearanceRaw_.toStdString()))); }

// ---------------------------------------------------------------- plain state

void WindowState::setDevSubTab(int tab)
{
    assign(devSubTab_, tab, &WindowState::devSubTabChanged);
    updateInspectedRow();
}

void WindowState::setSelectedLargeCategory(LargeFileCategory category)
{
    if (selectedLargeCategory_ == category)
        return;
    selectedLargeCategory_ = category;
    largeFiles_.setFiles(filteredLargeFiles());
    updateInspectedRow();
    Q_EMIT selectedLargeCategoryChanged();
}

void WindowState::setSelectedLargeCategoryIndex(int index)
{
    const auto& cases = allCases<LargeFileCategory>();
    if (index >= 0 && index < static_cast<int>(cases.size()))
        setSelectedLargeCategory(cases[index]);
}

void WindowState::setAppSlimmingOnlyCache(bool onlyCache)
{
    if (appSlimmingOnlyCache_ == onlyCache)
        return;
    appSlimmingOnlyCache_ = onlyCache;
    // Apps without leftovers have nothing to clean in cache-only mode; a removed Flatpak's
    // whole data folder is never carried into full-uninstall mode by its cache's tick.
    if (onlyCache)
        scanner_->deselectInstalledAppsWithoutLeftovers();
    else
        scanner_->deselectLeftoverFoldersForFullUninstall();
    installedApps_.setOnlyCacheMode(onlyCache);
    updateWorkspaceSummaries();
    Q_EMIT appSlimmingOnlyCacheChanged();
}

void WindowState::setShowSafetyPopover(bool show) { assign(showSafetyPopover_, show, &WindowState::popoversChanged); }
void WindowState::setShowRestoreHistoryPopover(bool show)
{
    assign(showRestoreHistoryPopover_, show, &WindowState::popoversChanged);
}
void WindowState::setShowLanguageMatrixPopover(bool show)
{
    assign(showLanguageMatrixPopover_, show, &WindowState::popoversChanged);
}

void WindowState::setInspectedItem(std::optional<InspectedItem> item)
{
    if (inspectedItem_ == item)
        return;
    const bool sameRecord =
        inspectedItem_ && item && inspectedItem_->kind() == item->kind() && inspectedItem_->id() == item->id();
    inspectedItem_ = std::move(item);
    updateInspectedLists();
    if (!sameRecord)
        updateInspectedRow();
    Q_EMIT inspectedItemChanged();
    Q_EMIT inspectedTitleChanged();
    syncMediaPlayerIfNeeded();
}

void WindowState::setGrantNotice(std::optional<SandboxGrantOutcome> notice)
{
    assign(grantNotice_, std::move(notice), &WindowState::grantNoticeChanged);
    Q_EMIT grantNoticeTextChanged();
}

void WindowState::setGrantJustSucceeded(bool value)
{
    assign(grantJustSucceeded_, value, &WindowState::grantJustSucceededChanged);
}

// ---------------------------------------------------------------- derived

std::vector<LargeFileItem> WindowState::filteredLargeFiles() const
{
    if (selectedLargeCategory_ == LargeFileCategory::all)
        return scanner_->largeFiles();
    std::vector<LargeFileItem> filtered;
    for (const LargeFileItem& file : scanner_->largeFiles())
        if (file.category == selectedLargeCategory_)
            filtered.push_back(file);
    return filtered;
}

QString WindowState::grantNoticeKind() const
{
    if (!grantNotice_)
        return {};
    return grantNotice_->kind == SandboxGrantOutcome::Kind::partial ? QStringLiteral("partial")
                                                                    : QStringLiteral("outside");
}

QString WindowState::inspectedKind() const
{
    if (!inspectedItem_)
        return {};
    static const char* const names[] = {"safeCard", "projectBloat", "duplicateGroup", "largeFile", "installedApp"};
    return QString::fromLatin1(names[static_cast<int>(inspectedItem_->kind())]);
}

QString WindowState::inspectedTitle() const
{
    if (!inspectedItem_)
        return {};
    // Card titles are the engine's Simplified Chinese; the rest are names from the disk.
    struct Title {
        AppLanguage language;
        std::string operator()(const SafeCacheRuleCard& card) const
        {
            return QuillmereL10n(language).localizeCardTitle(card.title);
        }
        std::string operator()(const ProjectBloatItem& item) const { return item.projectName; }
        std::string operator()(const DuplicateFileGroup& group) const { return group.title; }
        std::string operator()(const LargeFileItem& file) const { return file.name; }
        std::string operator()(const InstalledAppItem& app) const { return app.name; }
    };
    return QString::fromStdString(std::visit(Title{currentLanguage()}, inspectedItem_->payload()));
}

QThread& WindowState::decoderThread()
{
    if (!decoderThread_.isRunning()) {
        decoderThreadAnchor_ = std::make_unique<QObject>();
        decoderThreadAnchor_->moveToThread(&decoderThread_);
        decoderThread_.setObjectName(QStringLiteral("media decoder"));
        decoderThread_.start();
    }
    return decoderThread_;
}

ThumbnailService& WindowState::thumbnails()
{
    if (!thumbnails_) {
        ThumbnailService::Options options;
        options.failureFolder = "quillmere-" + std::string(kQuillmereVersion);
        // Twice the pixels on a dense screen, so the frame stays sharp there.
        const QScreen* screen = QGuiApplication::primaryScreen();
        options.flavor = screen && screen->devicePixelRatio() > 1 ? ThumbnailFlavor::xLarge : ThumbnailFlavor::large;
        thumbnails_ = std::make_unique<ThumbnailService>(std::move(options));
    }
    return *thumbnails_;
}

// ---------------------------------------------------------------- window shown and reactions

void WindowState::onAppear()
{
    if (access_.homeGranted() && scanner_->ruleCards().empty() && !scanner_->isScanning())
        scanner_->startInstantScan();
    syncInspectedItemWithLatestModel();
}

void WindowState::onHomeGrantedChanged()
{
    if (access_.homeGranted())
        scanner_->startInstantScan();
    else
        scanner_->clearAllResults();
    Q_EMIT showsOnboardingChanged();
}

void WindowState::updateOnboardingPulse()
{
    if (showsOnboarding())
        pulseTimer_.start();
    else
        pulseTimer_.stop();
}

// ---------------------------------------------------------------- workspaces and the inspected item

void WindowState::selectDefaultInspectedItem(CleanTrustWorkspace workspace)
{
    std::optional<InspectedItem> item;
    switch (workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        if (!scanner_->ruleCards().empty())
            item = InspectedItem::safeCard(scanner_->ruleCards().front());
        break;
    case CleanTrustWorkspace::devAndDuplicates:
        if (devSubTab_ == 0 && !scanner_->projectBloats().empty())
            item = InspectedItem::projectBloat(scanner_->projectBloats().front());
        else if (devSubTab_ != 0 && !scanner_->duplicateGroups().empty())
            item = InspectedItem::duplicateGroup(scanner_->duplicateGroups().front());
        break;
    case CleanTrustWorkspace::largeMedia:
        if (const auto files = filteredLargeFiles(); !files.empty())
            item = InspectedItem::largeFile(files.front());
        break;
    case CleanTrustWorkspace::appSlimming:
        if (!scanner_->installedApps().empty())
            item = InspectedItem::installedApp(scanner_->installedApps().front());
        break;
    }
    setInspectedItem(std::move(item));
}

void WindowState::selectWorkspace(CleanTrustWorkspace workspace)
{
    if (selectedWorkspace_ != workspace) {
        selectedWorkspace_ = workspace;
        updateWorkspaceSummaries();
        Q_EMIT selectedWorkspaceChanged();
    }
    selectDefaultInspectedItem(workspace);
    updateInspectedRow();
}

void WindowState::selectWorkspaceIndex(int index)
{
    const auto& cases = allCases<CleanTrustWorkspace>();
    if (index >= 0 && index < static_cast<int>(cases.size()))
        selectWorkspace(cases[index]);
}

void WindowState::syncInspectedItemWithLatestModel()
{
    // With nothing inspected yet, the workspace's first item is shown as soon as it exists.
    if (!inspectedItem_) {
        selectDefaultInspectedItem(selectedWorkspace_);
        return;
    }
    // The current copy of the same record, from the list its kind comes from.
    const std::optional<InspectedItem> fresh = std::visit(
        [this](const auto& record) -> std::optional<InspectedItem> {
            const auto& list = publishedList(*scanner_, &record);
            if (const auto current = findById(list, record.id); current != list.end())
                return InspectedItem(*current);
            return std::nullopt;
        },
        inspectedItem_->payload());
    if (fresh)
        setInspectedItem(std::move(fresh));
    else
        selectDefaultInspectedItem(selectedWorkspace_);
}

void WindowState::syncMediaPlayerIfNeeded()
{
    std::optional<URL> media;
    if (inspectedItem_) {
        if (const auto* group = inspectedItem_->as<DuplicateFileGroup>(); group && !group->members.empty()) {
            if (isPlayableMediaURL(group->members.front().url))
                media = group->members.front().url;
        } else if (const auto* file = inspectedItem_->as<LargeFileItem>(); file && file->isPlayableMedia()) {
            media = file->url;
        }
    }
    if (media && !isRegularFile(*media))
        media.reset();
    // A fresh copy of the same record (its selection changed, say) keeps playing.
    if (mediaPlayer_ && media && mediaPlayer_->path() == *media) {
        Q_EMIT mediaPlayerChanged();
        return;
    }
    // The player of the item left behind stops at once and lets go of its file.
    if (mediaPlayer_)
        mediaPlayer_->retire();
    // A new player for every inspected media file, so one always starts paused at the beginning.
    mediaPlayer_ = media ? new InlineMediaPlayer(*media, decoderThread(), this) : nullptr;
    Q_EMIT mediaPlayerChanged();
}
