// What the QML window reads: texts of the current language, the palette's colours, the
// workspace summaries and the icon glyphs. Derived on every read from the window's state.
#include "MacMainView.h"

#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "QtText.h"
#include "Theme/SymbolIcons.h"
#include "Theme/WindowIcons.h"

#include <QColor>

namespace {

QColor color(const CorvelColor& c) { return QColor::fromRgbF(c.red, c.green, c.blue, c.opacity); }

} // namespace

AppLanguage MacMainView::currentLanguage() const { return ::currentLanguage(languageRaw_.toStdString()); }

CorvelPalette MacMainView::palette() const { return CorvelPalette{appearanceFromStored(appearanceRaw_.toStdString())}; }

void MacMainView::connectPresentationSignals()
{
    for (auto signal : {&MacMainView::languageRawChanged, &MacMainView::appearanceRawChanged,
                        &MacMainView::grantNoticeChanged, &MacMainView::inspectedItemChanged})
        connect(this, signal, this, &MacMainView::presentationChanged);
    for (auto signal : {&MacStorageScanner::isScanningChanged, &MacStorageScanner::scanProgressChanged,
                        &MacStorageScanner::currentScanningPathChanged, &MacStorageScanner::isPurgingAnimationChanged})
        connect(scanner_.get(), signal, this, &MacMainView::scanChanged);
    connect(scanner_.get(), &MacStorageScanner::isScanningChanged, this, &MacMainView::presentationChanged);
    connect(this, &MacMainView::workspacesChanged, this, &MacMainView::presentationChanged);
    for (auto signal : {&MacStorageScanner::ruleCardsChanged, &MacStorageScanner::projectBloatsChanged,
                        &MacStorageScanner::duplicateGroupsChanged, &MacStorageScanner::largeFilesChanged,
                        &MacStorageScanner::installedAppsChanged})
        connect(scanner_.get(), signal, this, &MacMainView::workspacesChanged);
    for (auto signal : {&MacMainView::languageRawChanged, &MacMainView::selectedWorkspaceChanged})
        connect(this, signal, this, &MacMainView::workspacesChanged);
    for (auto signal : {&SandboxAccessManager::homeGrantedChanged, &SandboxAccessManager::applicationsGrantedChanged,
                        &SandboxAccessManager::grantedHomeURLChanged, &SandboxAccessManager::bookmarkWasStaleChanged})
        connect(&access_, signal, this, &MacMainView::accessChanged);
}

QVariantMap MacMainView::texts() const
{
    const AppLanguage language = currentLanguage();
    QVariantMap map;
    for (const auto& [name, text] : WindowTexts::allText4())
        map.insert(qt(name), qt((*text)(language)));
    for (const auto& [name, text] : WindowTexts::allText12())
        map.insert(qt(name), qt((*text)(language)));
    const QuillmereL10n l10n(language);
    map.insert(QStringLiteral("rescanHeroTitle"), qt(l10n.rescanHeroTitle()));
    map.insert(QStringLiteral("scanningNowTitle"), qt(l10n.scanningNowTitle()));
    map.insert(QStringLiteral("reclaimableLabel"), qt(l10n.reclaimableLabel()));
    map.insert(QStringLiteral("productName"), qt(WindowTexts::kProductName));
    return map;
}

QVariantMap MacMainView::paletteColors() const
{
    const CorvelPalette p = palette();
    return {
        {QStringLiteral("canvasBase"), color(p.canvasBase())},
        {QStringLiteral("sidebarTint"), color(p.sidebarTint())},
        {QStringLiteral("inspectorTint"), color(p.inspectorTint())},
        {QStringLiteral("cardFill"), color(p.cardFill())},
        {QStringLiteral("cardActiveFill"), color(p.cardActiveFill())},
        {QStringLiteral("hairlineBorder"), color(p.hairlineBorder())},
        {QStringLiteral("inkPrimary"), color(p.inkPrimary())},
        {QStringLiteral("inkSecondary"), color(p.inkSecondary())},
        {QStringLiteral("inkMuted"), color(p.inkMuted())},
        {QStringLiteral("emerald"), color(CorvelPalette::emeraldGlow)},
        {QStringLiteral("cobalt"), color(CorvelPalette::cobaltGlow)},
        {QStringLiteral("amber"), color(CorvelPalette::amberGlow)},
        {QStringLiteral("violet"), color(CorvelPalette::violetGlow)},
        {QStringLiteral("crimson"), color(CorvelPalette::crimsonGlow)},
        {QStringLiteral("shadowOpacity"), p.glassCardShadowOpacity(false)},
    };
}

