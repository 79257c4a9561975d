// What the QML window reads: texts of the current language, the palette's colours and the
// icon glyphs. Texts are built once per language; the rest is derived on every read.
#include "WindowState.h"

#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Theme/ScriptFonts.h"
#include "Theme/SymbolIcons.h"

#include <QFont>
#include <QGuiApplication>
#include <QJSEngine>

AppLanguage WindowState::currentLanguage() const { return ::currentLanguage(languageRaw_.toStdString()); }

CorvelPalette WindowState::palette() const { return CorvelPalette{appearanceFromStored(appearanceRaw_.toStdString())}; }

void WindowState::connectPresentationSignals()
{
    connect(this, &WindowState::languageRawChanged, this, &WindowState::appearanceChanged);
    for (auto signal : {&StorageEngine::isScanningChanged, &StorageEngine::scanProgressChanged,
                        &StorageEngine::currentScanningPathChanged})
        connect(scanner_.get(), signal, this, &WindowState::scanChanged);
    connect(&scanner_->cleaner(), &CleanRunner::isCleaningChanged, this, &WindowState::scanChanged);
    // The title names what was found once the scan is over; it follows the lists then.
    connect(scanner_.get(), &StorageEngine::isScanningChanged, this, &WindowState::scanTitleChanged);
    for (auto signal : {&ScanResults::ruleCardsChanged, &ScanResults::projectBloatsChanged,
                        &ScanResults::duplicateGroupsChanged, &ScanResults::largeFilesChanged})
        connect(&scanner_->results(), signal, this, &WindowState::scanTitleChanged);
    connect(this, &WindowState::languageRawChanged, this, &WindowState::scanTitleChanged);
    connect(scanner_.get(), &StorageEngine::currentScanningPathChanged, this, &WindowState::scanPhaseTextChanged);
    connect(this, &WindowState::languageRawChanged, this, &WindowState::scanPhaseTextChanged);
}

const QVariantMap& WindowState::textTable(AppLanguage language)
{
    static std::array<QVariantMap, kAppLanguageCount> tables;
    QVariantMap& map = tables[languageIndex(language)];
    if (!map.isEmpty())
        return map;
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

void WindowState::warmFacesOf(QQuickWindow& window)
{
    // The scripts furthest from the one shown first: their switches cost the most.
    static constexpr std::array kOrder{AppLanguage::zhHans, AppLanguage::ja, AppLanguage::zhHant, AppLanguage::ko,
                                       AppLanguage::ar,     AppLanguage::ru, AppLanguage::en,     AppLanguage::de,
                                       AppLanguage::fr,     AppLanguage::es, AppLanguage::pt,     AppLanguage::it};
    static_assert(kOrder.size() == kAppLanguageCount);
    std::vector<FontWarmup::Language> languages;
    for (AppLanguage language : kOrder) {
        FontWarmup::Language& each = languages.emplace_back();
        const std::string_view family = scriptFontFamily(language);
        each.family = family.empty() ? QGuiApplication::font().family() : qt(family);
        const QVariantMap& table = textTable(language);
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            each.texts.insert(it.key(), it.value().toString());
        each.texts.insert(QStringLiteral("languageName"), qt(nativeName(language)));
    }
    fontWarmup_.holdWhile([this] { return scanner_->isScanning() || isCleaning(); });
    fontWarmup_.start(window, std::move(languages), [this] {
        return int(std::find(kOrder.begin(), kOrder.end(), currentLanguage()) - kOrder.begin());
    });
}

QJSValue WindowState::texts()
{
    // One script object per language, made the first time that language is shown, so a
    // binding reads a text without the whole table being converted again.
    QJSEngine* engine = qjsEngine(this);
    if (!engine)
        return {};
    if (engine != textEngine_) { // script objects belong to the engine that made them
        textObjects_ = {};
        blankTexts_ = {};
        textEngine_ = engine;
    }
    // All languages at once, the first time: a later switch finds its texts ready.
    if (textObjects_[0].isUndefined()) {
        for (AppLanguage language : allCases<AppLanguage>())
            textObjects_[languageIndex(language)] = engine->toScriptValue(textTable(language));
        QVariantMap blank = textTable(AppLanguage::en);
        for (QVariant& text : blank)
            text = QString();
        blankTexts_ = engine->toScriptValue(blank);
    }
    return textsBlank_ ? blankTexts_ : textObjects_[languageIndex(currentLanguage())];
}

QVariantList WindowState::languages()
{
    QVariantList list;
    for (AppLanguage language : allCases<AppLanguage>())
        list.append(QVariantMap{{QStringLiteral("code"), qt(rawValue(language))},
                                {QStringLiteral("flag"), qt(flag(language))},
                                {QStringLiteral("name"), qt(nativeName(language))},
                                {QStringLiteral("region"), qt(marketRegion(language))}});
    return list;
}

QString WindowState::languageFlag() const { return qt(flag(currentLanguage())); }

QString WindowState::fontFamily() const
{
    const std::string_view family = scriptFontFamily(currentLanguage());
    return family.empty() ? QGuiApplication::font().family() : qt(family);
}
QString WindowState::languageName() const { return qt(nativeName(currentLanguage())); }
QString WindowState::appearanceName() const { return qt(displayName(palette().mode, currentLanguage())); }
QString WindowState::appearanceSymbol() const { return qt(headerIcon(palette().mode)); }

QStringList WindowState::largeCategoryTitles() const
{
    QStringList titles;
    const QuillmereL10n l10n(currentLanguage());
    for (LargeFileCategory category : allCases<LargeFileCategory>())
        titles.append(qt(l10n.localizeCategory(category)));
    return titles;
}

QStringList WindowState::largeCategorySymbols()
{
    QStringList symbols;
    for (LargeFileCategory category : allCases<LargeFileCategory>())
        symbols.append(qt(symbolName(category)));
    return symbols;
}

QString WindowState::scanPhaseText() const
{
    // The engine words its steps in Chinese; the window says them in the person's language.
    // The line shows only while a scan runs, so the steps before and after it say nothing.
    const AppLanguage language = currentLanguage();
    switch (scanner_->scanPhase()) {
    case StorageEngine::Phase::caches:
        return qt(WindowTexts::scanPhaseCaches(language));
    case StorageEngine::Phase::systemData:
        return qt(WindowTexts::scanPhaseSystemData(language));
    case StorageEngine::Phase::projects:
        return qt(WindowTexts::scanPhaseProjects(language));
    case StorageEngine::Phase::duplicates:
        return qt(WindowTexts::scanPhaseDuplicates(language));
    case StorageEngine::Phase::ready:
    case StorageEngine::Phase::done:
        break;
    }
    return {};
}

QString WindowState::scanTitle() const
{
    const QuillmereL10n l10n(currentLanguage());
    if (scanner_->isScanning())
        return qt(l10n.scanningNowTitle());
    return qt(l10n.reclaimableLabel()) + QStringLiteral(" · ") +
           bytesText(scanner_->results().grandTotalDiscoverableBytes(), currentLanguage());
}

QString WindowState::glyph(const QString& symbolName)
{
    return QString::fromStdString(iconGlyph(symbolName.toStdString()));
}
