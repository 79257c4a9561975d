#include "support/EngineWait.h"

#include "Services/MacStorageScanner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {
template <typename Signal, typename Done>
bool waitUntil(MacStorageScanner& scanner, Signal signal, Done done, int timeoutMs)
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

bool waitForScan(MacStorageScanner& scanner, int timeoutMs)
{
    return waitUntil(
        scanner, &MacStorageScanner::isScanningChanged, [&] { return !scanner.isScanning(); }, timeoutMs);
}

bool waitForPurge(MacStorageScanner& scanner, int timeoutMs)
{
    return waitUntil(
        scanner, &MacStorageScanner::isPurgingAnimationChanged, [&] { return !scanner.isPurgingAnimation(); },
        timeoutMs);
}

void drainEvents()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}
