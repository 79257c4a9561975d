#include "Services/StorageEngine.h"

#include "Platform/AccountHome.h"

#include <cstdlib>

StorageEngine::StorageEngine(QObject* parent) : StorageEngine(Options{}, parent) {}

// The two roots are resolved once, here: walks never follow links, so a home folder that
// is itself a link (or a relative --home) would otherwise be found empty. Below the
// roots nothing is ever resolved.
static Path resolvedRoot(const Path& path)
{
    if (char* real = realpath(path.c_str(), nullptr)) {
        Path resolved(real);
        std::free(real);
        return resolved;
    }
    return path;
}

StorageEngine::StorageEngine(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)),
      homePath_(resolvedRoot(options_.home.empty() ? accountHomeFolder() : options_.home)),
      runner_({homePath_, options_.applications = resolvedRoot(options_.applications), options_.paceCleans}, results_,
              selection_)
{
    pool_.setMaxThreadCount(1);
    connect(&runner_, &CleanRunner::restored, this, &StorageEngine::startInstantScan);
}

StorageEngine::~StorageEngine()
{
    // The scan task holds `this`; let it finish before the members go away. What it
    // posted to this object is discarded with it.
    pool_.waitForDone();
}

void StorageEngine::publish(std::function<void()> fn) { published_.post(std::move(fn)); }

// Scalars notify only on a real change, like any Qt property.
template <typename T, typename Signal> static void assignScalar(StorageEngine* self, T& member, T value, Signal signal)
{
    if (member == value)
        return;
    member = std::move(value);
    Q_EMIT(self->*signal)();
}

void StorageEngine::setIsScanning(bool v) { assignScalar(this, isScanning_, v, &StorageEngine::isScanningChanged); }
void StorageEngine::setScanProgress(double v)
{
    assignScalar(this, scanProgress_, v, &StorageEngine::scanProgressChanged);
}
void StorageEngine::setCurrentScanningPath(Phase phase, std::string v)
{
    scanPhase_ = phase;
    assignScalar(this, currentScanningPath_, std::move(v), &StorageEngine::currentScanningPathChanged);
}
void StorageEngine::setScanStatusText(std::string v)
{
    assignScalar(this, scanStatusText_, std::move(v), &StorageEngine::scanStatusTextChanged);
}

void StorageEngine::revealInFileManager(const Path& url)
{
    if (workspaceService_)
        workspaceService_->revealInFileManager(url);
}

void StorageEngine::openWithDefaultApp(const Path& url)
{
    if (workspaceService_)
        workspaceService_->openWithDefaultApp(url);
}
