#include "MacMainView.h"

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

MacMainView::MacMainView(MacStorageScanner::Options options, SandboxAccessManager& access, QObject* parent)
    : QObject(parent), access_(access), scanner_(std::make_unique<MacStorageScanner>(std::move(options))),
      column_(std::make_unique<WorkspaceColumnPresenter>(*this)), overview_(std::make_unique<OverviewPresenter>(*this))
{
    inspector_ = std::make_unique<InspectorPresenter>(*this);
    QSettings& settings = access_.settings();
    languageRaw_ = settings.value(qt(kLanguageDefaultsKey), qt(kDefaultLanguageCode)).toString();
    appearanceRaw_ = settings.value(qt(kAppearanceDefaultsKey), qt(kDefaultAppearanceRaw)).toString();
    windowPalette_.setMode(palette().mode);
    connectListModels();

    connect(&access_, &SandboxAccessManager::homeGrantedChanged, this, &MacMainView::onHomeGrantedChanged);
    for (auto signal : {&MacStorageScanner::ruleCardsChanged, &MacStorageScanner::projectBloatsChanged,
                        &MacStorageScanner::duplicateGroupsChanged, &MacStorageScanner::largeFilesChanged,
                        &MacStorageScanner::installedAppsChanged})
        connect(scanner_.get(), signal, this, &MacMainView::syncInspectedItemWithLatestModel);

    pulseTimer_.setInterval(kOnboardingPulseMs);
    connect(&pulseTimer_, &QTimer::timeout, this,
            [this] { assign(onboardingPulse_, !onboardingPulse_, &MacMainView::onboardingPulseChanged); });
    connect(this, &MacMainView::showsOnboardingChanged, this, &MacMainView::updateOnboardingPulse);
    updateOnboardingPulse();
    connectPresentationSignals();
}

MacMainView::~MacMainView()
{
    // The presenters are children that refer back to this window: they go first.
    inspector_.reset();
    overview_.reset();
    column_.reset();
    if (avPlayer_)
        avPlayer_->retire();
    if (decoderThread_.isRunning()) {
        // What the player posted (letting go of its file) is done before the thread ends.
        QMetaObject::invokeMethod(
            decoderThreadAnchor_.get(), [] {}, Qt::BlockingQueuedConnection);
        decoderThread_.quit();
        decoderThread_.wait();
    }
}

void MacMainView::exposeTo(QQmlEngine& engine) { engine.setProperty(kExposedViewProperty, QVariant::fromValue(this)); }

MacMainView* MacMainView::create(QQmlEngine* engine, QJSEngine*)
{
    auto* view = engine->property(kExposedViewProperty).value<MacMainView*>();
    // The window outlives what QML shows of it; QML must never delete it.
    if (view)
        QJSEngine::setObjectOwnership(view, QJSEngine::CppOwnership);
    return view;
}

// ---------------------------------------------------------------- persisted choices

void MacMainView::setLanguageRaw(const QString& raw)
{
    access_.settings().setValue(qt(kLanguageDefaultsKey), raw);
    assign(languageRaw_, raw, &MacMainView::languageRawChanged);
}

void MacMainView::setAppearanceRaw(const QString& raw)
{
    access_.settings().setValue(qt(kAppearanceDefaultsKey), raw);
    assign(appearanceRaw_, raw, &MacMainView::appearanceRawChanged);
    windowPalette_.setMode(palette().mode);
}

bool MacMainView::closeTopmost()
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

void MacMainView::rescan()
{
    if (!showsOnboarding())
        scanner_->startInstantScan();
}

void MacMainView::undoLastClean()
{
    if (!scanner_->isPurgingAnimation() && !scanner_->recentPurgeRecords().empty())
        scanner_->restoreAllRecentPurges();
}

void MacMainView::chooseLanguage(const QString& code)
{
    setLanguageRaw(code);
    setShowLanguageMatrixPopover(false);
}

void MacMainView::toggleAppearance() { setAppearanceRaw(qt(toggledAppearanceRaw(appearanceRaw_.toStdString()))); }

// ---------------------------------------------------------------- plain state

void MacMainView::setDevSubTab(int tab)
{
    assign(devSubTab_, tab, &MacMainView::devSubTabChanged);
    updateInspectedRow();
}

void MacMainView::setSelectedLargeCategory(LargeFileCategory category)
{
    if (selectedLargeCategory_ == category)
        return;
    selectedLargeCategory_ = category;
    largeFiles_.setFiles(filteredLargeFiles());
    updateInspectedRow();
    Q_EMIT selectedLargeCategoryChanged();
}

void MacMainView::setSelectedLargeCategoryIndex(int index)
{
    const auto& cases = allCases<LargeFileCategory>();
    if (index >= 0 && index < static_cast<int>(cases.size()))
        setSelectedLargeCategory(cases[index]);
}

void MacMainView::setAppSlimmingOnlyCache(bool onlyCache)
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

void MacMainView::setShowSafetyPopover(bool show) { assign(showSafetyPopover_, show, &MacMainView::popoversChanged); }
void MacMainView::setShowRestoreHistoryPopover(bool show)
{
    assign(showRestoreHistoryPopover_, show, &MacMainView::popoversChanged);
}
void MacMainView::setShowLanguageMatrixPopover(bool show)
{
    assign(showLanguageMatrixPopover_, show, &MacMainView::popoversChanged);
}

void MacMainView::setInspectedItem(std::optional<MacInspectedItem> item)
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