QVariantList MacMainView::languages()
{
    QVariantList list;
    for (AppLanguage language : allCases<AppLanguage>())
        list.append(QVariantMap{{QStringLiteral("code"), qt(rawValue(language))},
                                {QStringLiteral("flag"), qt(flag(language))},
                                {QStringLiteral("name"), qt(nativeName(language))},
                                {QStringLiteral("region"), qt(marketRegion(language))}});
    return list;
}

QString MacMainView::languageFlag() const { return qt(flag(currentLanguage())); }
QString MacMainView::languageName() const { return qt(nativeName(currentLanguage())); }
QString MacMainView::appearanceName() const { return qt(displayName(palette().mode, currentLanguage())); }
QString MacMainView::appearanceSymbol() const { return qt(headerIcon(palette().mode)); }
QString MacMainView::grantedHomeName() const { return qt(access_.grantedHomeDisplayName()); }

QVariantList MacMainView::workspaces() const
{
    const AppLanguage language = currentLanguage();
    const MacStorageScanner& s = *scanner_;
    QVariantList list;
    for (CleanTrustWorkspace workspace : allCases<CleanTrustWorkspace>()) {
        qsizetype count = 0;
        Int64 bytes = 0;
        switch (workspace) {
        case CleanTrustWorkspace::oneClickSafe:
            count = s.ruleCards().size();
            bytes = s.totalScannedSafeBytes();
            break;
        case CleanTrustWorkspace::devAndDuplicates:
            count = s.projectBloats().size() + s.duplicateGroups().size();
            bytes = s.totalScannedBloatBytes() + s.totalScannedDuplicateBytes();
            break;
        case CleanTrustWorkspace::largeMedia:
            count = s.largeFiles().size();
            bytes = s.totalScannedLargeFileBytes();
            break;
        case CleanTrustWorkspace::appSlimming:
            count = s.installedApps().size();
            bytes = s.totalScannedAppOrphanBytes();
            break;
        }
        list.append(QVariantMap{
            {QStringLiteral("title"), qt(WindowTexts::title(workspace, language))},
            {QStringLiteral("subtitle"), qt(WindowTexts::subtitle(workspace, language))},
            {QStringLiteral("symbol"), qt(WindowIcons::symbolName(workspace))},
            {QStringLiteral("accent"), color(CorvelPalette::accent(workspace))},
            {QStringLiteral("count"), count},
            {QStringLiteral("size"), qt(DiskFormat::bytes(bytes))},
            {QStringLiteral("selected"), workspace == selectedWorkspace_},
        });
    }
    return list;
}

QString MacMainView::homeFolderName() const { return qt(paths::lastComponent(access_.realHomeURL())); }

QString MacMainView::grantNoticeText() const
{
    if (!grantNotice_)
        return {};
    const AppLanguage language = currentLanguage();
    const std::string picked = paths::lastComponent(grantNotice_->url);
    const std::string home = paths::lastComponent(access_.realHomeURL());
    return qt(grantNotice_->kind == SandboxGrantOutcome::Kind::partial
                  ? WindowTexts::partialGrantNotice(language, picked, home)
                  : WindowTexts::outsideGrantNotice(language, picked, home));
}

QString MacMainView::chooseHomeInsteadText() const
{
    return qt(WindowTexts::chooseHomeInstead(currentLanguage(), paths::lastComponent(access_.realHomeURL())));
}

QString MacMainView::panelHintText() const
{
    return qt(WindowTexts::onboardingPanelHint(currentLanguage(), paths::lastComponent(access_.realHomeURL())));
}

QString MacMainView::scanPhaseText() const { return QString::fromStdString(scanner_->currentScanningPath()); }

QString MacMainView::scanTitle() const
{
    const QuillmereL10n l10n(currentLanguage());
    if (scanner_->isScanning())
        return qt(l10n.scanningNowTitle());
    return qt(l10n.reclaimableLabel()) + QStringLiteral(" · ") +
           qt(DiskFormat::bytes(scanner_->grandTotalDiscoverableBytes()));
}

QString MacMainView::glyph(const QString& symbolName)
{
    return QString::fromStdString(iconGlyph(symbolName.toStdString()));
}
