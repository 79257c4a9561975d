#include "MainWindowController.h"

#include "Models/DiskFormat.h"
#include "Services/MacStorageScanner.h"
#include "ScannerBridge.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QTimer>

#include <cstring>
#include <iostream>

namespace MainWindowController {

int run(QApplication& app, int argc, char** argv)
{
    MacStorageScanner::Options options;
    bool quitAfterScan = false;
    // Paths come from argv as bytes and stay bytes.
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--home") == 0 && i + 1 < argc)
            options.home = argv[++i];
        else if (std::strcmp(arg, "--applications") == 0 && i + 1 < argc)
            options.applications = argv[++i];
        else if (std::strcmp(arg, "--quit-after-scan") == 0)
            quitAfterScan = true;
    }

    MacStorageScanner scanner(options);
    ScannerBridge bridge(&scanner);
    QQmlApplicationEngine engine;
    engine.rootContext()->setContextProperty("scanner", &bridge);
    engine.load(QUrl(QStringLiteral("qrc:/qml/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        std::cerr << "quillmere: the window could not be loaded\n";
        return 1;
    }
    if (quitAfterScan) {
        QObject::connect(&scanner, &MacStorageScanner::isScanningChanged, &app, [&] {
            // The final texts are published right after isScanning turns false.
            if (!scanner.isScanning())
                QTimer::singleShot(0, &app, [&] {
                    std::cout << scanner.currentScanningPath() << std::endl;
                    QApplication::quit();
                });
        });
    }
    scanner.startInstantScan();
    return app.exec();
}

} // namespace MainWindowController
