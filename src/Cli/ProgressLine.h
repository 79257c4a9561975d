#pragma once
// The one line of progress quillmere-cli keeps on standard error while it scans or cleans:
// rewritten in place with \r and cleared at the end, so it never mixes with the report on
// standard output. Written only when standard error is a terminal and --quiet was not given.

#include <QObject>

#include <chrono>
#include <string>
#include <string_view>

class StorageEngine;

namespace cli {

// Set from --quiet before any work starts.
void setProgressQuiet(bool quiet);

// The longest prefix of `text` (UTF-8) that fits in `columns` terminal cells; East Asian wide
// characters take two cells. Never splits a character.
std::string fitToColumns(std::string_view text, int columns);

class ProgressLine {
  public:
    enum class Activity { scan, clean };

    // Follows what the engine publishes about `activity` until destroyed.
    ProgressLine(const StorageEngine& scanner, Activity activity);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

  private:
    std::string scanText() const;
    std::string cleanText() const;
    void scheduleRedraw();
    void redraw();

    const StorageEngine& scanner_;
    Activity activity_;
    QObject context_;       // the connections end with this line
    std::string scanPhase_; // the message id of the phase running
    bool redrawPending_ = false;
    bool shown_ = false;
    std::chrono::steady_clock::time_point lastDrawn_;
};

} // namespace cli
