// What a screen reader hears in each language: every name and description in the real
// window's accessibility tree, in every list with its first row inspected.
#include "Views/WindowTestSupport.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <optional>

namespace {

bool isHanOrKana(char32_t c)
{
    return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

// The first Han or kana character, or none.
std::optional<QString> hanOrKanaIn(const QString& text)
{
    for (char32_t c : text.toUcs4())
        if (isHanOrKana(c))
            return text;
    return std::nullopt;
}

} // namespace

// Chinese in a Latin, Cyrillic or Arabic window is a text the catalogues do not say.
TEST(WindowLanguages, LatinCyrillicAndArabicWindowsSayNothingInHanOrKana)
{
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open();
    QStringList faults;
    for (const char* language : {"en", "de", "fr", "es", "pt", "ru", "it", "ar"}) {
        w.view->setLanguageRaw(language);
        for (ShownList list : WindowLists::kAllShownLists) {
            w.view->showList(list);
            w.view->inspectRow(0);
            w.settle();
            for (const AccessibleNode& node : w.nodes())
                for (const QString& text : {node.name(), node.node->text(QAccessible::Description)})
                    if (auto found = hanOrKanaIn(text))
                        faults.append(QStringLiteral("%1 list %2: %3").arg(language).arg(int(list)).arg(*found));
        }
    }
    faults.removeDuplicates();
    EXPECT_TRUE(faults.empty()) << faults.join(QStringLiteral("\n")).toStdString();
}
