#pragma once
// Loads the window's QML module (URI Quillmere) showing one window state. The program, the
// window tests and the latency benchmark all open the window this way.

class WindowState;
class QQmlApplicationEngine;
class QQuickWindow;

namespace MainWindowLoader {
// The main window of `engine`, showing `view`; null when the QML could not be loaded.
QQuickWindow* load(QQmlApplicationEngine& engine, WindowState& view);
} // namespace MainWindowLoader
