// Thumbnails through the shared cache of a test (XDG_CACHE_HOME in a temporary folder): what
// is reused without decoding, what is made again, how it is written for the file manager, and
// where the decoding happens. Media files are made by the test.
#include "Platform/Media/ThumbnailService.h"
#include "Views/PrivateBus.h"
#include "Views/TestMedia.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <QCryptographicHash>
#include <QImageReader>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <utime.h>

namespace {

constexpr const char* kFailureFolder = "quillmere-test";

struct ThumbnailFixture {
    TempHome root;
    ScopedEnvironment cacheHome{"XDG_CACHE_HOME", root.mkdir("cache")};
    std::string thumbnails = root.at("cache/thumbnails");

    static ThumbnailService::Options options()
    {
        ThumbnailService::Options options;
        options.failureFolder = kFailureFolder;
        options.desktopBus = nullptr; // only what this program decodes itself
        return options;
    }
    // Asks for the file's thumbnail and waits for the answer (null when there is none).
    static QImage ask(ThumbnailService& service, const Path& path)
    {
        QSignalSpy answered(&service, &ThumbnailService::thumbnailChanged);
        service.request(path);
        EXPECT_TRUE(QTest::qWaitFor([&] { return answered.count() > 0; }, 15000));
        return service.thumbnail(path);
    }
    static Int64 mtimeOf(const std::string& path)
    {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0 ? Int64(st.st_mtim.tv_sec) : -1;
    }
    static void setMtime(const std::string& path, Int64 seconds)
    {
        const struct utimbuf times {
            seconds, seconds
        };
        ::utime(path.c_str(), &times);
    }
    // Files in a folder, by name (empty when there is no such folder).
    static std::vector<std::string> namesIn(const std::string& folder)
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

std::string md5Name(const std::string& uri)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(uri), QCryptographicHash::Md5).toHex().toStdString() +
           ".png";
}

} // namespace

TEST(ThumbnailService, AValidCacheEntryIsUsedWithoutDecodingTheFile)
{
    ThumbnailFixture f;
    const std::string photo = f.root.at("Pictures/a rather long name for a holiday photo of the sea.png");
    f.root.mkdir("Pictures");
    ASSERT_TRUE(testmedia::writeImage(photo, {64, 48}, Qt::red));
    // What a file manager left there: blue, stamped for the photo as it is (its long URI makes
    // Qt's writer compress the stamp).
    const std::string uri =
        "file://" + f.root.at("Pictures/a%20rather%20long%20name%20for%20a%20holiday%20photo%20of%20"
                              "the%20sea.png");
    f.root.mkdir("cache/thumbnails/large");
    ASSERT_TRUE(testmedia::writeStampedPng(f.thumbnails + "/large/" + md5Name(uri), {256, 192}, Qt::blue, uri,
                                           f.mtimeOf(photo)));

    ThumbnailService service(f.options());
    const QImage shown = f.ask(service, photo);
    ASSERT_FALSE(shown.isNull());
    EXPECT_TRUE(testmedia::alike(testmedia::middleColour(shown), Qt::blue));
    EXPECT_EQ(service.decodeCount(), 0);
}

