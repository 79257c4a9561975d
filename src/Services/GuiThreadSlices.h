#pragma once
// Work handed from a worker to the GUI thread, run there in turns of a few milliseconds: a
// burst of results (every list of a scan arriving at once) then never holds the window for
// more than about a frame. What is left waits for the next turn of the event loop, after
// input and painting had theirs. Work runs in the order it was handed over.

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

class GuiThreadSlices {
  public:
    // Lives on the GUI thread with `owner`; work still waiting is dropped with it.
    explicit GuiThreadSlices(QObject& owner);

    // From any thread.
    void post(std::function<void()> work);

  private:
    void runATurn();

    QObject& owner_;
    QTimer nextTurn_;
    std::deque<std::function<void()>> waiting_;
};
