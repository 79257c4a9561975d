// Frame pacing: which renderers count as software rasterisers, the gate that holds update
// requests while a frame is drawn (an update it drops would freeze the window), and the calm
// window, which must still show a scan's progress and its figures.
#include "FramePacing.h"
#include "Views/WindowTestSupport.h"

#include <QEvent>
#include <QQuickItem>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Counts the update requests that reach a window past its gate.
class UpdateCounter : public QObject {
  public:
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++count;
        return false;
    }
};

} // namespace

TEST(FramePacing, OnlyRasterisersThatRunOnTheCpuCountAsSoftware)
{
    for (const char* software :
         {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Software Rasterizer", "SWRAST", "GDI Generic"})
        EXPECT_TRUE(FramePacing::isSoftwareRasteriser(software)) << software;
    for (const char* hardware : {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "NVIDIA GeForce GTX 1060/PCIe/SSE2",
                                 "AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)", "virgl", ""})
        EXPECT_FALSE(FramePacing::isSoftwareRasteriser(hardware)) << hardware;
}

TEST(FramePacing, TheGateHoldsUpdatesWhileAFrameIsDrawnAndNeverDropsOne)
{
    QWindow window;
    window.resize(64, 64);
    window.show();
    UpdateCounter counter;
    window.installEventFilter(&counter);
    auto* gate = new FrameGate(window); // filters first: installed last
    const auto requested = [&](int expected) {
        window.requestUpdate();
        return QTest::qWaitFor([&] { return counter.count >= expected; });
    };

    // No frame in flight: updates pass.
    ASSERT_TRUE(requested(1));

    // A frame in flight: the request waits for its end, then comes once.
    gate->frameStarted();
    window.requestUpdate();
    QTest::qWait(50);
    EXPECT_EQ(counter.count, 1);
    gate->frameFinished();
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.count == 2; }));
    QTest::qWait(50);
    EXPECT_EQ(counter.count, 2);

    // A frame that never reports its end (a grab) lets the update through after a while.
    gate->frameStarted();
    EXPECT_TRUE(requested(3));
    // And the gate is open again.
    EXPECT_TRUE(requested(4));
}

TEST(FramePacing, ACalmWindowStillShowsTheScanAndItsFiguresWithoutEasing)
{
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open();
    FramePacing* pacing = FramePacing::of(*w.engine);
    ASSERT_TRUE(pacing);
    // The software scene graph keeps every animation and draws the content from the first frame.
    EXPECT_FALSE(pacing->calm());
    EXPECT_TRUE(pacing->contentShown());
    QObject* ring = w.shown("overviewRing");
    ASSERT_TRUE(ring);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ring->property("shownUsed") == ring->property("usedRatio"); }));
    pacing->setCalm(true);

    w.view->rescan();
    ASSERT_TRUE(w.scanner().isScanning());
    EXPECT_TRUE(w.isShown("scanningArc"));
    EXPECT_EQ(w.textOf("ringScanningWord"), "SCANNING");
    // The arc stands at the progress at once, and the counting dots hold still but show.
    EXPECT_EQ(ring->property("shownScan").toDouble(), ring->property("scanProgress").toDouble());
    std::vector<QQuickItem*> dots;
    const std::function<void(QQuickItem*)> collect = [&](QQuickItem* item) {
        if (item->objectName() == "podCountingDot")
            dots.push_back(item);
        for (QQuickItem* child : item->childItems())
            collect(child);
    };
    collect(w.window->contentItem());
    ASSERT_EQ(dots.size(), 4u);
    for (QQuickItem* dot : dots) {
        EXPECT_TRUE(dot->isVisible());
        EXPECT_EQ(dot->opacity(), 1);
    }

    ASSERT_TRUE(waitForScan(w.scanner()));
    w.settle();
    EXPECT_FALSE(w.isShown("scanningArc"));
    EXPECT_GT(ring->property("usedRatio").toDouble(), 0);
    EXPECT_EQ(ring->property("shownUsed"), ring->property("usedRatio"));
    // A new selection moves the arc in the same frame.
    const QVariant before = ring->property("reclaimableRatio");
    w.press(QAccessible::Button, "Deselect All");
    EXPECT_NE(ring->property("reclaimableRatio"), before);
    EXPECT_EQ(ring->property("shownReclaimable"), ring->property("reclaimableRatio"));
}
