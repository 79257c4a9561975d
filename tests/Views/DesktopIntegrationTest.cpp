#include "DesktopIntegration.h"

#include <gtest/gtest.h>

TEST(DesktopIntegration, FileUrlsKeepEveryByteOfThePath)
{
    const URL path = "/var/tmp/a b/caf\xc3\xa9/\xff\xfe.bin";
    const QUrl url = fileUrlOfPath(path);
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toEncoded(), QByteArray("file:///var/tmp/a%20b/caf%C3%A9/%FF%FE.bin"));
    EXPECT_EQ(QByteArray::fromPercentEncoding(url.toEncoded().mid(7)).toStdString(), path);
}

TEST(DesktopIntegration, CleanSoundsComeFromTheSoundThemeWhenInstalled)
{
    const QString glass = DesktopCleanFeedback::themeFileFor("Glass");
    const QString funk = DesktopCleanFeedback::themeFileFor("Funk");
    if (glass.isEmpty())
        GTEST_SKIP() << "sound theme not installed";
    EXPECT_TRUE(glass.contains("complete"));
    EXPECT_TRUE(funk.contains("dialog-warning"));
}
