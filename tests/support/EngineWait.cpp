#include "support/EngineWait.h"

#include "Services/StorageEngine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {
template <typename Sender, typename Signal, typename Done>
bool waitUntil(Sender& scanner, Signal signal, Done done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&scanner, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    timer.start(timeoutMs);
    loop.exec();
    // Publishes queued right after the flag flipped (final texts) are delivered too.
    drainEvents();
    return done();
}
} // namespace

bool waitForScan(StorageEngine& scanner, int timeoutMs)
{
    return waitUntil(
        scanner, &StorageEngine::isScanningChanged, [&] { return !scanner.isScanning(); }, timeoutMs);
}

bool waitForClean(StorageEngine& scanner, int timeoutMs)
{
    return waitUntil(
        scanner.cleaner(), &CleanRunner::isCleaningChanged, [&] { return !scanner.cleaner().isCleaning(); }, timeoutMs);
}

void drainEvents()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}
