#pragma once
// The engine: runs the instant scan and owns what it works with. The scan's findings are
// its results, what the person ticked is the selection, cleans and restores run in the
// runner, and the clean commands (shared by the window and the command line) tie the
// three together. It lives on the GUI thread; the scan runs in one background task that
// hands finished values back by queued calls. The scanners are free functions with
// headers of their own.

#include "Models/StorageModels.h"
#include "Platform/DesktopSeams.h"
#include "Services/CleanCommands.h"
#include "Services/CleanRunner.h"
#include "Services/GuiThreadSlices.h"
#include "Services/LinuxAppScan.h"
#include "Services/ScanResults.h"
#include "Services/SelectionState.h"

#include <QObject>
#include <QThreadPool>

#include <functional>
#include <optional>
#include <string>

class StorageEngine : public QObject {
    Q_OBJECT

  public:
    // Where the engine looks. Defaults are the account's home folder and no macOS-layout
    // Applications folder; tests, the CLI, --home and --applications point them elsewhere.
    struct Options {
        Path home;              // empty = the account's home folder
        Path applications;      // empty: no macOS-layout bundles are looked for
        bool paceCleans = true; // pause between cleaned items so progress can be followed
        // Machine-wide Flatpak and Snap places; unset: LinuxAppRoots::forHome.
        std::optional<LinuxAppRoots> linuxApps = std::nullopt;
    };

    explicit StorageEngine(QObject* parent = nullptr);
    explicit StorageEngine(Options options, QObject* parent = nullptr);
    ~StorageEngine() override;

    const ScanResults& results() const { return results_; }
    const SelectionState& selection() const { return selection_; }
    SelectionState& selection() { return selection_; }
    const CleanRunner& cleaner() const { return runner_; }
    CleanRunner& cleaner() { return runner_; }
    const CleanCommands& commands() const { return commands_; }
    CleanCommands& commands() { return commands_; }

    const Path& homePath() const { return homePath_; }
    const Path& applicationsPath() const { return options_.applications; }

    // ------------------------------------------------------------ scan (ScanOrchestration.cpp)
    bool isScanning() const { return isScanning_; }
    double scanProgress() const { return scanProgress_; }
    const std::string& currentScanningPath() const { return currentScanningPath_; }
    // Which step the scan is at, as the line above says it (in the engine's own words); the
    // window says it in the person's language. Changes with currentScanningPath.
    enum class Phase { ready, caches, systemData, projects, duplicates, done };
    Phase scanPhase() const { return scanPhase_; }
    const std::string& scanStatusText() const { return scanStatusText_; }
    void startInstantScan();
    void clearAllResults();
    // A grant of part of the home (`insideHome`, relative to it) limits what later scans
    // offer to what lies beneath that folder; none offers the whole home.
    void limitOffersTo(std::optional<std::string> insideHome);
    const std::optional<Path>& offeredFolder() const { return offeredFolder_; }

    void revealInFileManager(const Path& url);
    void openWithDefaultApp(const Path& url);
    // The window's file manager and default apps; not owned, may be null (then silent).
    void setWorkspaceService(WorkspaceService* service) { workspaceService_ = service; }

  Q_SIGNALS:
    void isScanningChanged();
    void scanProgressChanged();
    void currentScanningPathChanged();
    void scanStatusTextChanged();

  private:
    friend struct StorageEngineTestAccess;

    void setIsScanning(bool value);
    void setScanProgress(double value);
    void setCurrentScanningPath(Phase phase, std::string value);
    void setScanStatusText(std::string value);

    // Runs fn on the GUI thread (queued, in slices); dropped when the engine is gone.
    void publish(std::function<void()> fn);

    Options options_;
    Path homePath_;
    std::optional<Path> offeredFolder_;
    ScanResults results_;
    SelectionState selection_{results_};
    CleanRunner runner_;
    CleanCommands commands_{results_, selection_, runner_};

    bool isScanning_ = false;
    double scanProgress_ = 0;
    std::string currentScanningPath_ = "准备就绪";
    Phase scanPhase_ = Phase::ready;
    std::string scanStatusText_ = "正在自动核验全盘缓存与重复文件...";
    WorkspaceService* workspaceService_ = nullptr;

    GuiThreadSlices published_{*this};
    QThreadPool pool_; // one scan at a time; waited for before the members go
};
