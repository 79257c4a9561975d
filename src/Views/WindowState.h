#pragma once
// The window's state: the one engine, the shared folder access, the persisted language
// and appearance, the selected workspace and the inspected item. The QML window binds to
// these properties and calls these methods; every decision is made here. QML knows it as
// the singleton `View` of the module Quillmere, and refers to rows by their index in the
// list models below, which map them back to the engine's records (and their paths).

#include "CacheListModels.h"
#include "DuplicateListModels.h"
#include "InlineMediaPlayer.h"
#include "InspectedItem.h"
#include "InspectorPresenter.h"
#include "InstalledAppListModel.h"
#include "L10n/AppLanguage.h"
#include "LargeFileListModel.h"
#include "OverviewPresenter.h"
#include "ProjectBloatListModel.h"
#include "PurgeRecordListModel.h"
#include "Services/MacStorageScanner.h"
#include "Services/SandboxAccessManager.h"
#include "Theme/CorvelPalette.h"
#include "WindowPalette.h"
#include "WorkspaceColumnPresenter.h"
#include "WorkspaceListModel.h"

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <memory>
#include <optional>
#include <set>
#include <vector>

class QQmlEngine;
class ThumbnailService;

class WindowState : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(View)
    QML_SINGLETON
    Q_PROPERTY(QString languageRaw READ languageRaw WRITE setLanguageRaw NOTIFY languageRawChanged)
    Q_PROPERTY(QString appearanceRaw READ appearanceRaw WRITE setAppearanceRaw NOTIFY appearanceRawChanged)
    Q_PROPERTY(int selectedWorkspace READ selectedWorkspaceIndex NOTIFY selectedWorkspaceChanged)
    Q_PROPERTY(int devSubTab READ devSubTab WRITE setDevSubTab NOTIFY devSubTabChanged)
    Q_PROPERTY(int selectedLargeCategory READ selectedLargeCategoryIndex WRITE setSelectedLargeCategoryIndex NOTIFY
                   selectedLargeCategoryChanged)
    Q_PROPERTY(bool appSlimmingOnlyCache READ appSlimmingOnlyCache WRITE setAppSlimmingOnlyCache NOTIFY
                   appSlimmingOnlyCacheChanged)
    Q_PROPERTY(bool showSafetyPopover READ showSafetyPopover WRITE setShowSafetyPopover NOTIFY popoversChanged)
    Q_PROPERTY(bool showRestoreHistoryPopover READ showRestoreHistoryPopover WRITE setShowRestoreHistoryPopover NOTIFY
                   popoversChanged)
    Q_PROPERTY(bool showLanguageMatrixPopover READ showLanguageMatrixPopover WRITE setShowLanguageMatrixPopover NOTIFY
                   popoversChanged)
    Q_PROPERTY(bool grantJustSucceeded READ grantJustSucceeded NOTIFY grantJustSucceededChanged)
    Q_PROPERTY(bool onboardingPulse READ onboardingPulse NOTIFY onboardingPulseChanged)
    Q_PROPERTY(bool showsOnboarding READ showsOnboarding NOTIFY showsOnboardingChanged)
    Q_PROPERTY(QString grantNoticeKind READ grantNoticeKind NOTIFY grantNoticeChanged)
    Q_PROPERTY(QString inspectedKind READ inspectedKind NOTIFY inspectedItemChanged)
    Q_PROPERTY(QString inspectedTitle READ inspectedTitle NOTIFY inspectedTitleChanged)
    Q_PROPERTY(int inspectedRow READ inspectedRow NOTIFY inspectedRowChanged)
    Q_PROPERTY(bool moveToTrash READ moveToTrash WRITE setMoveToTrash NOTIFY moveToTrashChanged)
    // Presentation: every text in the current language (an object of texts by name, built
    // once per language), the palette's colours, the workspaces.
    Q_PROPERTY(QJSValue texts READ texts NOTIFY languageRawChanged)
    Q_PROPERTY(WindowPalette* palette READ windowPalette CONSTANT)
    Q_PROPERTY(QVariantList languages READ languages CONSTANT)
    Q_PROPERTY(QString languageFlag READ languageFlag NOTIFY languageRawChanged)
    Q_PROPERTY(QString languageName READ languageName NOTIFY languageRawChanged)
    // The face text is set in (its region's CJK face for Chinese, Japanese and Korean), and
    // whether the layout reads from right to left.
    Q_PROPERTY(QString fontFamily READ fontFamily NOTIFY languageRawChanged)
    Q_PROPERTY(bool isRightToLeft READ isRightToLeft NOTIFY languageRawChanged)
    Q_PROPERTY(QString appearanceName READ appearanceName NOTIFY appearanceNameChanged)
    Q_PROPERTY(QString appearanceSymbol READ appearanceSymbol NOTIFY appearanceRawChanged)
    Q_PROPERTY(QStringList largeCategoryTitles READ largeCategoryTitles NOTIFY languageRawChanged)
    Q_PROPERTY(QStringList largeCategorySymbols READ largeCategorySymbols CONSTANT)
    Q_PROPERTY(QString homeFolderName READ homeFolderName CONSTANT)
    Q_PROPERTY(QString grantNoticeText READ grantNoticeText NOTIFY grantNoticeTextChanged)
    Q_PROPERTY(QString chooseHomeInsteadText READ chooseHomeInsteadText NOTIFY languageRawChanged)
    Q_PROPERTY(QString panelHintText READ panelHintText NOTIFY languageRawChanged)
    Q_PROPERTY(bool bookmarkWasStale READ bookmarkWasStale NOTIFY accessChanged)
    Q_PROPERTY(bool coversWholeHome READ coversWholeHome NOTIFY accessChanged)
    Q_PROPERTY(bool applicationsGranted READ applicationsGranted NOTIFY accessChanged)
    Q_PROPERTY(QString grantedHomeName READ grantedHomeName NOTIFY accessChanged)
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY scanChanged)
    Q_PROPERTY(bool isPurging READ isPurging NOTIFY scanChanged)
    Q_PROPERTY(double scanProgress READ scanProgress NOTIFY scanChanged)
    Q_PROPERTY(QString scanPhaseText READ scanPhaseText NOTIFY scanChanged)
    Q_PROPERTY(QString scanTitle READ scanTitle NOTIFY scanTitleChanged)
    // The lists, each following the engine by id.
    Q_PROPERTY(WorkspaceListModel* workspaces READ workspaces CONSTANT)
    Q_PROPERTY(RuleCardListModel* ruleCards READ ruleCards CONSTANT)
    Q_PROPERTY(CacheSubItemListModel* inspectedSubItems READ inspectedSubItems CONSTANT)
    Q_PROPERTY(ProjectBloatListModel* projectBloats READ projectBloats CONSTANT)
    Q_PROPERTY(DuplicateGroupListModel* duplicateGroups READ duplicateGroups CONSTANT)
    Q_PROPERTY(DuplicateMemberListModel* inspectedMembers READ inspectedMembers CONSTANT)
    Q_PROPERTY(LargeFileListModel* largeFiles READ largeFiles CONSTANT)
    Q_PROPERTY(InstalledAppListModel* installedApps READ installedApps CONSTANT)
    Q_PROPERTY(PurgeRecordListModel* purgeRecords READ purgeRecords CONSTANT)
    // The workspace column's texts and states.
    Q_PROPERTY(WorkspaceColumnPresenter* column READ column CONSTANT)
    // The ring, the cockpit's figures and the sidebar's disk block.
    Q_PROPERTY(OverviewPresenter* overview READ overview CONSTANT)
    // The inspected item's details, its preview frame and inline player.
    Q_PROPERTY(InspectorPresenter* inspector READ inspector CONSTANT)

  public:
    // The engine is created here from `options`; `access` must outlive the window state.
    explicit WindowState(MacStorageScanner::Options options, SandboxAccessManager& access, QObject* parent = nullptr);
    ~WindowState() override;

    // Makes this window the `View` singleton of every QML file `engine` loads.
    void exposeTo(QQmlEngine& engine);
    // The singleton's factory: the window exposed to that engine.
    static WindowState* create(QQmlEngine* engine, QJSEngine* scriptEngine);

    MacStorageScanner& scanner() const { return *scanner_; }
    SandboxAccessManager& access() const { return access_; }

    // ------------------------------------------------------------ state
    const std::optional<SandboxGrantOutcome>& grantNotice() const { return grantNotice_; }
    bool grantJustSucceeded() const { return grantJustSucceeded_; }
    bool onboardingPulse() const { return onboardingPulse_; }
    QString languageRaw() const { return languageRaw_; }
    void setLanguageRaw(const QString& raw);
    QString appearanceRaw() const { return appearanceRaw_; }
    void setAppearanceRaw(const QString& raw);
    CleanTrustWorkspace selectedWorkspace() const { return selectedWorkspace_; }
    int devSubTab() const { return devSubTab_; }
    void setDevSubTab(int tab);
    LargeFileCategory selectedLargeCategory() const { return selectedLargeCategory_; }
    void setSelectedLargeCategory(LargeFileCategory category);
    bool appSlimmingOnlyCache() const { return appSlimmingOnlyCache_; }
    void setAppSlimmingOnlyCache(bool onlyCache);
    const std::optional<InspectedItem>& inspectedItem() const { return inspectedItem_; }
    void setInspectedItem(std::optional<InspectedItem> item);
    bool showSafetyPopover() const { return showSafetyPopover_; }
    void setShowSafetyPopover(bool show);
    bool showRestoreHistoryPopover() const { return showRestoreHistoryPopover_; }
    void setShowRestoreHistoryPopover(bool show);
    bool showLanguageMatrixPopover() const { return showLanguageMatrixPopover_; }
    void setShowLanguageMatrixPopover(bool show);
    // The inline player of the inspected media file, made new (paused at its start) for every
    // one; none when the inspected item has no media file that exists.
    InlineMediaPlayer* mediaPlayer() const { return mediaPlayer_; }
    // The thumbnails of files this window has shown, and the service that makes them.
    ThumbnailService& thumbnails();
    bool moveToTrash() const { return scanner_->moveToTrashByDefault(); }
    void setMoveToTrash(bool value) { scanner_->setMoveToTrashByDefault(value); }

    // ------------------------------------------------------------ derived
    AppLanguage currentLanguage() const;
    CorvelPalette palette() const;
    // The onboarding overlay covers the window while sandboxed and the home folder is not granted.
    bool showsOnboarding() const { return access_.isSandboxed() && !access_.homeGranted(); }
    std::vector<LargeFileItem> filteredLargeFiles() const;
    // What the current workspace (its sub-tab, its mode) has selected.
    Int64 currentTabSelectedBytes() const;
    // What a workspace has selected: its lists (both sub-tabs), in the mode it is in.
    Int64 selectedBytes(CleanTrustWorkspace workspace) const;
    // The scan running now has not yet published every list of the workspace: its figures are
    // still being counted, whatever the lists hold.
    bool isCounting(CleanTrustWorkspace workspace) const;
    // Whether every row the current workspace lists is selected (the select-all control's state).
    bool allRowsSelected() const;
    // The list the current workspace shows is empty.
    bool currentListIsEmpty() const;

    // ------------------------------------------------------------ operations
    // Called every time the window appears: starts the first scan when granted and nothing is there yet.
    void onAppear();
    void selectDefaultInspectedItem(CleanTrustWorkspace workspace);
    void selectWorkspace(CleanTrustWorkspace workspace);
    void syncInspectedItemWithLatestModel();
    void syncMediaPlayerIfNeeded();
    void performHomeGrant();
    void performApplicationsGrant();
    // "Keep this folder" of the partial notice.
    void keepPendingPartialFolder();
    void revokeAllAccess();
    void toggleAppearance();
    // The primary clean of what the workspace shows, as it stands now.
    void executeDirectCleanForCurrentTab();

    // The clean the window waits to have confirmed: with moving to the Trash off, a clean
    // deletes for good, so it runs only after the person confirmed its size.
    struct PendingClean {
        bool smartCleanAll = false;
        CleanTrustWorkspace workspace = CleanTrustWorkspace::oneClickSafe;
        int devSubTab = 0;
        bool onlyCache = true;
        Int64 bytes = 0; // what the confirmation names

        bool operator==(const PendingClean&) const = default;
    };
    const std::optional<PendingClean>& pendingClean() const { return pendingClean_; }

    // QML entry points (indices in enumeration order, rows of the shown lists).
    Q_INVOKABLE void selectWorkspaceIndex(int index);
    Q_INVOKABLE void requestHomeGrant() { performHomeGrant(); }
    Q_INVOKABLE void requestApplicationsGrant() { performApplicationsGrant(); }
    Q_INVOKABLE void keepPendingFolder() { keepPendingPartialFolder(); }
    Q_INVOKABLE void revokeAll() { revokeAllAccess(); }
    Q_INVOKABLE void switchAppearance() { toggleAppearance(); }
    Q_INVOKABLE void chooseLanguage(const QString& code);
    // Not while the home folder waits for its grant: there is nothing the person let us read yet.
    Q_INVOKABLE void rescan();
    // Escape: the topmost thing that is open closes (a clean waiting for its confirmation is
    // cancelled); returns whether there was one.
    Q_INVOKABLE bool closeTopmost();
    // Undo of the last clean: everything this session moved to the Trash goes back.
    Q_INVOKABLE void undoLastClean();
    // A sub-tab pill: the sub-tab, and its first row inspected.
    Q_INVOKABLE void chooseDevSubTab(int tab);
    // Rows of the list the current workspace shows.
    Q_INVOKABLE void toggleRow(int row);
    Q_INVOKABLE void inspectRow(int row);
    Q_INVOKABLE void toggleSelectAll();
    // The primary button and smart clean all; with the Trash off they wait for confirmPendingClean.
    Q_INVOKABLE void triggerPrimaryCleanAction();
    Q_INVOKABLE void smartCleanAll();
    Q_INVOKABLE void confirmPendingClean();
    Q_INVOKABLE void cancelPendingClean();
    // The empty state's "next" button.
    Q_INVOKABLE void openEmptyStateNext();
    // Feedback banner and restore history.
    Q_INVOKABLE void dismissBanner() { scanner_->dismissPurgeBanner(); }
    Q_INVOKABLE void restoreAll() { scanner_->restoreAllRecentPurges(); }
    Q_INVOKABLE void restoreRecord(int row);
    // The inspector's decisions: one sub-item of the inspected card, the kept copy of the inspected group.
    Q_INVOKABLE void toggleSubItem(int row);
    Q_INVOKABLE void keepMemberInstead(int row);

    int selectedWorkspaceIndex() const { return static_cast<int>(selectedWorkspace_); }
    int selectedLargeCategoryIndex() const { return static_cast<int>(selectedLargeCategory_); }
    void setSelectedLargeCategoryIndex(int index);
    QString grantNoticeKind() const;
    QString inspectedKind() const;
    QString inspectedTitle() const;
    int inspectedRow() const { return inspectedRow_; }

    // Presentation (WindowStatePresentation.cpp).
    QJSValue texts();
    // The texts of one language by name, as QML sees them.
    static const QVariantMap& textTable(AppLanguage language);
    WindowPalette* windowPalette() { return &windowPalette_; }
    bool isDark() const { return palette().isDark(); }
    static QVariantList languages();
    QString languageFlag() const;
    QString languageName() const;
    QString fontFamily() const;
    bool isRightToLeft() const { return ::isRightToLeft(currentLanguage()); }
    QString appearanceName() const;
    QString appearanceSymbol() const;
    QStringList largeCategoryTitles() const;
    static QStringList largeCategorySymbols();
    QString homeFolderName() const;
    QString grantNoticeText() const;
    QString chooseHomeInsteadText() const;
    QString panelHintText() const;
    bool bookmarkWasStale() const { return access_.bookmarkWasStale(); }
    bool coversWholeHome() const { return access_.coversWholeHome(); }
    bool applicationsGranted() const { return access_.applicationsGranted(); }
    QString grantedHomeName() const;
    bool isScanning() const { return scanner_->isScanning(); }
    bool isPurging() const { return scanner_->isPurgingAnimation(); }
    double scanProgress() const { return scanner_->scanProgress(); }
    QString scanPhaseText() const;
    QString scanTitle() const;

    WorkspaceListModel* workspaces() { return &workspaces_; }
    RuleCardListModel* ruleCards() { return &ruleCards_; }
    CacheSubItemListModel* inspectedSubItems() { return &inspectedSubItems_; }
    ProjectBloatListModel* projectBloats() { return &projectBloats_; }
    DuplicateGroupListModel* duplicateGroups() { return &duplicateGroups_; }
    DuplicateMemberListModel* inspectedMembers() { return &inspectedMembers_; }
    LargeFileListModel* largeFiles() { return &largeFiles_; }
    InstalledAppListModel* installedApps() { return &installedApps_; }
    PurgeRecordListModel* purgeRecords() { return &purgeRecords_; }
    WorkspaceColumnPresenter* column() { return column_.get(); }
    OverviewPresenter* overview() { return overview_.get(); }
    InspectorPresenter* inspector() { return inspector_.get(); }

    // The icon font's glyph for a symbol name.
    Q_INVOKABLE static QString glyph(const QString& symbolName);

  Q_SIGNALS:
    void languageRawChanged();
    void appearanceRawChanged();
    void appearanceNameChanged();
    void selectedWorkspaceChanged();
    void devSubTabChanged();
    void selectedLargeCategoryChanged();
    void appSlimmingOnlyCacheChanged();
    void popoversChanged();
    void grantJustSucceededChanged();
    void onboardingPulseChanged();
    void showsOnboardingChanged();
    void grantNoticeChanged();
    void grantNoticeTextChanged();
    void inspectedItemChanged();
    void inspectedTitleChanged();
    void inspectedRowChanged();
    void mediaPlayerChanged();
    void accessChanged();
    void scanChanged();
    void scanTitleChanged();
    void moveToTrashChanged();
    void pendingCleanChanged();
    // A list model followed a publish of the engine (rows, counts, selection).
    void listModelsChanged();

  private:
    // The lists each workspace (and sub-tab) can show.
    enum class ShownList { ruleCards, projectBloats, duplicateGroups, largeFiles, installedApps };
    ShownList shownList() const;

    void onHomeGrantedChanged();
    void setGrantNotice(std::optional<SandboxGrantOutcome> notice);
    void setGrantJustSucceeded(bool value);
    void applyGrantOutcome(const SandboxGrantOutcome& outcome);
    void updateOnboardingPulse();
    void connectPresentationSignals();
    void connectListModels();
    void updateWorkspaceSummaries();
    void onScanningChanged();
    void updateInspectedLists();
    void updateInspectedRow();
    QThread& decoderThread();
    void requestClean(PendingClean request);
    Int64 bytesToClean(const PendingClean& request) const;
    bool hasItemsToClean(const PendingClean& request) const;
    void runClean(const PendingClean& request);
    void setPendingClean(std::optional<PendingClean> pending);
    template <typename T> void assign(T& member, T value, void (WindowState::*signal)())
    {
        if (member == value)
            return;
        member = std::move(value);
        Q_EMIT(this->*signal)();
    }

    SandboxAccessManager& access_;
    std::unique_ptr<MacStorageScanner> scanner_;

    std::optional<SandboxGrantOutcome> grantNotice_;
    bool grantJustSucceeded_ = false;
    bool onboardingPulse_ = false;
    QString languageRaw_;
    QString appearanceRaw_;
    CleanTrustWorkspace selectedWorkspace_ = CleanTrustWorkspace::oneClickSafe;
    int devSubTab_ = 0;
    LargeFileCategory selectedLargeCategory_ = LargeFileCategory::all;
    bool appSlimmingOnlyCache_ = true;
    std::optional<InspectedItem> inspectedItem_;
    bool showSafetyPopover_ = false;
    bool showRestoreHistoryPopover_ = false;
    bool showLanguageMatrixPopover_ = false;
    QPointer<InlineMediaPlayer> mediaPlayer_;
    std::unique_ptr<ThumbnailService> thumbnails_;
    // Players decode on this thread, started with the first one.
    QThread decoderThread_;
    std::unique_ptr<QObject> decoderThreadAnchor_; // lives there, to wait for what was posted
    std::optional<PendingClean> pendingClean_;
    int inspectedRow_ = -1;

    WindowPalette windowPalette_;
    std::array<QJSValue, kAppLanguageCount> textObjects_; // per language, made on first use
    QPointer<QJSEngine> textEngine_;
    WorkspaceListModel workspaces_;
    RuleCardListModel ruleCards_;
    CacheSubItemListModel inspectedSubItems_;
    ProjectBloatListModel projectBloats_;
    DuplicateGroupListModel duplicateGroups_;
    DuplicateMemberListModel inspectedMembers_;
    LargeFileListModel largeFiles_;
    InstalledAppListModel installedApps_;
    PurgeRecordListModel purgeRecords_;
    std::unique_ptr<WorkspaceColumnPresenter> column_;
    std::unique_ptr<OverviewPresenter> overview_;
    // The lists the running scan has published so far.
    std::set<ShownList> publishedThisScan_;
    std::unique_ptr<InspectorPresenter> inspector_;

    QTimer pulseTimer_;
};
