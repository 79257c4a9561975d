#include "FontWarmup.h"

#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Theme/ScriptFonts.h"

#include <QFont>
#include <QGuiApplication>
#include <QTextLayout>

namespace {

// Lays out a few of the language's own texts in the face the window gives it.
void layOut(AppLanguage language, const QString& defaultFamily)
{
    const std::string_view family = scriptFontFamily(language);
    QFont font(family.empty() ? defaultFamily : qt(family));
    font.setPixelSize(13);
    const QString sample = qt(nativeName(language)) + u' ' +
                           qt(WindowTexts::title(CleanTrustWorkspace::oneClickSafe, language)) + u' ' +
                           qt(WindowTexts::subtitle(CleanTrustWorkspace::largeMedia, language));
    for (bool bold : {false, true}) {
        font.setBold(bold);
        QTextLayout layout(sample, font);
        layout.beginLayout();
        while (layout.createLine().isValid()) {
        }
        layout.endLayout();
    }
}

} // namespace

FontWarmup::FontWarmup()
{
    const QString defaultFamily = QGuiApplication::font().family();
    worker_ = std::thread([defaultFamily] {
        for (AppLanguage language : allCases<AppLanguage>())
            layOut(language, defaultFamily);
    });
}

FontWarmup::~FontWarmup()
{
    if (worker_.joinable())
        worker_.join();
}
