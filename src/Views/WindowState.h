#pragma once
// The window's state: the one engine, the persisted language and appearance, the workspaces
// with one adapter per list they show, the inspected item, the popovers and a clean waiting
// for its confirmation. QML knows it as the singleton `View` of the module Quillmere and
// refers to rows by their index in the lists' models, which map them back to the engine's
// records (and their paths). Decisions are made here and in the objects it owns; QML only
// lays them out.

#include "CleanRecordListModel.h"
#include "FontWarmup.h"
#include "GrantPresenter.h"
#include "InspectedItem.h"
#include "InspectorPresenter.h"
#include "L10n/AppLanguage.h"
#include "OverviewPresenter.h"
#include "Services/FolderAccess.h"
#include "Services/StorageEngine.h"
#include "Theme/CorvelPalette.h"
#include "WindowLists.h"
#include "WindowPalette.h"
#include "WorkspaceColumnPresenter.h"
#include "WorkspaceLists.h"

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <memory>
#include <optional>
#include <string_view>

class QQmlEngine;
class QQuickWindow;

class WindowState : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(View)
    QML_SINGLETON
    Q_PROPERTY(QString languageRaw READ languageRaw WRITE setLanguageRaw NOTIFY languageRawChanged)
    // The workspace open, the list it shows and that list's adapter (its rows' toggles).
    Q_PROPERTY(WindowLists::Workspace selectedWorkspace READ selectedWorkspace NOTIFY shownChanged)
    Q_PROPERTY(WindowLists::ShownList shownList READ shownList NOTIFY shownChanged)
    Q_PROPERTY(ShownListAdapter* shown READ shown NOTIFY shownChanged)
    Q_PROPERTY(int selectedLargeCategory READ selectedLargeCategoryIndex WRITE setSelectedLargeCategoryIndex NOTIFY
                   shownChanged)
    Q_PROPERTY(bool appSlimmingOnlyCache READ appSlimmingOnlyCache WRITE setAppSlimmingOnlyCache NOTIFY shownChanged)
    // Duplicate copies on a file system that shares extents: merged in place (both paths
    // stay, nothing goes to the Trash) or moved to the Trash.
    Q_PROPERTY(bool canMergeCopies READ canMergeCopies NOTIFY copyMergingChanged)
    Q_PROPERTY(bool mergesCopies READ mergesCopies WRITE setMergesCopies NOTIFY copyMergingChanged)
    Q_PROPERTY(bool showSafetyPopover READ showSafetyPopover WRITE setShowSafetyPopover NOTIFY popoversChanged)
    Q_PROPERTY(bool showRestoreHistoryPopover READ showRestoreHistoryPopover WRITE setShowRestoreHistoryPopover NOTIFY
                   popoversChanged)
    Q_PROPERTY(bool showLanguageMatrixPopover READ showLanguageMatrixPopover WRITE setShowLanguageMatrixPopover NOTIFY
                   popoversChanged)
    // The row of the shown list that is inspected, -1 when none.
    Q_PROPERTY(int inspectedRow READ inspectedRow NOTIFY inspectedRowChanged)
    Q_PROPERTY(bool moveToTrash READ moveToTrash WRITE setMoveToTrash NOTIFY moveToTrashChanged)
    // Presentation: every text in the current language (an object of texts by name, built
    // once per language), the palette's colours, the languages.
    Q_PROPERTY(QJSValue texts READ texts NOTIFY textsChanged)
    Q_PROPERTY(WindowPalette* palette READ windowPalette CONSTANT)
    Q_PROPERTY(QVariantList languages READ languages CONSTANT)
    Q_PROPERTY(QString languageFlag READ languageFlag NOTIFY languageRawChanged)
    Q_PROPERTY(QString languageName READ languageName NOTIFY languageRawChanged)
    // The face text is set in (its region's CJK face for Chinese, Japanese and Korean), and
    // whether the layout reads from right to left. The face changes ahead of the texts.
    Q_PROPERTY(QString fontFamily READ fontFamily NOTIFY fontFamilyChanged)
    Q_PROPERTY(bool isRightToLeft READ isRightToLeft NOTIFY languageRawChanged)
    Q_PROPERTY(QString appearanceName READ appearanceName NOTIFY appearanceChanged)
    Q_PROPERTY(QString appearanceSymbol READ appearanceSymbol NOTIFY appearanceChanged)
    Q_PROPERTY(QStringList largeCategoryTitles READ largeCategoryTitles NOTIFY languageRawChanged)
    Q_PROPERTY(QStringList largeCategorySymbols READ largeCategorySymbols CONSTANT)
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY scanChanged)
    Q_PROPERTY(bool isCleaning READ isCleaning NOTIFY scanChanged)
    Q_PROPERTY(double scanProgress READ scanProgress NOTIFY scanChanged)
    Q_PROPERTY(QString scanPhaseText READ scanPhaseText NOTIFY scanPhaseTextChanged)
    Q_PROPERTY(QString scanTitle READ scanTitle NOTIFY scanTitleChanged)
    // The workspaces as the sidebar and the cockpit show them, and the restore history.
    Q_PROPERTY(WorkspaceListModel* workspaces READ workspaces CONSTANT)
    Q_PROPERTY(CleanRecordListModel* cleanRecords READ cleanRecords CONSTANT)
    // The workspace column's texts and states.
    Q_PROPERTY(WorkspaceColumnPresenter* column READ column CONSTANT)
    // The ring, the cockpit's figures and the sidebar's disk block.
    Q_PROPERTY(OverviewPresenter* overview READ overview CONSTANT)
    // The inspected item's details, its preview frame and inline player.
    Q_PROPERTY(InspectorPresenter* inspector READ inspector CONSTANT)
    // The onboarding, the notices of folder picks and the access row.
    Q_PROPERTY(GrantPresenter* grants READ grants CONSTANT)

  public:
    // The engine is created here from `options`; `access` must outlive the window state.
    // firstRunLanguage: the language shown while no choice is saved (else the default).
    WindowState(StorageEngine::Options options, FolderAccess& access, QObject* parent = nullptr,
                std::optional<AppLanguage> firstRunLanguage = std::nullopt);
    ~WindowState() override;

    // Makes this window the `View` singleton of every QML file `engine` loads.
    void exposeTo(QQmlEngine& engine);
    // Once `window` is up, readies its texts' faces in every language in idle moments.
    void warmFacesOf(QQuickWindow& window);
    const FontWarmup& fontWarmup() const { return fontWarmup_; }
    // The singleton's factory: the window exposed to that engine.
    static WindowState* create(QQmlEngine* engine, QJSEngine* scriptEngine);

    StorageEngine& scanner() const { return *scanner_; }
    WorkspaceLists& lists() { return lists_; }

    // ------------------------------------------------------------ persisted choices
    QString languageRaw() const { return languageRaw_; }
    // Returns once the choices made so far are in the settings file.
    void waitUntilChoicesWritten() { access_.settingsWriter().waitUntilWritten(); }
    void setLanguageRaw(const QString& raw);
    QString appearanceRaw() const { return appearanceRaw_; }
    void setAppearanceRaw(const QString& raw);
    Q_INVOKABLE void chooseLanguage(const QString& code);
    Q_INVOKABLE void toggleAppearance();
    AppLanguage currentLanguage() const;
    CorvelPalette palette() const;
    bool isDark() const { return palette().isDark(); }

    // ------------------------------------------------------------ workspaces and rows
    Workspace selectedWorkspace() const { return lists_.selectedWorkspace(); }
    ShownList shownList() const { return lists_.shownList(); }
    ShownListAdapter* shown() const { return &lists_.shown(); }
    // Opens a workspace on the list it showed last, its first row inspected.
    Q_INVOKABLE void selectWorkspace(WindowLists::Workspace workspace);
    // A sub-tab pill: the list, and its first row inspected.
    Q_INVOKABLE void showList(WindowLists::ShownList list);
    // The model of a list's rows, for the view that shows it.
    Q_INVOKABLE SyncedListModel* rowsOf(WindowLists::ShownList list) const { return &lists_.adapter(list).rows(); }
    int selectedLargeCategoryIndex() const;
    void setSelectedLargeCategoryIndex(int index);
    void setSelectedLargeCategory(LargeFileCategory category) { lists_.largeFiles().setCategory(category); }
    bool appSlimmingOnlyCache() const { return lists_.installedApps().onlyCache(); }
    void setAppSlimmingOnlyCache(bool onlyCache) { lists_.installedApps().setOnlyCache(onlyCache); }
    bool canMergeCopies() const { return lists_.duplicateGroups().canMergeCopies(); }
    bool mergesCopies() const { return lists_.duplicateGroups().mergesCopies(); }
    void setMergesCopies(bool merge) { lists_.duplicateGroups().setMergesCopies(merge); }
    // The empty state's "next" button: the list after the shown one.
    Q_INVOKABLE void openEmptyStateNext();

    // ------------------------------------------------------------ the inspected item
    // The inspector shows an item at once, or a frame later: after a list that was just made
    // is drawn, so the two are not built in one go.
    enum class Presentation { now, aFrameLater };
    const std::optional<InspectedItem>& inspectedItem() const { return inspected_; }
    void setInspectedItem(std::optional<InspectedItem> item, Presentation presentation = Presentation::now);
    // Whether the inspector has yet to show the inspected item.
    bool inspectorCatchingUp() const { return presentationQueued_; }
    Q_INVOKABLE void inspectRow(int row);
    // The shown list's first row, or nothing when it is empty.
    void inspectFirstRow(Presentation presentation = Presentation::now);
    int inspectedRow() const { return inspectedRow_; }
    InlineMediaPlayer* mediaPlayer() const { return inspector_->player(); }

    // ------------------------------------------------------------ popovers and window keys
    bool showSafetyPopover() const { return showSafetyPopover_; }
    void setShowSafetyPopover(bool show);
    bool showRestoreHistoryPopover() const { return showRestoreHistoryPopover_; }
    void setShowRestoreHistoryPopover(bool show);
    bool showLanguageMatrixPopover() const { return showLanguageMatrixPopover_; }
    void setShowLanguageMatrixPopover(bool show);
    // Escape: the topmost thing that is open closes (a clean waiting for its confirmation is
    // cancelled); returns whether there was one.
    Q_INVOKABLE bool closeTopmost();
    // Called every time the window appears: starts the first scan when granted and nothing is there yet.
    void onAppear();
    // Not while the home folder waits for its grant: there is nothing the person let us read yet.
    Q_INVOKABLE void rescan();

    // ------------------------------------------------------------ cleaning and restoring
    // The clean the window waits to have confirmed: with moving to the Trash off, a clean
    // deletes for good, so it runs only after the person confirmed its size.
    struct PendingClean {
        std::optional<ShownList> list; // none: the smart clean of everything selected
        Int64 bytes = 0;               // what the confirmation names

        bool operator==(const PendingClean&) const = default;
    };
    const std::optional<PendingClean>& pendingClean() const { return pendingClean_; }
    bool moveToTrash() const { return scanner_->cleaner().moveToTrashByDefault(); }
    void setMoveToTrash(bool value) { scanner_->cleaner().setMoveToTrashByDefault(value); }
    // The primary button and smart clean all; with the Trash off they wait for confirmPendingClean.
    Q_INVOKABLE void triggerPrimaryCleanAction();
    Q_INVOKABLE void smartCleanAll();
    Q_INVOKABLE void confirmPendingClean();
    Q_INVOKABLE void cancelPendingClean();
    // Undo of the last clean: everything this session moved to the Trash goes back.
    Q_INVOKABLE void undoLastClean();
    Q_INVOKABLE void dismissBanner() { scanner_->cleaner().dismissCleanBanner(); }
    Q_INVOKABLE void restoreAll() { scanner_->cleaner().restoreAllRecentCleans(); }
    Q_INVOKABLE void restoreRecord(int row);

    // ------------------------------------------------------------ presentation (WindowStatePresentation.cpp)
    QJSValue texts();
    // The texts of one language by name, as QML sees them.
    static const QVariantMap& textTable(AppLanguage language);
    WindowPalette* windowPalette() { return &windowPalette_; }
    static QVariantList languages();
    QString languageFlag() const;
    QString languageName() const;
    QString fontFamily() const;
    bool isRightToLeft() const { return ::isRightToLeft(currentLanguage()); }
    QString appearanceName() const;
    QString appearanceSymbol() const;
    QStringList largeCategoryTitles() const;
    static QStringList largeCategorySymbols();
    bool isScanning() const { return scanner_->isScanning(); }
    bool isCleaning() const { return scanner_->cleaner().isCleaning(); }
    double scanProgress() const { return scanner_->scanProgress(); }
    QString scanPhaseText() const;
    QString scanTitle() const;
    // The icon font's glyph for a symbol name.
    Q_INVOKABLE static QString glyph(const QString& symbolName);

    WorkspaceListModel* workspaces() { return &lists_.summaries(); }
    CleanRecordListModel* cleanRecords() { return &cleanRecords_; }
    WorkspaceColumnPresenter* column() { return column_.get(); }
    OverviewPresenter* overview() { return overview_.get(); }
    InspectorPresenter* inspector() { return inspector_.get(); }
    GrantPresenter* grants() { return grants_.get(); }

  Q_SIGNALS:
    void languageRawChanged();
    void textsChanged();
    void fontFamilyChanged();
    // The appearance or the language its name is in.
    void appearanceChanged();
    void shownChanged();
    void copyMergingChanged();
    void popoversChanged();
    void inspectedRowChanged();
    void scanChanged();
    void scanTitleChanged();
    void scanPhaseTextChanged();
    void moveToTrashChanged();

  private:
    // Stores a persisted choice; when it changed, the window follows it and says so.
    void storeChoice(std::string_view key, QString& choice, const QString& raw, void (WindowState::*apply)(),
                     void (WindowState::*changed)());
    void applyLanguage();
    void applyAppearance();
    void connectPresentationSignals();
    void onHomeGrantedChanged();
    void onGrantedFolderChanged();
    void limitOffersToGrant();
    void followLatestRecords();
    void presentInspectedItem();
    void updateInspectedRow();
    // Cleaning (WindowStateCleaning.cpp).
    void requestClean(std::optional<ShownList> list);
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

    FolderAccess& access_;
    FontWarmup fontWarmup_;
    std::unique_ptr<StorageEngine> scanner_;
    WorkspaceLists lists_;

    QString languageRaw_;
    QString fontFamily_; // the face the window was last told of
    QString appearanceRaw_;
    bool showSafetyPopover_ = false;
    bool showRestoreHistoryPopover_ = false;
    bool showLanguageMatrixPopover_ = false;
    std::optional<PendingClean> pendingClean_;
    int inspectedRow_ = -1;
    bool firstInspectionQueued_ = false;
    std::optional<InspectedItem> inspected_; // what the inspector shows, or is about to
    bool presentationQueued_ = false;

    WindowPalette windowPalette_;
    std::array<QJSValue, kAppLanguageCount> textObjects_; // per language, made on first use
    QJSValue blankTexts_; // every name, no text: what the texts show while the face changes
    bool textsBlank_ = false;
    QPointer<QJSEngine> textEngine_;
    CleanRecordListModel cleanRecords_;
    // They refer to the lists and the engine, so they go first.
    std::unique_ptr<GrantPresenter> grants_;
    std::unique_ptr<InspectorPresenter> inspector_;
    std::unique_ptr<WorkspaceColumnPresenter> column_;
    std::unique_ptr<OverviewPresenter> overview_;
};
