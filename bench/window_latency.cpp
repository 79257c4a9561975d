// How long the window's event loop stalls while it works: a 4 ms timer records how late
// each of its ticks fires while the real window (offscreen) scans a home, selects and
// deselects all rows of its artefact list, cleans 500 of them and switches language; with
// --media, also while it inspects a 100-megapixel photo and multi-gigabyte videos (DIR holds
// big.mov and big.mkv; the photo is made there).
//
//   window-latency --home DIR [--clean-items N] [--media DIR] [--phase-log FILE]
//
// Prints, per phase, the longest stall, the longest stretch of CPU time the GUI thread spent
// between two ticks, and the 99th percentile of the lateness, in ms.
// --phase-log writes "<start ms> <end ms> <phase>" on the monotonic clock, so probes
// outside the process (window-ping) can tell which phase each of their figures fell in.
// The home is cleaned into its own Trash: point it only at a fixture made for this.

#include "MainWindowLoader.h"
#include "Platform/Media/ThumbnailService.h"
#include "Services/FolderAccess.h"
#include "WindowState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QQmlApplicationEngine>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kTickMs = 4;

double threadCpuMs()
{
    timespec cpu{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
    return double(cpu.tv_sec) * 1e3 + double(cpu.tv_nsec) / 1e6;
}

// Records how late every tick of a 4 ms timer fires, and how much CPU time the GUI thread
// spent since the tick before: on a busy machine a stall can be mostly waiting for a core,
// and the busy figure tells the window's own work apart from that.
class LatenessProbe {
  public:
    LatenessProbe()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kTickMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const double since = clock_.nsecsElapsed() / 1e6;
            clock_.restart();
            samples_.push_back(std::max(0.0, since - kTickMs));
            const double cpu = threadCpuMs();
            longestBusy_ = std::max(longestBusy_, cpu - cpuAtLastTick_);
            cpuAtLastTick_ = cpu;
        });
    }
    void start()
    {
        samples_.clear();
        longestBusy_ = 0;
        cpuAtLastTick_ = threadCpuMs();
        clock_.start();
        timer_.start();
    }
    std::vector<double> stop()
    {
        timer_.stop();
        return std::move(samples_);
    }
    double longestBusy() const { return longestBusy_; }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<double> samples_;
    double cpuAtLastTick_ = 0;
    double longestBusy_ = 0;
};

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds (checked whenever `signal` fires).
template <typename Sender, typename Signal>
void runUntil(Sender& scanner, Signal signal, const std::function<bool()>& done)
{
    QEventLoop loop;
    QObject::connect(&scanner, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    if (!done())
        loop.exec();
}

struct Figures {
    double longest = 0;
    double longestBusy = 0;
    double p99 = 0;
    std::size_t ticks = 0;
};

Figures figuresOf(std::vector<double> samples)
{
    Figures f;
    f.ticks = samples.size();
    if (samples.empty())
        return f;
    std::sort(samples.begin(), samples.end());
    f.longest = samples.back();
    f.p99 = samples[std::min(samples.size() - 1, std::size_t(double(samples.size()) * 0.99))];
    return f;
}

// A photo of 10,000 × 10,000 pixels, made once.
bool makeHugePhoto(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return true;
    QImage photo(10000, 10000, QImage::Format_RGB888);
    for (int y = 0; y < photo.height(); ++y) {
        uchar* line = photo.scanLine(y);
        for (int x = 0; x < photo.width(); ++x) {
            line[3 * x] = uchar(x * 255 / photo.width());
            line[3 * x + 1] = uchar(y * 255 / photo.height());
            line[3 * x + 2] = uchar((x ^ y) & 0xFF);
        }
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        return false;
    return QImageWriter(&file, "jpeg").write(photo);
}

LargeFileItem largeFileAt(const std::string& path, const std::string& name)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    LargeFileItem file;
    file.id = file.url = path;
    file.name = name;
    file.category = LargeFileCategory::videoMedia;
    file.sizeBytes = st.st_size;
    return file;
}

double monotonicMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void report(const char* phase, const Figures& f)
{
    std::printf("%-34s longest stall %7.1f ms   busy %6.1f ms   p99 %6.1f ms   (%zu ticks)\n", phase, f.longest,
                f.longestBusy, f.p99, f.ticks);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const double started = monotonicMs();
    QApplication app(argc, argv);
    std::string home;
    int cleanItems = 500;
    std::string media;
    std::string phaseLogPath;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--home") == 0)
            home = argv[i + 1];
        else if (std::strcmp(argv[i], "--media") == 0)
            media = argv[i + 1];
        else if (std::strcmp(argv[i], "--clean-items") == 0)
            cleanItems = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--phase-log") == 0)
            phaseLogPath = argv[i + 1];
    }
    std::FILE* phaseLog = phaseLogPath.empty() ? nullptr : std::fopen(phaseLogPath.c_str(), "w");
    const auto logPhase = [&](double from, const char* name) {
        if (phaseLog) {
            std::fprintf(phaseLog, "%.1f %.1f %s\n", from, monotonicMs(), name);
            std::fflush(phaseLog);
        }
    };
    if (home.empty()) {
        std::fprintf(stderr, "usage: window-latency --home DIR [--clean-items N] [--media DIR]\n");
        return 2;
    }

    FolderAccess access(
        {.settings = std::make_shared<QSettings>(QString::fromStdString(home + ".ini"), QSettings::IniFormat),
         .picker = nullptr,
         .realHome = home,
         .applications = home + "/Applications",
         .asksForGrants = false,
         .confinementProbe = {}});
    WindowState view({.home = home, .applications = home + "/Applications", .paceCleans = true}, access);
    view.setLanguageRaw(QStringLiteral("en"));
    QQmlApplicationEngine engine;
    if (!MainWindowLoader::load(engine, view)) {
        std::fprintf(stderr, "window-latency: the window could not be loaded\n");
        return 1;
    }
    runFor(500); // first frames, fonts
    logPhase(started, "start until the window is up");
    StorageEngine& scanner = view.scanner();
    LatenessProbe probe;
    std::vector<double> all;
    double longestBusy = 0;
    auto phase = [&](const char* name, const std::function<void()>& work) {
        const double from = monotonicMs();
        probe.start();
        work();
        runFor(300); // what the work posted lands and is drawn
        logPhase(from, name);
        std::vector<double> samples = probe.stop();
        all.insert(all.end(), samples.begin(), samples.end());
        Figures figures = figuresOf(std::move(samples));
        figures.longestBusy = probe.longestBusy();
        longestBusy = std::max(longestBusy, figures.longestBusy);
        report(name, figures);
    };

    phase("scan of the home", [&] {
        view.onAppear();
        runUntil(scanner, &StorageEngine::isScanningChanged, [&] { return !scanner.isScanning(); });
    });
    phase("deep rescan", [&] {
        view.rescan();
        runUntil(scanner, &StorageEngine::isScanningChanged, [&] { return !scanner.isScanning(); });
    });
    view.showList(ShownList::ProjectBloats);
    runFor(300);
    const std::size_t rows = scanner.results().projectBloats().size();
    const std::string selectName = "select-all on " + std::to_string(rows) + " artefact rows";
    phase(selectName.c_str(), [&] {
        for (int i = 0; i < 4; ++i) { // deselect, select, deselect, select
            view.shown()->toggleAll();
            runFor(100);
        }
    });

    // Only the first N rows stay selected for the clean.
    scanner.selection().setAllProjectBloats(false);
    std::vector<std::string> ids;
    for (std::size_t i = 0; i < rows && int(ids.size()) < cleanItems; ++i)
        ids.push_back(scanner.results().projectBloats()[i].id);
    for (const auto& id : ids)
        scanner.selection().toggleProjectBloat(id);
    runFor(300);
    const std::string cleanName = "clean of " + std::to_string(ids.size()) + " items";
    phase(cleanName.c_str(), [&] {
        view.triggerPrimaryCleanAction();
        runUntil(scanner.cleaner(), &CleanRunner::isCleaningChanged, [&] { return !scanner.cleaner().isCleaning(); });
    });
    // Same script and face: what swapping the texts alone costs.
    phase("switch to German", [&] { view.setLanguageRaw(QStringLiteral("de")); });
    phase("first switch to Simplified Chinese", [&] { view.setLanguageRaw(QStringLiteral("zh-Hans")); });
    // Once each script's face is loaded, a switch only lays the texts out again.
    phase("switch to Arabic, mirrored", [&] { view.setLanguageRaw(QStringLiteral("ar")); });
    phase("switch back to Simplified Chinese", [&] { view.setLanguageRaw(QStringLiteral("zh-Hans")); });

    if (!media.empty()) {
        const std::string photo = media + "/huge.jpg";
        if (!makeHugePhoto(photo)) {
            std::fprintf(stderr, "window-latency: the photo could not be made in %s\n", media.c_str());
            return 1;
        }
        view.selectWorkspace(Workspace::LargeMedia);
        runFor(300);
        // Inspects the file and waits until its thumbnail has come (or a minute passed).
        auto inspectForThumbnail = [&](const std::string& path, const char* name) {
            ThumbnailService& thumbnails = view.inspector()->thumbnails();
            QEventLoop loop;
            QObject::connect(&thumbnails, &ThumbnailService::thumbnailChanged, &loop, [&](const std::string& which) {
                if (which == path)
                    loop.quit();
            });
            QTimer::singleShot(60000, &loop, &QEventLoop::quit);
            view.setInspectedItem(InspectedItem(largeFileAt(path, name)));
            loop.exec();
            if (thumbnails.thumbnail(path).isNull())
                std::fprintf(stderr, "window-latency: no thumbnail came for %s\n", path.c_str());
        };
        phase("inspect a 100-megapixel photo", [&] { inspectForThumbnail(photo, "huge.jpg"); });
        phase("inspect a 4 GB video (thumbnail)", [&] { inspectForThumbnail(media + "/big.mkv", "big.mkv"); });
        phase("inspect a 4 GB video (player)", [&] {
            view.setInspectedItem(InspectedItem(largeFileAt(media + "/big.mov", "big.mov")));
            runFor(1000); // it loads
        });
        phase("play the 4 GB video for 2 s", [&] {
            if (InlineMediaPlayer* player = view.mediaPlayer())
                player->togglePlayback();
            runFor(2000);
        });
        phase("leave the playing video", [&] { view.selectWorkspace(Workspace::OneClickSafe); });
    }

    Figures overall = figuresOf(std::move(all));
    overall.longestBusy = longestBusy;
    report("all phases", overall);
    return 0;
}
