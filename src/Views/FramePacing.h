#pragma once
// How much the window animates, decided by what draws it. A software rasteriser behind OpenGL
// (Mesa's llvmpipe in a virtual machine or a remote session) takes tens of milliseconds per
// frame, and Qt's threaded render loop makes the GUI thread wait for the previous frame
// before it hands over the next: every animation frame would stall input. There the window
// animates less (`calm`), and a gate holds update requests until the render thread is free.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <atomic>
#include <string_view>

class QJSEngine;
class QQmlEngine;
class QQuickWindow;
class QWindow;

// Holds a window's update requests while its render thread still draws the previous frame,
// and asks again once that frame is out; the GUI thread never blocks on a frame in flight.
class FrameGate : public QObject {
  public:
    explicit FrameGate(QWindow& window);
    // Both may be called on the render thread.
    void frameStarted();
    void frameFinished();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWindow& window_;
    std::atomic<bool> inFlight_{false};
    std::atomic<bool> held_{false};
    // A frame that never reports its end (a grab, a lost device) does not hold updates forever;
    // long enough for the first frame's shader compilation on a busy machine.
    QTimer release_;
};

class FramePacing : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool calm READ calm NOTIFY calmChanged)
    // False until OpenGL has drawn the first frame. The GUI thread waits for that frame whole,
    // shader compilation included, so it shows only the window's colour; the content follows
    // in a frame drawn while the GUI thread goes on.
    Q_PROPERTY(bool contentShown READ contentShown NOTIFY contentShownChanged)

  public:
    explicit FramePacing(QObject* parent);
    static FramePacing* create(QQmlEngine* engine, QJSEngine* scriptEngine);
    // The engine's instance, made available to its QML before the window loads.
    void exposeTo(QQmlEngine& engine);
    static FramePacing* of(const QQmlEngine& engine);
    // Decides once the window's scene graph is up: on the render thread, from its context.
    void watch(QQuickWindow& window);

    bool calm() const { return calm_; }
    void setCalm(bool calm);
    bool contentShown() const { return contentShown_; }

    // GL_RENDERER strings of rasterisers that run on the CPU.
    static bool isSoftwareRasteriser(std::string_view renderer);

  Q_SIGNALS:
    void calmChanged();
    void contentShownChanged();

  private:
    bool calm_ = false;
    bool contentShown_ = true;
    QPointer<FrameGate> gate_;
};
