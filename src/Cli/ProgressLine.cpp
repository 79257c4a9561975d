#include "Cli/ProgressLine.h"

#include "Cli/CliLanguage.h"
#include "Cli/CliText.h"
#include "Cli/RecordJson.h"
#include "L10n/MessageRenderer.h"
#include "Models/DiskFormat.h"
#include "Services/StorageEngine.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace cli {

namespace {

bool quietProgress = false;

// A terminal redraws slower than a fast clean publishes; a few lines a second are enough.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

int terminalColumns()
{
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

std::string percent(double fraction)
{
    return std::to_string(static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * 100))) + "%";
}

std::size_t scannedEntries(const StorageEngine& scanner)
{
    std::size_t count = scanner.results().projectBloats().size() + scanner.results().largeFiles().size() +
                        scanner.results().installedApps().size();
    for (const auto& card : scanner.results().ruleCards())
        count += card.subItems.size();
    for (const auto& group : scanner.results().duplicateGroups())
        count += group.members.size();
    return count;
}

} // namespace

void setProgressQuiet(bool quiet) { quietProgress = quiet; }

std::string fitToColumns(std::string_view text, int columns)
{
    int used = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const Utf8Char c = decodeUtf8(text, i);
        if (c.length == 0)
            break; // the line is built from displayable texts: this does not happen
        const int width = isWide(c.codePoint) ? 2 : 1;
        if (used + width > columns)
            break;
        used += width;
        i += c.length;
    }
    return std::string(text.substr(0, i));
}

ProgressLine::ProgressLine(const StorageEngine& scanner, Activity activity) : scanner_(scanner), activity_(activity)
{
    if (quietProgress || !isatty(STDERR_FILENO))
        return;
    const auto redrawOn = [this](const auto* sender, auto signal) {
        QObject::connect(sender, signal, &context_, [this] { scheduleRedraw(); });
    };
    if (activity_ == Activity::scan) {
        // Each step publishes the finished phase's results: the phase after it runs next.
        scanPhase_ = "cli.progress.phase.overview";
        const auto phaseAfter = [this](auto signal, const char* next) {
            QObject::connect(&scanner_.results(), signal, &context_, [this, next] { scanPhase_ = next; });
        };
        phaseAfter(&ScanResults::overviewChanged, "cli.progress.phase.caches");
        phaseAfter(&ScanResults::ruleCardsChanged, "cli.progress.phase.bloat");
        phaseAfter(&ScanResults::projectBloatsChanged, "cli.progress.phase.media");
        redrawOn(&scanner_, &StorageEngine::scanProgressChanged);
    } else {
        redrawOn(&scanner_.cleaner(), &CleanRunner::cleanProcessedCountChanged);
        redrawOn(&scanner_.cleaner(), &CleanRunner::cleanTotalCountChanged);
        redrawOn(&scanner_.cleaner(), &CleanRunner::cleanFreedSoFarBytesChanged);
        redrawOn(&scanner_.cleaner(), &CleanRunner::cleanCurrentItemNameChanged);
    }
    scheduleRedraw();
}

ProgressLine::~ProgressLine()
{
    if (shown_)
        std::cerr << "\r\033[K" << std::flush;
}

std::string ProgressLine::scanText() const
{
    const Int64 found = scanner_.results().totalScannedSafeBytes() + scanner_.results().totalScannedBloatBytes() +
                        scanner_.results().totalScannedDuplicateBytes() +
                        scanner_.results().totalScannedLargeFileBytes();
    return sayCount("cli.progress.scan", std::int64_t(scannedEntries(scanner_)),
                    {percent(scanner_.scanProgress()), say(scanPhase_), DiskFormat::bytes(found)});
}

std::string ProgressLine::cleanText() const
{
    std::string text = say("cli.progress.clean", {std::to_string(scanner_.cleaner().cleanProcessedCount()),
                                                  std::to_string(scanner_.cleaner().cleanTotalCount()),
                                                  DiskFormat::bytes(scanner_.cleaner().cleanFreedSoFarBytes())});
    if (!scanner_.cleaner().cleanCurrentItemName().empty())
        text += " · " + displayable(renderMessageOr(scanner_.cleaner().cleanCurrentItemNameRef(),
                                                    scanner_.cleaner().cleanCurrentItemName(), language()));
    return text;
}

// The engine publishes several values in one go; the line is drawn once they all are.
void ProgressLine::scheduleRedraw()
{
    if (redrawPending_)
        return;
    redrawPending_ = true;
    QMetaObject::invokeMethod(
        &context_,
        [this] {
            redrawPending_ = false;
            redraw();
        },
        Qt::QueuedConnection);
}

void ProgressLine::redraw()
{
    // A scan publishes a handful of steps, each shown; a clean publishes per item.
    const auto now = std::chrono::steady_clock::now();
    if (activity_ == Activity::clean && shown_ && now - lastDrawn_ < kRedrawInterval)
        return;
    const std::string text = activity_ == Activity::scan ? scanText() : cleanText();
    // One cell short of the width: writing the last cell makes some terminals wrap.
    std::cerr << "\r" << fitToColumns(text, terminalColumns() - 1) << "\033[K" << std::flush;
    shown_ = true;
    lastDrawn_ = now;
}

} // namespace cli
