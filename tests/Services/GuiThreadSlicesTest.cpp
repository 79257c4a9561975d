#include "Services/GuiThreadSlices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

void runEventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Work posted from a worker runs on the owner's thread, in the order it was posted, and a
// slow piece ends its turn: what was scheduled meanwhile runs before the next piece.
TEST(GuiThreadSlices, RunsInOrderOnTheOwnersThreadAndLetsTheLoopInAfterSlowWork)
{
    QObject owner;
    GuiThreadSlices slices(owner);
    std::vector<int> ran;
    bool offThread = false;
    bool loopRanBetween = false;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        slices.post([&] {
            QElapsedTimer busy;
            busy.start();
            while (busy.elapsed() < 20) {
            }
            QTimer::singleShot(0, &owner, [&] { loopRanBetween = ran.size() == 1; });
            ran.push_back(0);
        });
        for (int i = 1; i < 200; ++i)
            slices.post([&, i] {
                offThread = offThread || QThread::currentThread() != owner.thread();
                ran.push_back(i);
            });
    }));
    worker->start();
    worker->wait();
    runEventsUntil([&] { return ran.size() == 200; });
    ASSERT_EQ(ran.size(), 200u);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(ran[std::size_t(i)], i);
    EXPECT_FALSE(offThread);
    EXPECT_TRUE(loopRanBetween);
}

// Work still queued when its owner goes is dropped, never run against a dead owner.
TEST(GuiThreadSlices, WorkWaitingWhenTheOwnerGoesNeverRuns)
{
    int ran = 0;
    {
        auto owner = std::make_unique<QObject>();
        GuiThreadSlices slices(*owner);
        slices.post([&] { ++ran; });
        owner.reset();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 0);
}

} // namespace