TEST(ThumbnailService, AStaleEntryIsReplacedByOneStampedForTheFileAsItIsNow)
{
    ThumbnailFixture f;
    // Characters the URI escapes, and a name that is not UTF-8.
    const std::string photo = f.root.at("Pictures/beach & sun (1) \xe9t\xe9.jpg");
    f.root.mkdir("Pictures");
    ASSERT_TRUE(testmedia::writeImage(photo, {800, 600}, Qt::red));
    const std::string uri = "file://" + f.root.at("Pictures/beach%20&%20sun%20(1)%20%E9t%E9.jpg");
    const std::string cached = f.thumbnails + "/large/" + md5Name(uri);
    f.root.mkdir("cache/thumbnails/large");
    ASSERT_TRUE(testmedia::writeStampedPng(cached, {256, 192}, Qt::blue, uri, f.mtimeOf(photo) - 60));

    ThumbnailService service(f.options());
    const QImage shown = f.ask(service, photo);
    EXPECT_TRUE(testmedia::alike(testmedia::middleColour(shown), Qt::red));
    EXPECT_EQ(service.decodeCount(), 1);

    // Read back by Qt's own PNG reader: the stamps the file manager checks, at a thumbnail's size.
    EXPECT_EQ(testmedia::pngText(cached, "Thumb::URI").toStdString(), uri);
    EXPECT_EQ(testmedia::pngText(cached, "Thumb::MTime").toLongLong(), f.mtimeOf(photo));
    EXPECT_EQ(testmedia::pngText(cached, "Thumb::Size").toLongLong(), std::filesystem::file_size(photo));
    EXPECT_EQ(testmedia::imageSize(cached), QSize(256, 192));
    struct stat st {};
    ASSERT_EQ(::lstat(cached.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(f.namesIn(f.thumbnails + "/large"), std::vector<std::string>{md5Name(uri)}); // nothing half-written
}

TEST(ThumbnailService, AChangedFileGetsAPictureOfItsNewContent)
{
    ThumbnailFixture f;
    const std::string photo = f.root.at("photo.png");
    ASSERT_TRUE(testmedia::writeImage(photo, {300, 300}, Qt::red));
    ThumbnailService service(f.options());
    EXPECT_TRUE(testmedia::alike(testmedia::middleColour(f.ask(service, photo)), Qt::red));

    // Asked again unchanged: the picture stays, nothing is decoded.
    QSignalSpy answered(&service, &ThumbnailService::thumbnailChanged);
    service.request(photo);
    QTest::qWait(300);
    EXPECT_EQ(answered.count(), 0);

    ASSERT_TRUE(testmedia::writeImage(photo, {300, 300}, Qt::green));
    f.setMtime(photo, f.mtimeOf(photo) + 10);
    EXPECT_TRUE(testmedia::alike(testmedia::middleColour(f.ask(service, photo)), Qt::green));
    EXPECT_EQ(service.decodeCount(), 2);
}

TEST(ThumbnailService, NothingIsDecodedOnTheThreadThatAsks)
{
    ThumbnailFixture f;
    const std::string photo = f.root.at("photo.jpg");
    ASSERT_TRUE(testmedia::writeImage(photo, {640, 480}, Qt::red));
    std::vector<std::string> paths = {photo};
    if (testmedia::canMakeVideos()) {
        paths.push_back(f.root.at("clip.mkv"));
        ASSERT_TRUE(testmedia::writeVideo(paths.back(), "red", "blue"));
    }
    ThumbnailService service(f.options());
    std::mutex mutex;
    std::vector<QThread*> decodedOn;
    service.setDecodeObserver([&](const Path&) {
        const std::lock_guard lock(mutex);
        decodedOn.push_back(QThread::currentThread());
    });
    for (const std::string& path : paths)
        EXPECT_FALSE(f.ask(service, path).isNull()) << path;

    const std::lock_guard lock(mutex);
    ASSERT_EQ(decodedOn.size(), paths.size());
    for (QThread* thread : decodedOn)
        EXPECT_NE(thread, QThread::currentThread());
}

TEST(ThumbnailService, APhotoTooLargeToHoldIsDecodedAtAReducedSizeAndAHugePngNotAtAll)
{
    ThumbnailFixture f;
    const std::string photo = f.root.at("big.jpg");
    const std::string drawing = f.root.at("huge.png");
    ASSERT_TRUE(testmedia::writeImage(photo, {4000, 3000}, Qt::blue));
    QImage wide(7000, 6000, QImage::Format_Grayscale8);
    wide.fill(128);
    ASSERT_TRUE(testmedia::writeImage(drawing, wide));
    ThumbnailService service(f.options());

    // Qt refuses to hold more than 8 MB of pixels at once for now; the photo takes 48 MB at full
    // size, so only a reduced decode can picture it.
    const int limitBefore = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(8);
    const QImage shown = f.ask(service, photo);
    QImageReader::setAllocationLimit(limitBefore);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(256, 192));

    // 42 megapixels of a format that only decodes whole: left alone, and remembered as such.
    EXPECT_TRUE(f.ask(service, drawing).isNull());
    EXPECT_EQ(f.namesIn(f.thumbnails + "/fail/" + kFailureFolder).size(), 1u);
}

TEST(ThumbnailService, AFailureIsRecordedAndNotTriedAgainUntilTheFileChanges)
{
    ThumbnailFixture f;
    const std::string broken = f.root.fileWithContent("broken.png", "\x89PNG\r\n\x1a\n not really");
    {
        ThumbnailService service(f.options());
        EXPECT_TRUE(f.ask(service, broken).isNull());
        EXPECT_EQ(service.decodeCount(), 1);
    }
    const auto failures = f.namesIn(f.thumbnails + "/fail/" + kFailureFolder);
    ASSERT_EQ(failures.size(), 1u);
    const std::string record = f.thumbnails + "/fail/" + kFailureFolder + "/" + failures[0];
    EXPECT_EQ(testmedia::pngText(record, "Thumb::URI").toStdString(), "file://" + broken);
    EXPECT_EQ(testmedia::pngText(record, "Thumb::MTime").toLongLong(), f.mtimeOf(broken));

    ThumbnailService later(f.options()); // another start of the program
    EXPECT_TRUE(f.ask(later, broken).isNull());
    EXPECT_EQ(later.decodeCount(), 0);
    f.setMtime(broken, f.mtimeOf(broken) + 10);
    EXPECT_TRUE(f.ask(later, broken).isNull());
    EXPECT_EQ(later.decodeCount(), 1);
}

TEST(ThumbnailService, LinksFoldersAndMissingFilesGetNoPicture)
{
    ThumbnailFixture f;
    const std::string photo = f.root.at("photo.png");
    ASSERT_TRUE(testmedia::writeImage(photo, {64, 64}, Qt::red));
    ThumbnailService service(f.options());
    for (const std::string& path :
         {f.root.symlink("link.png", photo), f.root.mkdir("folder.png"), f.root.at("gone.png")})
        EXPECT_TRUE(f.ask(service, path).isNull()) << path;
    EXPECT_EQ(service.decodeCount(), 0);
    EXPECT_TRUE(f.namesIn(f.thumbnails).empty());
}

namespace {

// Plays the desktop's thumbnailer on a private bus: for every file it is asked for, it puts a
// green picture stamped for the file into the cache and says so.
class FakeThumbnailer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.thumbnails.Thumbnailer1")
  public:
    FakeThumbnailer(std::string thumbnails, std::string file)
        : thumbnails_(std::move(thumbnails)), file_(std::move(file))
    {
    }
    QStringList mimeTypes;
    QStringList flavors;

  public Q_SLOTS:
    uint Queue(const QStringList& uris, const QStringList& types, const QString& flavor, const QString&, uint)
    {
        mimeTypes += types;
        flavors += flavor;
        const std::string uri = uris.value(0).toStdString();
        testmedia::writeStampedPng(thumbnails_ + "/" + flavor.toStdString() + "/" + md5Name(uri), {256, 144}, Qt::green,
                                   uri, ThumbnailFixture::mtimeOf(file_));
        QTimer::singleShot(0, this, [this, uris] {
            Q_EMIT Ready(7, uris);
            Q_EMIT Finished(7);
        });
        return 7;
    }

  Q_SIGNALS:
    void Ready(uint handle, const QStringList& uris);
    void Finished(uint handle);

  private:
    std::string thumbnails_;
    std::string file_;
};

} // namespace

