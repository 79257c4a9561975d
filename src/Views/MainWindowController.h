#pragma once
// Builds the window: parses the program's options, sets up folder access, creates the
// window state and loads the QML.

#include <QApplication>

namespace MainWindowController {
// --home DIR, --applications DIR, --quit-after-scan, --ui-self-test, --screenshot-dir DIR;
// returns the exit status.
int run(QApplication& app, int argc, char** argv);
} // namespace MainWindowController
