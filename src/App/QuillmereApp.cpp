// The window program.
#include "MainWindowController.h"
#include "Platform/Media/MediaThreads.h"
#include "QuillmereVersion.h"

#include <QApplication>
#include <QIcon>

#include <cstring>
#include <iostream>

namespace {

constexpr const char* kUsage = "usage: quillmere [--home DIR] [--applications DIR]\n"
                               "       quillmere --version\n"
                               "Frees disk space in your home folder (or DIR). See quillmere(1).\n";

bool takesValue(const char* option)
{
    for (const char* name : {"--home", "--applications", "--screenshot-dir"})
        if (std::strcmp(option, name) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // A folder option given empty (--home "$UNSET") or without its value is a mistake,
    // never "the default": that would be the account's real home.
    for (int i = 1; i < argc; ++i) {
        if (!takesValue(argv[i]))
            continue;
        if (i + 1 >= argc || argv[i + 1][0] == '\0') {
            std::cerr << "quillmere: " << argv[i] << " needs a folder\n" << kUsage;
            return 2;
        }
        ++i;
    }
    // Answered before the application object exists: they need no display.
    for (int i = 1; i < argc; ++i) {
        if (takesValue(argv[i])) {
            ++i;
            continue;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "quillmere " << kQuillmereVersion << "\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quillmere");
    QApplication::setApplicationName("Quillmere");
    QApplication::setApplicationVersion(QString::fromUtf8(kQuillmereVersion.data(), kQuillmereVersion.size()));
    // Ties the window to its menu entry and icon (Wayland app id, X11 startup notification).
    const QString appId = QStringLiteral("io.github.quillmere.Quillmere");
    QGuiApplication::setDesktopFileName(appId);
    QApplication::setWindowIcon(QIcon::fromTheme(appId));
    const int status = MainWindowController::run(app, argc, argv);
    // The window and its players are gone; the media framework's threads go before the process.
    mediathreads::endPooled();
    return status;
}
