#pragma once
// Runs the event loop until the engine's background work has published its end.

class StorageEngine;

// True when the scan finished (isScanning back to false) within the timeout.
bool waitForScan(StorageEngine& scanner, int timeoutMs = 30000);
// True when the running clean finished (isCleaning back to false) within the timeout.
bool waitForClean(StorageEngine& scanner, int timeoutMs = 30000);
// Delivers what is already posted to the event loop.
void drainEvents();
