#include "MainWindowController.h"

#include "DesktopIntegration.h"
#include "L10n/MessageRenderer.h"
#include "L10n/SystemLanguage.h"
#include "MainWindowLoader.h"
#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "PortalFolderPicker.h"
#include "QtFolderPicker.h"
#include "UiSelfTest.h"
#include "WindowState.h"

#include <QDir>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>

#include <cstring>
#include <filesystem>
#include <iostream>

namespace MainWindowController {

namespace {

struct ProgramOptions {
    StorageEngine::Options scanner;
    bool quitAfterScan = false;
    bool uiSelfTest = false;
    QString screenshotDir;
};

// Grants are compared by path, so a relative folder is made absolute first.
std::string absolute(const char* path) { return paths::standardized(std::filesystem::absolute(path).string()); }

ProgramOptions parse(int argc, char** argv)
{
    ProgramOptions options;
    // Paths come from argv as bytes and stay bytes.
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--home") == 0 && i + 1 < argc)
            options.scanner.home = absolute(argv[++i]);
        else if (std::strcmp(arg, "--applications") == 0 && i + 1 < argc)
            options.scanner.applications = absolute(argv[++i]);
        else if (std::strcmp(arg, "--quit-after-scan") == 0)
            options.quitAfterScan = true;
        else if (std::strcmp(arg, "--ui-self-test") == 0)
            options.uiSelfTest = true;
        else if (std::strcmp(arg, "--screenshot-dir") == 0 && i + 1 < argc)
            options.screenshotDir = QFile::decodeName(argv[++i]);
    }
    return options;
}

} // namespace

int run(QApplication& app, int argc, char** argv)
{
    const ProgramOptions options = parse(argc, argv);

    // Owned here, after the application object and before the window state that uses it,
    // so it never outlives either.
    FolderAccess access({.settings = nullptr,
                         .picker = PortalFolderPicker::onSessionBus(std::make_shared<QtFolderPicker>()),
                         .realHome = options.scanner.home,
                         .applications = options.scanner.applications,
                         .asksForGrants = std::nullopt,
                         .confinementProbe = {}});
    // The window's first run follows the system's language (a bare C locale names none).
    WindowState view(options.scanner, access, nullptr, systemLanguage(CLocale::namesNone));
    DesktopCleanFeedback feedback;
    DesktopWorkspaceService workspace;
    view.scanner().cleaner().setCleanFeedback(&feedback);
    view.scanner().setWorkspaceService(&workspace);

    QQmlApplicationEngine engine;
    QQuickWindow* window = MainWindowLoader::load(engine, view);
    if (!window) {
        std::cerr << "quillmere: the window could not be loaded\n";
        return 1;
    }

    StorageEngine& scanner = view.scanner();
    if (options.quitAfterScan) {
        QObject::connect(&scanner, &StorageEngine::isScanningChanged, &app, [&] {
            // The final texts are published right after isScanning turns false.
            if (!scanner.isScanning())
                QTimer::singleShot(0, &app, [&] {
                    // The engine's own line, in the window's language where it is the summary.
                    TextRef line;
                    if (scanner.scanPhase() == StorageEngine::Phase::done)
                        line = {"scan.done.summary",
                                {DiskFormat::bytes(scanner.results().grandTotalDiscoverableBytes())}};
                    std::cout << renderMessageOr(line, scanner.currentScanningPath(), view.currentLanguage())
                              << std::endl;
                    QApplication::quit();
                });
        });
    }

    view.onAppear();
    if (options.uiSelfTest) {
        QTimer::singleShot(0, &app, [&] {
            int shot = 0;
            UiSelfTest selfTest(view, [&](const QString& name) {
                if (options.screenshotDir.isEmpty())
                    return;
                QDir().mkpath(options.screenshotDir);
                const QString file = QStringLiteral("%1/%2-%3.png")
                                         .arg(options.screenshotDir)
                                         .arg(++shot, 2, 10, QLatin1Char('0'))
                                         .arg(name);
                window->grabWindow().save(file);
            });
            selfTest.run();
            QApplication::exit(0);
        });
    }
    return app.exec();
}

} // namespace MainWindowController
