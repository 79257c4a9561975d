// How long the window's event loop stalls while it works: a 4 ms timer records how late
// each of its ticks fires while the real window (offscreen) scans a home, selects and
// deselects all rows of its artefact list, cleans 500 of them and switches language; with
// --media, also while it inspects a 100-megapixel photo and multi-gigabyte videos (DIR holds
// big.mov and big.mkv; the photo is made there).
//
//   window-latency --home DIR [--clean-items N] [--media DIR] [--phase-log FILE]
//
// Prints, per phase, the longest stall, the longest stretch of CPU time the GUI thread spent
// between two ticks, the longest it sat ready to run while other threads had the cores
// (queued), and the 99th percentile of the lateness, in ms.
// Language switches start from English and go once into every other language (German first:
// same script and face), each followed by where its time went: setting the texts (bindings
// and text layout), then the first frame after it, split into polish (layouts) and
// synchronising plus drawing the scene. The GUI thread's own CPU time for setting the texts
// is given too: it varies less with the machine's load than the wall clock.
// --phase-log writes "<start ms> <end ms> <phase>" on the monotonic clock, so probes
// outside the process (window-ping) can tell which phase each of their figures fell in.
// With QUILLMERE_BENCH_TRACE_ABOVE=MS, every tick later than MS is printed with its time on the
// same clock (in s, as perf prints it), so a profile can be cut down to the stalls.
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
#include <QQuickWindow>
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
#include <time.h>
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

// How long the thread that opened `schedstat` (its /proc/thread-self/schedstat) has been
// ready to run without a core, from the kernel's own count. Read again in place: opening a
// file every tick would add waits of its own.
double queuedMs(int schedstat)
{
    char text[128] = {};
    if (schedstat < 0 || ::pread(schedstat, text, sizeof text - 1, 0) <= 0)
        return 0;
    unsigned long long running = 0, waiting = 0;
    return std::sscanf(text, "%llu %llu", &running, &waiting) == 2 ? double(waiting) / 1e6 : 0;
}

double monotonicMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
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
            const double queued = queuedMs(schedstat_);
            if (traceAbove_ > 0 && since - kTickMs > traceAbove_)
                std::fprintf(stderr, "TRACE late %.1f busy %.1f queued %.1f at %.3f\n", since - kTickMs,
                             cpu - cpuAtLastTick_, queued - queuedAtLastTick_, monotonicMs() / 1e3);
            longestBusy_ = std::max(longestBusy_, cpu - cpuAtLastTick_);
            longestQueued_ = std::max(longestQueued_, queued - queuedAtLastTick_);
            cpuAtLastTick_ = cpu;
            queuedAtLastTick_ = queued;
        });
    }
    void start()
    {
        samples_.clear();
        longestBusy_ = longestQueued_ = 0;
        cpuAtLastTick_ = threadCpuMs();
        queuedAtLastTick_ = queuedMs(schedstat_);
        clock_.start();
        timer_.start();
    }
    std::vector<double> stop()
    {
        timer_.stop();
        return std::move(samples_);
    }
    ~LatenessProbe()
    {
        if (schedstat_ >= 0)
            ::close(schedstat_);
    }
    double longestBusy() const { return longestBusy_; }
    double longestQueued() const { return longestQueued_; }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<double> samples_;
    double cpuAtLastTick_ = 0;
    double queuedAtLastTick_ = 0;
    double longestBusy_ = 0;
    double longestQueued_ = 0;
    double traceAbove_ = qEnvironmentVariableIntValue("QUILLMERE_BENCH_TRACE_ABOVE");
    int schedstat_ = ::open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC); // made on the GUI thread
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
    double longestQueued = 0;
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