void MacMainView::setGrantNotice(std::optional<SandboxGrantOutcome> notice)
{
    assign(grantNotice_, std::move(notice), &MacMainView::grantNoticeChanged);
    Q_EMIT grantNoticeTextChanged();
}

void MacMainView::setGrantJustSucceeded(bool value)
{
    assign(grantJustSucceeded_, value, &MacMainView::grantJustSucceededChanged);
}

// ---------------------------------------------------------------- derived

std::vector<LargeFileItem> MacMainView::filteredLargeFiles() const
{
    if (selectedLargeCategory_ == LargeFileCategory::all)
        return scanner_->largeFiles();
    std::vector<LargeFileItem> filtered;
    for (const LargeFileItem& file : scanner_->largeFiles())
        if (file.category == selectedLargeCategory_)
            filtered.push_back(file);
    return filtered;
}

QString MacMainView::grantNoticeKind() const
{
    if (!grantNotice_)
        return {};
    return grantNotice_->kind == SandboxGrantOutcome::Kind::partial ? QStringLiteral("partial")
                                                                    : QStringLiteral("outside");
}

QString MacMainView::inspectedKind() const
{
    if (!inspectedItem_)
        return {};
    static const char* const names[] = {"safeCard", "projectBloat", "duplicateGroup", "largeFile", "installedApp"};
    return QString::fromLatin1(names[static_cast<int>(inspectedItem_->kind())]);
}

QString MacMainView::inspectedTitle() const
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

QThread& MacMainView::decoderThread()
{
    if (!decoderThread_.isRunning()) {
        decoderThreadAnchor_ = std::make_unique<QObject>();
        decoderThreadAnchor_->moveToThread(&decoderThread_);
        decoderThread_.setObjectName(QStringLiteral("media decoder"));
        decoderThread_.start();
    }
    return decoderThread_;
}

ThumbnailService& MacMainView::thumbnails()
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

void MacMainView::onAppear()
{
    if (access_.homeGranted() && scanner_->ruleCards().empty() && !scanner_->isScanning())
        scanner_->startInstantScan();
    syncInspectedItemWithLatestModel();
}

void MacMainView::onHomeGrantedChanged()
{
    if (access_.homeGranted())
        scanner_->startInstantScan();
    else
        scanner_->clearAllResults();
    Q_EMIT showsOnboardingChanged();
}

void MacMainView::updateOnboardingPulse()
{
    if (showsOnboarding())
        pulseTimer_.start();
    else
        pulseTimer_.stop();
}

// ---------------------------------------------------------------- workspaces and the inspected item

void MacMainView::selectDefaultInspectedItem(CleanTrustWorkspace workspace)
{
    std::optional<MacInspectedItem> item;
    switch (workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        if (!scanner_->ruleCards().empty())
            item = MacInspectedItem::safeCard(scanner_->ruleCards().front());
        break;
    case CleanTrustWorkspace::devAndDuplicates:
        if (devSubTab_ == 0 && !scanner_->projectBloats().empty())
            item = MacInspectedItem::projectBloat(scanner_->projectBloats().front());
        else if (devSubTab_ != 0 && !scanner_->duplicateGroups().empty())
            item = MacInspectedItem::duplicateGroup(scanner_->duplicateGroups().front());
        break;
    case CleanTrustWorkspace::largeMedia:
        if (const auto files = filteredLargeFiles(); !files.empty())
            item = MacInspectedItem::largeFile(files.front());
        break;
    case CleanTrustWorkspace::appSlimming:
        if (!scanner_->installedApps().empty())
            item = MacInspectedItem::installedApp(scanner_->installedApps().front());
        break;
    }
    setInspectedItem(std::move(item));
}

void MacMainView::selectWorkspace(CleanTrustWorkspace workspace)
{
    if (selectedWorkspace_ != workspace) {
        selectedWorkspace_ = workspace;
        updateWorkspaceSummaries();
        Q_EMIT selectedWorkspaceChanged();
    }
    selectDefaultInspectedItem(workspace);
    updateInspectedRow();
}

void MacMainView::selectWorkspaceIndex(int index)
{
    const auto& cases = allCases<CleanTrustWorkspace>();
    if (index >= 0 && index < static_cast<int>(cases.size()))
        selectWorkspace(cases[index]);
}

void MacMainView::syncInspectedItemWithLatestModel()
{
    // With nothing inspected yet, the workspace's first item is shown as soon as it exists.
    if (!inspectedItem_) {
        selectDefaultInspectedItem(selectedWorkspace_);
        return;
    }
    // The current copy of the same record, from the list its kind comes from.
    const std::optional<MacInspectedItem> fresh = std::visit(
        [this](const auto& record) -> std::optional<MacInspectedItem> {
            const auto& list = publishedList(*scanner_, &record);
            if (const auto current = findById(list, record.id); current != list.end())
                return MacInspectedItem(*current);
            return std::nullopt;
        },
        inspectedItem_->payload());
    if (fresh)
        setInspectedItem(std::move(fresh));
    else
        selectDefaultInspectedItem(selectedWorkspace_);
}

void MacMainView::syncMediaPlayerIfNeeded()
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
    if (avPlayer_ && media && avPlayer_->path() == *media) {
        Q_EMIT avPlayerChanged();
        return;
    }
    // The player of the item left behind stops at once and lets go of its file.
    if (avPlayer_)
        avPlayer_->retire();
    // A new player for every inspected media file, so one always starts paused at the beginning.
    avPlayer_ = media ? new InlineMediaPlayer(*media, decoderThread(), this) : nullptr;
    Q_EMIT avPlayerChanged();
}
