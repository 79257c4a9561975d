// Every text the window's QML asks for by name exists: a misspelt name would show nothing.
#include "WindowState.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(QmlTexts, EveryTextTheQmlNamesExistsInEveryLanguage)
{
    const QStringList files = QDir(QStringLiteral(":/Quillmere")).entryList({QStringLiteral("*.qml")});
    ASSERT_FALSE(files.isEmpty());
    const QRegularExpression named(QStringLiteral(R"(View\.texts\.(\w+))"));
    int names = 0;
    for (const QString& file : files) {
        QFile qml(QStringLiteral(":/Quillmere/") + file);
        ASSERT_TRUE(qml.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(qml.readAll());
        for (auto match = named.globalMatch(source); match.hasNext();) {
            const QString name = match.next().captured(1);
            ++names;
            for (AppLanguage language : allCases<AppLanguage>())
                EXPECT_FALSE(WindowState::textTable(language).value(name).toString().isEmpty())
                    << file.toStdString() << ": " << name.toStdString() << " in " << rawValue(language);
        }
    }
    EXPECT_GT(names, 20);
}
