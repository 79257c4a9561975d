// What the QML window reads: texts of the current language, the palette's colours and the
// icon glyphs. Texts are built once per language; the rest is derived on every read.
#include "MacMainView.h"

#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "Models/Paths.h"
#include "QtText.h"
#include "Theme/ScriptFonts.h"
#include "Theme/SymbolIcons.h"

#include <QFont>
#include <QGuiApplication>
#include <QJSEngine>

AppLanguage MacMainView::currentLanguage() const { return ::currentLanguage(languageRaw_.toStdString()); }

CorvelPalette MacMainView::palette() const { return CorvelPalette{appearanceFromStored(appearanceRaw_.toStdString())}; }

void MacMainView::connectPresentationSignals()
{
    for (auto signal : {&MacMainView::languageRawChanged, &MacMainView::appearanceRawChanged})
        connect(this, signal, this, &MacMainView::appearanceNameChanged);
    for (auto signal : {&MacMainView::languageRawChanged, &MacMainView::inspectedItemChanged})
        connect(this, signal, this, &MacMainView::inspectedTitleChanged);
    connect(this, &MacMainView::languageRawChanged, this, &MacMainView::grantNoticeTextChanged);
    for (auto signal : {&MacStorageScanner::isScanningChanged, &MacStorageScanner::scanProgressChanged,
                        &MacStorageScanner::currentScanningPathChanged, &MacStorageScanner::isPurgingAnimationChanged})
        connect(scanner_.get(), signal, this, &MacMainView::scanChanged);
    // The title names what was found once the scan is over; it follows the lists then.
    for (auto signal : {&MacStorageScanner::isScanningChanged, &MacStorageScanner::ruleCardsChanged,
                        &MacStorageScanner::projectBloatsChanged, &MacStorageScanner::duplicateGroupsChanged,
                        &MacStorageScanner::largeFilesChanged})
        connect(scanner_.get(), signal, this, &MacMainView::scanTitleChanged);
    connect(this, &MacMainView::languageRawChanged, this, &MacMainView::scanTitleChanged);
    for (auto signal : {&SandboxAccessManager::homeGrantedChanged, &SandboxAccessManager::applicationsGrantedChanged,
                        &SandboxAccessManager::grantedHomeURLChanged, &SandboxAccessManager::bookmarkWasStaleChanged})
        connect(&access_, signal, this, &MacMainView::accessChanged);
}

const QVariantMap& MacMainView::textTable(AppLanguage language)
{
    static std::array<QVariantMap, kAppLanguageCount> tables;
    QVariantMap& map = tables[languageIndex(language)];
    if (!map.isEmpty())
        return map;
    for (const auto& [name, text] : WindowTexts::allText4())
        map.insert(qt(name), qt((*text)(language)));
    for (const auto& [name, text] : WindowTexts::allText12())
        map.insert(qt(name), qt((*text)(language)));
    const QuillmereL10n l10n(language);
    map.insert(QStringLiteral("rescanHeroTitle"), qt(l10n.rescanHeroTitle()));
    map.insert(QStringLiteral("scanningNowTitle"), qt(l10n.scanningNowTitle()));
    map.insert(QStringLiteral("reclaimableLabel"), qt(l10n.reclaimableLabel()));
    map.insert(QStringLiteral("selectedToReclaimTitle"), qt(l10n.selectedToReclaimTitle()));
    map.insert(QStringLiteral("smartCleanAllTitle"), qt(l10n.smartCleanAllTitle()));
    map.insert(QStringLiteral("undoRestoreTitle"), qt(l10n.undoRestoreTitle()));
    map.insert(QStringLiteral("productName"), qt(WindowTexts::kProductName));
    return map;
}

QJSValue MacMainView::texts()
{
    // One script object per language, made the first time that language is shown, so a
    // binding reads a text without the whole table being converted again.
    QJSEngine* engine = qjsEngine(this);
    if (!engine)
        return {};
    if (engine != textEngine_) { // script objects belong to the engine that made them
        textObjects_ = {};
        textEngine_ = engine;
    }
    // All languages at once, the first time: a later switch finds its texts ready.
    if (textObjects_[0].isUndefined())
        for (AppLanguage language : allCases<AppLanguage>())
            textObjects_[languageIndex(language)] = engine->toScriptValue(textTable(language));
    return textObjects_[languageIndex(currentLanguage())];
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

QString MacMainView::fontFamily() const
{
    const std::string_view family = scriptFontFamily(currentLanguage());
    return family.empty() ? QGuiApplication::font().family() : qt(family);
}
QString MacMainView::languageName() const { return qt(nativeName(currentLanguage())); }
QString MacMainView::appearanceName() const { return qt(displayName(palette().mode, currentLanguage())); }
QString MacMainView::appearanceSymbol() const { return qt(headerIcon(palette().mode)); }
QString MacMainView::grantedHomeName() const { return qt(access_.grantedHomeDisplayName()); }

QStringList MacMainView::largeCategoryTitles() const
{
    QStringList titles;
    const QuillmereL10n l10n(currentLanguage());
    for (LargeFileCategory category : allCases<LargeFileCategory>())
        titles.append(qt(l10n.localizeCategory(category)));
    return titles;
}

QStringList MacMainView::largeCategorySymbols()
{
    QStringList symbols;
    for (LargeFileCategory category : allCases<LargeFileCategory>())
        symbols.append(qt(symbolName(category)));
    return symbols;
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

QString MacMainView::scanPhaseText() const { return qt(scanner_->currentScanningPath()); }

QString MacMainView::scanTitle() const
{
    const QuillmereL10n l10n(currentLanguage());
    if (scanner_->isScanning())
        return qt(l10n.scanningNowTitle());
    return qt(l10n.reclaimableLabel()) + QStringLiteral(" · ") +
           bytesText(scanner_->grandTotalDiscoverableBytes(), currentLanguage());
}

QString MacMainView::glyph(const QString& symbolName)
{
    return QString::fromStdString(iconGlyph(symbolName.toStdString()));
}