TEST(ThumbnailService, TheDesktopsThumbnailerIsAskedForVideosWhileItRuns)
{
    ThumbnailFixture f;
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    const std::string video = f.root.file("talk.mkv", 4096);
    f.root.mkdir("cache/thumbnails/large");
    QDBusConnection desktop = bus.connect(QStringLiteral("thumbnailer"));
    FakeThumbnailer thumbnailer(f.thumbnails, video);
    ASSERT_TRUE(desktop.registerObject(QStringLiteral("/org/freedesktop/thumbnails/Thumbnailer1"), &thumbnailer,
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
    ASSERT_TRUE(desktop.registerService(QStringLiteral("org.freedesktop.thumbnails.Thumbnailer1")));

    ThumbnailService::Options options = f.options();
    QDBusConnection client = bus.connect(QStringLiteral("thumbnail-client"));
    options.desktopBus = [client] { return client; };
    ThumbnailService service(options);
    const QImage shown = f.ask(service, video);
    EXPECT_TRUE(testmedia::alike(testmedia::middleColour(shown), Qt::green));
    EXPECT_EQ(service.decodeCount(), 0);
    EXPECT_EQ(thumbnailer.mimeTypes, QStringList{QStringLiteral("video/x-matroska")});
    EXPECT_EQ(thumbnailer.flavors, QStringList{QStringLiteral("large")});
}

#include "ThumbnailServiceTest.moc"
