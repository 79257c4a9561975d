#include "Services/GuiThreadSlices.h"

#include <QElapsedTimer>
#include <QMetaObject>

namespace {

// Work that is quick is batched up to this long; work that is not runs alone in its turn.
constexpr qint64 kTurnBudgetMs = 4;

} // namespace

GuiThreadSlices::GuiThreadSlices(QObject& owner) : owner_(owner)
{
    nextTurn_.setSingleShot(true);
    nextTurn_.setInterval(0);
    QObject::connect(&nextTurn_, &QTimer::timeout, &owner_, [this] { runATurn(); });
}

void GuiThreadSlices::post(std::function<void()> work)
{
    // Queued to the owner, so nothing reaches this queue once the owner is gone.
    QMetaObject::invokeMethod(
        &owner_,
        [this, work = std::move(work)]() mutable {
            waiting_.push_back(std::move(work));
            if (!nextTurn_.isActive())
                nextTurn_.start();
        },
        Qt::QueuedConnection);
}

void GuiThreadSlices::runATurn()
{
    QElapsedTimer turn;
    turn.start();
    do {
        std::function<void()> work = std::move(waiting_.front());
        waiting_.pop_front();
        work(); // may post more, or spin an event loop; the queue stays consistent either way
    } while (!waiting_.empty() && turn.elapsed() < kTurnBudgetMs);
    if (!waiting_.empty() && !nextTurn_.isActive())
        nextTurn_.start();
}
