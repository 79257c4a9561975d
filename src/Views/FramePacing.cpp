#include "FramePacing.h"

#include <QCoreApplication>
#include <QEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPointer>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThread>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

namespace {
constexpr const char* kExposedPacingProperty = "quillmerePacing";
constexpr int kGateReleaseMs = 2000;
} // namespace

FrameGate::FrameGate(QWindow& window) : QObject(&window), window_(window)
{
    release_.setSingleShot(true);
    release_.setInterval(kGateReleaseMs);
    connect(&release_, &QTimer::timeout, this, [this] {
        inFlight_ = false;
        held_ = false;
        window_.requestUpdate();
    });
    window_.installEventFilter(this);
}

void FrameGate::frameStarted() { inFlight_ = true; }

void FrameGate::frameFinished()
{
    inFlight_ = false;
    if (held_.exchange(false))
        QMetaObject::invokeMethod(
            this, [this] { window_.requestUpdate(); }, Qt::QueuedConnection);
}

bool FrameGate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_ || event->type() != QEvent::UpdateRequest)
        return false;
    // Marked held before looking, so a frame ending in between still asks again.
    held_ = true;
    if (!inFlight_) {
        held_ = false;
        release_.stop();
        return false;
    }
    if (!release_.isActive())
        release_.start();
    return true;
}

FramePacing::FramePacing(QObject* parent) : QObject(parent) {}

FramePacing* FramePacing::create(QQmlEngine* engine, QJSEngine*)
{
    FramePacing* pacing = of(*engine);
    if (!pacing) // a window loaded without MainWindowLoader animates fully
        pacing = new FramePacing(engine);
    QJSEngine::setObjectOwnership(pacing, QJSEngine::CppOwnership);
    return pacing;
}

void FramePacing::exposeTo(QQmlEngine& engine)
{
    engine.setProperty(kExposedPacingProperty, QVariant::fromValue(static_cast<QObject*>(this)));
}

FramePacing* FramePacing::of(const QQmlEngine& engine)
{
    return qobject_cast<FramePacing*>(engine.property(kExposedPacingProperty).value<QObject*>());
}

void FramePacing::setCalm(bool calm)
{
    if (calm_ == calm)
        return;
    calm_ = calm;
    Q_EMIT calmChanged();
}

bool FramePacing::isSoftwareRasteriser(std::string_view renderer)
{
    std::string lower(renderer);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "software rasterizer", "gdi generic"})
        if (lower.find(name) != std::string::npos)
            return true;
    return false;
}

void FramePacing::watch(QQuickWindow& window)
{
    QPointer<FramePacing> self(this);
    QPointer<QQuickWindow> watched(&window);
    if (QQuickWindow::graphicsApi() == QSGRendererInterface::OpenGL && !window.isSceneGraphInitialized()) {
        contentShown_ = false;
        Q_EMIT contentShownChanged();
        auto firstFrame = std::make_shared<QMetaObject::Connection>();
        *firstFrame = connect(
            watched, &QQuickWindow::frameSwapped, this,
            [this, firstFrame] {
                disconnect(*firstFrame);
                contentShown_ = true;
                Q_EMIT contentShownChanged();
            },
            Qt::QueuedConnection);
    }
    // Emitted on the thread that renders, with its context current.
    connect(
        watched, &QQuickWindow::sceneGraphInitialized, this,
        [self, watched] {
            QSGRendererInterface* renderer = watched ? watched->rendererInterface() : nullptr;
            if (!renderer || renderer->graphicsApi() != QSGRendererInterface::OpenGL)
                return; // the software scene graph redraws only what changed
            QOpenGLContext* context = QOpenGLContext::currentContext();
            const auto* name =
                context ? reinterpret_cast<const char*>(context->functions()->glGetString(GL_RENDERER)) : nullptr;
            const bool software = name && isSoftwareRasteriser(name);
            const bool threaded = QThread::currentThread() != watched->thread();
            if (!software && threaded)
                return;
            // Without a render thread every frame is drawn on the GUI thread: animate less too.
            const bool gate = software && threaded;
            QMetaObject::invokeMethod(
                qApp,
                [self, watched, gate] {
                    if (!self || !watched)
                        return;
                    self->setCalm(true);
                    if (gate && !self->gate_) {
                        auto* frameGate = new FrameGate(*watched);
                        self->gate_ = frameGate;
                        connect(
                            watched, &QQuickWindow::beforeRendering, frameGate,
                            [frameGate] { frameGate->frameStarted(); }, Qt::DirectConnection);
                        connect(
                            watched, &QQuickWindow::frameSwapped, frameGate,
                            [frameGate] { frameGate->frameFinished(); }, Qt::DirectConnection);
                    }
                },
                Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}
