// How long the window's event loop stalls while it works: a 4 ms timer records how late
// each of its ticks fires while the real window (offscreen) scans a home, selects and
// deselects all rows of its artefact list, cleans 500 of them and switches language.
//
//   window-latency --home DIR [--clean-items N]
//
// Prints, per phase, the longest stall and the 99th percentile of the lateness, in ms.
// The home is cleaned into its own Trash: point it only at a fixture made for this.

#include "MacMainView.h"
#include "MainWindowLoader.h"
#include "Services/SandboxAccessManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlApplicationEngine>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kTickMs = 4;

// Records how late every tick of a 4 ms timer fires.
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
        });
    }
    void start()
    {
        samples_.clear();
        clock_.start();
        timer_.start();
    }
    std::vector<double> stop()
    {
        timer_.stop();
        return std::move(samples_);
    }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<double> samples_;
};

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds (checked whenever `signal` fires).
template <typename Signal> void runUntil(MacStorageScanner& scanner, Signal signal, const std::function<bool()>& done)
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

void report(const char* phase, const Figures& f)
{
    std::printf("%-34s longest stall %7.1f ms   p99 %6.1f ms   (%zu ticks)\n", phase, f.longest, f.p99, f.ticks);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::string home;
    int cleanItems = 500;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--home") == 0)
            home = argv[i + 1];
        else if (std::strcmp(argv[i], "--clean-items") == 0)
            cleanItems = std::atoi(argv[i + 1]);
    }
    if (home.empty()) {
        std::fprintf(stderr, "usage: window-latency --home DIR [--clean-items N]\n");
        return 2;
    }

    SandboxAccessManager access(
        {.settings = std::make_shared<QSettings>(QString::fromStdString(home + ".ini"), QSettings::IniFormat),
         .picker = nullptr,
         .realHome = home,
         .applications = home + "/Applications",
         .sandboxed = false});
    MacMainView view({.home = home, .applications = home + "/Applications", .pacePurges = true}, access);
    view.setLanguageRaw(QStringLiteral("en"));
    QQmlApplicationEngine engine;
    if (!MainWindowLoader::load(engine, view)) {
        std::fprintf(stderr, "window-latency: the window could not be loaded\n");
        return 1;
    }
    runFor(500); // first frames, fonts
    MacStorageScanner& scanner = view.scanner();
    LatenessProbe probe;
    std::vector<double> all;
    auto phase = [&](const char* name, const std::function<void()>& work) {
        probe.start();
        work();
        runFor(300); // what the work posted lands and is drawn
        std::vector<double> samples = probe.stop();
        all.insert(all.end(), samples.begin(), samples.end());
        report(name, figuresOf(std::move(samples)));
    };

    phase("scan of the home", [&] {
        view.onAppear();
        runUntil(scanner, &MacStorageScanner::isScanningChanged, [&] { return !scanner.isScanning(); });
    });
    view.selectWorkspace(CleanTrustWorkspace::devAndDuplicates);
    view.chooseDevSubTab(0);
    runFor(300);
    const std::size_t rows = scanner.projectBloats().size();
    const std::string selectName = "select-all on " + std::to_string(rows) + " artefact rows";
    phase(selectName.c_str(), [&] {
        for (int i = 0; i < 4; ++i) { // deselect, select, deselect, select
            view.toggleSelectAll();
            runFor(100);
        }
    });

    // Only the first N rows stay selected for the clean.
    scanner.setAllProjectBloats(false);
    std::vector<std::string> ids;
    for (std::size_t i = 0; i < rows && int(ids.size()) < cleanItems; ++i)
        ids.push_back(scanner.projectBloats()[i].id);
    for (const auto& id : ids)
        scanner.toggleProjectBloat(id);
    runFor(300);
    const std::string cleanName = "clean of " + std::to_string(ids.size()) + " items";
    phase(cleanName.c_str(), [&] {
        view.triggerPrimaryCleanAction();
        runUntil(scanner, &MacStorageScanner::isPurgingAnimationChanged, [&] { return !scanner.isPurgingAnimation(); });
    });
    phase("first switch to Simplified Chinese", [&] { view.setLanguageRaw(QStringLiteral("zh-Hans")); });

    report("all phases", figuresOf(std::move(all)));
    return 0;
}
