#include "DesktopIntegration.h"
#include "Views/PrivateBus.h"

#include <QDesktopServices>
#include <QTest>
#include <gtest/gtest.h>

TEST(DesktopIntegration, FileUrlsKeepEveryByteOfThePath)
{
    const Path path = "/var/tmp/a b/caf\xc3\xa9/\xff\xfe.bin";
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

namespace {

// Plays the desktop's file manager on a private bus: remembers what it was asked to show.
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
  public:
    QStringList shown;
  public Q_SLOTS:
    void ShowItems(const QStringList& uris, const QString&) { shown += uris; }
};

// Takes the file URLs the program hands to the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT
  public:
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
  public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

TEST(DesktopIntegration, RevealAsksTheFileManagerForThatItemAndOpensItsFolderWhenNoneAnswers)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    OpenedUrls opened;
    const Path item = "/var/tmp/photos/beach \xff.jpg";
    DesktopWorkspaceService workspace(bus.connect(QStringLiteral("reveal-client")));

    {
        QDBusConnection desktop = bus.connect(QStringLiteral("reveal-file-manager"));
        FakeFileManager fileManager;
        ASSERT_TRUE(desktop.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(desktop.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        workspace.revealInFileManager(item);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !fileManager.shown.isEmpty(); }, 5000));
        EXPECT_EQ(fileManager.shown, QStringList{QStringLiteral("file:///var/tmp/photos/beach%20%FF.jpg")});
        QTest::qWait(100);
        EXPECT_TRUE(opened.urls.isEmpty());
        desktop.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
    }

    // No file manager on the bus: the folder that holds the item opens instead.
    workspace.revealInFileManager(item);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.urls.isEmpty(); }, 5000));
    EXPECT_EQ(opened.urls.front().toEncoded(), QByteArray("file:///var/tmp/photos"));
}

#include "DesktopIntegrationTest.moc"
