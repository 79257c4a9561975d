// The window draws every symbol with the icon font embedded in its resources.
#include "Theme/SymbolIcons.h"

#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <gtest/gtest.h>

TEST(IconFont, IsEmbeddedAndHasAGlyphForEveryMappedSymbol)
{
    const auto path = QString::fromUtf8(kMdiFontResource.data(), qsizetype(kMdiFontResource.size()));
    ASSERT_TRUE(QFile::exists(path));

    const int id = QFontDatabase::addApplicationFont(path);
    ASSERT_GE(id, 0);
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).contains(
        QString::fromUtf8(kMdiFontFamily.data(), qsizetype(kMdiFontFamily.size()))));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QRawFont font(file.readAll(), 16);
    ASSERT_TRUE(font.isValid());
    for (auto name : mappedSymbolNames())
        EXPECT_TRUE(font.supportsCharacter(static_cast<uint>(mdiIcon(name)->codePoint))) << name;
}
