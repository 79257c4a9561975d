#pragma once
// Opens the faces the window switches to for other languages on a worker thread, once,
// right after start: matching a script's face and its fallbacks and reading the font files
// then happens while nobody waits, not on the GUI thread at the first switch to Chinese,
// Japanese, Korean or Arabic.

#include <thread>

class FontWarmup {
  public:
    FontWarmup();
    ~FontWarmup(); // waits for the worker: nothing of it outlives the window
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

  private:
    std::thread worker_;
};
