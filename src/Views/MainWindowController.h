#pragma once
// Builds the window: parses the program's options, creates the engine and loads the QML.

#include <QApplication>

namespace MainWindowController {
// --home DIR, --applications DIR, --quit-after-scan; returns the exit status.
int run(QApplication& app, int argc, char** argv);
} // namespace MainWindowController