// Times the parts of one language switch: the call that sets the texts, then the first
// frame: from its update request to the scene's synchronisation (polish), and on to the
// frame being shown.
class SwitchClock : public QObject {
  public:
    explicit SwitchClock(QQuickWindow& window)
    {
        window.installEventFilter(this);
        QObject::connect(
            &window, &QQuickWindow::beforeSynchronizing, this, [this] { mark(synced_); }, Qt::DirectConnection);
        QObject::connect(
            &window, &QQuickWindow::frameSwapped, this, [this] { mark(shown_); }, Qt::DirectConnection);
    }
    void time(const std::function<void()>& work)
    {
        updateAt_ = synced_ = shown_ = -1;
        watching_ = true;
        clock_.start();
        const double cpuFrom = threadCpuMs();
        work();
        setMs_ = ms();
        setCpuMs_ = threadCpuMs() - cpuFrom;
    }
    void print()
    {
        watching_ = false;
        if (shown_ < 0 || updateAt_ < 0 || synced_ < 0)
            std::printf("    texts set %6.1f ms (CPU %6.1f ms)   no frame came\n", setMs_, setCpuMs_);
        else
            std::printf(
                "    texts set %6.1f ms (CPU %6.1f ms)   then a frame: polish %6.1f ms, sync and draw %6.1f ms\n",
                setMs_, setCpuMs_, synced_ - updateAt_, shown_ - synced_);
        std::fflush(stdout);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest && watching_ && updateAt_ < 0)
            updateAt_ = ms();
        return false;
    }

  private:
    double ms() const { return double(clock_.nsecsElapsed()) / 1e6; }
    void mark(double& at)
    {
        if (watching_ && updateAt_ >= 0 && at < 0)
            at = ms();
    }
    QElapsedTimer clock_;
    bool watching_ = false;
    double setMs_ = 0, setCpuMs_ = 0, updateAt_ = -1, synced_ = -1, shown_ = -1;
};

void report(const char* phase, const Figures& f)
{
    std::printf("%-34s longest stall %7.1f ms   busy %6.1f ms   queued %6.1f ms   p99 %6.1f ms   (%zu ticks)\n", phase,
                f.longest, f.longestBusy, f.longestQueued, f.p99, f.ticks);
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
    QQuickWindow* window = MainWindowLoader::load(engine, view);
    if (!window) {
        std::fprintf(stderr, "window-latency: the window could not be loaded\n");
        return 1;
    }
    runFor(500); // first frames, fonts
    logPhase(started, "start until the window is up");
    StorageEngine& scanner = view.scanner();
    LatenessProbe probe;
    std::vector<double> all;
    double longestBusy = 0, longestQueued = 0;
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
        figures.longestQueued = probe.longestQueued();
        longestBusy = std::max(longestBusy, figures.longestBusy);
        longestQueued = std::max(longestQueued, figures.longestQueued);
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
    // Same script and face first: what swapping the texts alone costs. Then the first switch
    // into each other script and language, and one back into a script seen before.
    // The window readies other languages' faces in idle slices after start; a person who
    // switches that early meets what is not ready yet. How long it took and its longest slice:
    {
        const FontWarmup& warmup = view.fontWarmup();
        const double from = monotonicMs();
        while (!warmup.finished() && monotonicMs() - started < 60000)
            runFor(50);
        std::printf("faces of every language readied %.1f s after start (waited %.1f s): %d pieces of work in "
                    "%d slices, longest slice %.1f ms\n",
                    (monotonicMs() - started) / 1000, (monotonicMs() - from) / 1000, warmup.piecesDone(),
                    warmup.slices(), warmup.longestSliceMs());
    }
    SwitchClock switchClock(*window);
    const auto switchTo = [&](const char* name, const char* code) {
        phase(name, [&] { switchClock.time([&] { view.setLanguageRaw(QString::fromLatin1(code)); }); });
        switchClock.print();
    };
    switchTo("switch to German", "de");
    switchTo("first switch to Simplified Chinese", "zh-Hans");
    switchTo("first switch to Japanese", "ja");
    switchTo("first switch to Traditional Chinese", "zh-Hant");
    switchTo("first switch to Korean", "ko");
    switchTo("first switch to Arabic, mirrored", "ar");
    switchTo("first switch to Russian", "ru");
    switchTo("first switch to French", "fr");
    switchTo("first switch to Spanish", "es");
    switchTo("first switch to Portuguese", "pt");
    switchTo("first switch to Italian", "it");
    switchTo("switch back to Simplified Chinese", "zh-Hans");

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
    overall.longestQueued = longestQueued;
    report("all phases", overall);
    return 0;
}
