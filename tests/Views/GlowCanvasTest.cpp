// The window's canvas is painted once and drawn from its image: what else the window redraws
// (a clean's progress, a count) must not paint its glows again, while a new size or new
// colours must.
#include "GlowCanvas.h"

#include <QPainter>
#include <QQuickWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A small figure drawn over the canvas that keeps changing, as a clean's progress does.
class Figure : public QQuickPaintedItem {
  public:
    using QQuickPaintedItem::QQuickPaintedItem;
    QColor colour = Qt::black;
    void paint(QPainter* painter) override { painter->fillRect(boundingRect(), colour); }
};

class CountingCanvas : public GlowCanvas {
  public:
    using GlowCanvas::GlowCanvas;
    int paints = 0;
    void paint(QPainter* painter) override
    {
        ++paints;
        GlowCanvas::paint(painter);
    }
};

// Waits for the window to draw a frame after whatever was just changed.
bool drawsAFrame(QQuickWindow& window)
{
    int frames = 0;
    const auto connection = QObject::connect(&window, &QQuickWindow::frameSwapped, [&] { ++frames; });
    window.update();
    const bool drawn = QTest::qWaitFor([&] { return frames > 0; }, 5000);
    QObject::disconnect(connection);
    return drawn;
}

} // namespace

TEST(GlowCanvas, PaintsOnceAndAgainOnlyForANewSizeOrNewColours)
{
    QQuickWindow window;
    window.resize(400, 300);
    auto* canvas = new CountingCanvas(window.contentItem());
    canvas->setSize(QSizeF(400, 300));
    const QColor base(20, 24, 32);
    canvas->setBase(base);
    canvas->setTints({QColor(16, 185, 129), QColor(59, 130, 246), QColor(139, 92, 246)});
    canvas->setStrength(0.38);
    auto* figure = new Figure(window.contentItem());
    figure->setSize(QSizeF(40, 40));
    figure->setPosition(QPointF(300, 220));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(drawsAFrame(window));
    ASSERT_EQ(canvas->paints, 1);

    for (int step = 0; step < 5; ++step) {
        figure->colour = step % 2 ? Qt::white : Qt::black;
        figure->update();
        ASSERT_TRUE(drawsAFrame(window));
    }
    EXPECT_EQ(canvas->paints, 1) << "redrawing what lies over the canvas painted its glows again";

    // The top-left glow is centred a little inside the corner; far from every glow the base shows.
    const QImage drawn = window.grabWindow();
    const QColor nearGlow = drawn.pixelColor(int(400 * 0.32 * 0.55), int(400 * 0.32 * 0.45));
    EXPECT_GT(nearGlow.green(), base.green() + 40);
    const QColor farFromGlows = drawn.pixelColor(399, 299);
    EXPECT_EQ(farFromGlows, base);

    canvas->setTints({QColor(200, 0, 0), QColor(59, 130, 246), QColor(139, 92, 246)});
    ASSERT_TRUE(drawsAFrame(window));
    EXPECT_EQ(canvas->paints, 2);
    canvas->setSize(QSizeF(380, 300));
    ASSERT_TRUE(drawsAFrame(window));
    EXPECT_EQ(canvas->paints, 3);
}
