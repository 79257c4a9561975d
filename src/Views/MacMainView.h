#pragma once
// The window's state: the one engine, the shared folder access, the persisted language
// and appearance, the selected workspace and the inspected item. The QML window binds to
// these properties and calls these methods; every decision is made here.

#include "L10n/AppLanguage.h"
#include "MacInspectedItem.h"
#include "Services/MacStorageScanner.h"
#include "Services/SandboxAccessManager.h"
#include "Theme/CorvelPalette.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <memory>
#include <optional>
#include <vector>

class MacMainView : public QObject {
    Q_OBJECT
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
    Q_PROPERTY(QString inspectedTitle READ inspectedTitle NOTIFY presentationChanged)
    Q_PROPERTY(QString mediaFileName READ mediaFileName NOTIFY avPlayerChanged)
    // Presentation: every text in the current language, the palette's colours, the workspaces.
    Q_PROPERTY(QVariantMap texts READ texts NOTIFY languageRawChanged)
    Q_PROPERTY(QVariantMap palette READ paletteColors NOTIFY appearanceRawChanged)
    Q_PROPERTY(bool isDark READ isDark NOTIFY appearanceRawChanged)
    Q_PROPERTY(QVariantList languages READ languages CONSTANT)
    Q_PROPERTY(QString languageFlag READ languageFlag NOTIFY languageRawChanged)
    Q_PROPERTY(QString languageName READ languageName NOTIFY languageRawChanged)
    Q_PROPERTY(QString appearanceName READ appearanceName NOTIFY presentationChanged)
    Q_PROPERTY(QString appearanceSymbol READ appearanceSymbol NOTIFY appearanceRawChanged)
    Q_PROPERTY(QVariantList workspaces READ workspaces NOTIFY workspacesChanged)
    Q_PROPERTY(QString homeFolderName READ homeFolderName CONSTANT)
    Q_PROPERTY(QString grantNoticeText READ grantNoticeText NOTIFY presentationChanged)
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
    Q_PROPERTY(QString scanTitle READ scanTitle NOTIFY presentationChanged)

  public:
    // The engine is created here from `options`; `access` must outlive the window state.
    explicit MacMainView(MacStorageScanner::Options options, SandboxAccessManager& access, QObject* parent = nullptr);
    ~MacMainView() override;

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
    const std::optional<MacInspectedItem>& inspectedItem() const { return inspectedItem_; }
    void setInspectedItem(std::optional<MacInspectedItem> item);
    bool showSafetyPopover() const { return showSafetyPopover_; }
    void setShowSafetyPopover(bool show);
    bool showRestoreHistoryPopover() const { return showRestoreHistoryPopover_; }
    void setShowRestoreHistoryPopover(bool show);
    bool showLanguageMatrixPopover() const { return showLanguageMatrixPopover_; }
    void setShowLanguageMatrixPopover(bool show);
    // The file the inline player is set up for (its construction belongs to the inspector).
    const std::optional<URL>& avPlayer() const { return avPlayer_; }

    // ------------------------------------------------------------ derived
    AppLanguage currentLanguage() const;
    CorvelPalette palette() const;
    // The onboarding overlay covers the window while sandboxed and the home folder is not granted.
    bool showsOnboarding() const { return access_.isSandboxed() && !access_.homeGranted(); }
    std::vector<LargeFileItem> filteredLargeFiles() const;

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

    // QML entry points (indices in enumeration order).
    Q_INVOKABLE void selectWorkspaceIndex(int index);
    Q_INVOKABLE void requestHomeGrant() { performHomeGrant(); }
    Q_INVOKABLE void requestApplicationsGrant() { performApplicationsGrant(); }
    Q_INVOKABLE void keepPendingFolder() { keepPendingPartialFolder(); }
    Q_INVOKABLE void revokeAll() { revokeAllAccess(); }
    Q_INVOKABLE void switchAppearance() { toggleAppearance(); }
    Q_INVOKABLE void chooseLanguage(const QString& code);
    Q_INVOKABLE void rescan() { scanner_->startInstantScan(); }

    int selectedWorkspaceIndex() const { return static_cast<int>(selectedWorkspace_); }
    int selectedLargeCategoryIndex() const { return static_cast<int>(selectedLargeCategory_); }
    void setSelectedLargeCategoryIndex(int index);
    QString grantNoticeKind() const;
    QString inspectedKind() const;
    QString inspectedTitle() const;
    QString mediaFileName() const;

    // Presentation (MacMainViewPresentation.cpp).
    QVariantMap texts() const;
    QVariantMap paletteColors() const;
    bool isDark() const { return palette().isDark(); }
    static QVariantList languages();
    QString languageFlag() const;
    QString languageName() const;
    QString appearanceName() const;
    QString appearanceSymbol() const;
    QVariantList workspaces() const;
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
    // The icon font's glyph for a symbol name.
    Q_INVOKABLE static QString glyph(const QString& symbolName);

  Q_SIGNALS:
    void languageRawChanged();
    void appearanceRawChanged();
    void selectedWorkspaceChanged();
    void devSubTabChanged();
    void selectedLargeCategoryChanged();
    void appSlimmingOnlyCacheChanged();
    void popoversChanged();
    void grantJustSucceededChanged();
    void onboardingPulseChanged();
    void showsOnboardingChanged();
    void grantNoticeChanged();
    void inspectedItemChanged();
    void avPlayerChanged();
    void workspacesChanged();
    void accessChanged();
    void scanChanged();
    // Texts that mix the language with other state.
    void presentationChanged();

  private:
    void onHomeGrantedChanged();
    void setGrantNotice(std::optional<SandboxGrantOutcome> notice);
    void setGrantJustSucceeded(bool value);
    void applyGrantOutcome(const SandboxGrantOutcome& outcome);
    void updateOnboardingPulse();
    void connectPresentationSignals();
    template <typename T> void assign(T& member, T value, void (MacMainView::*signal)());

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
    std::optional<MacInspectedItem> inspectedItem_;
    bool showSafetyPopover_ = false;
    bool showRestoreHistoryPopover_ = false;
    bool showLanguageMatrixPopover_ = false;
    std::optional<URL> avPlayer_;

    QTimer pulseTimer_;
};
