// The clean buttons of the workspace column. With moving to the Trash on, a press cleans at
// once (everything can be put back). With it off, a clean deletes for good, so the window
// first asks once, naming the size, and cleans only when the person confirms.
#include "WindowState.h"

void WindowState::executeDirectCleanForCurrentTab()
{
    runClean({.smartCleanAll = false,
              .workspace = selectedWorkspace_,
              .devSubTab = devSubTab_,
              .onlyCache = appSlimmingOnlyCache_,
              .bytes = 0});
}

void WindowState::runClean(const PendingClean& request)
{
    MacStorageScanner& s = *scanner_;
    if (request.smartCleanAll) {
        s.purgeAllMasterSmartSelected();
        return;
    }
    switch (request.workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        s.purgeSelectedSafeCaches();
        break;
    case CleanTrustWorkspace::devAndDuplicates:
        if (request.devSubTab != 0)
            s.purgeSelectedDuplicates();
        else
            s.purgeSelectedProjectBloats();
        break;
    case CleanTrustWorkspace::largeMedia:
        s.purgeSelectedLargeFiles();
        break;
    case CleanTrustWorkspace::appSlimming:
        s.uninstallSelectedApps(request.onlyCache);
        break;
    }
}

bool WindowState::hasItemsToClean(const PendingClean& request) const
{
    const MacStorageScanner& s = *scanner_;
    if (request.smartCleanAll)
        return !s.masterSmartSelectedItems().empty();
    switch (request.workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        return !s.selectedSafeCacheItems().empty();
    case CleanTrustWorkspace::devAndDuplicates:
        return request.devSubTab != 0 ? !s.selectedDuplicateItems().empty() : !s.selectedProjectBloatItems().empty();
    case CleanTrustWorkspace::largeMedia:
        return !s.selectedLargeFileItems().empty();
    case CleanTrustWorkspace::appSlimming:
        return !s.selectedAppItems(request.onlyCache).empty();
    }
    return false;
}

Int64 WindowState::bytesToClean(const PendingClean& request) const
{
    const MacStorageScanner& s = *scanner_;
    if (request.smartCleanAll)
        return s.totalMasterSmartCleanBytes();
    switch (request.workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        return s.totalSelectedSafeBytes();
    case CleanTrustWorkspace::devAndDuplicates:
        return request.devSubTab != 0 ? s.totalSelectedDuplicateBytes() : s.totalSelectedBloatBytes();
    case CleanTrustWorkspace::largeMedia:
        return s.totalSelectedLargeFileBytes();
    case CleanTrustWorkspace::appSlimming:
        return request.onlyCache ? s.totalSelectedAppOrphanBytes() : s.totalSelectedUninstallBytes();
    }
    return 0;
}

void WindowState::requestClean(PendingClean request)
{
    // Nothing selected: the command would do nothing, so there is nothing to confirm either.
    if (!hasItemsToClean(request))
        return;
    if (scanner_->moveToTrashByDefault()) {
        runClean(request);
        return;
    }
    request.bytes = bytesToClean(request);
    setPendingClean(request);
}

void WindowState::triggerPrimaryCleanAction()
{
    requestClean({.smartCleanAll = false,
                  .workspace = selectedWorkspace_,
                  .devSubTab = devSubTab_,
                  .onlyCache = appSlimmingOnlyCache_,
                  .bytes = 0});
}

void WindowState::smartCleanAll() { requestClean({.smartCleanAll = true}); }

void WindowState::confirmPendingClean()
{
    if (!pendingClean_)
        return;
    PendingClean request = *pendingClean_;
    // The selection moved on since the question was asked (a scan published): ask again
    // with the size that would now be deleted.
    if (const Int64 now = bytesToClean(request); now != request.bytes) {
        request.bytes = now;
        setPendingClean(request);
        return;
    }
    setPendingClean(std::nullopt);
    runClean(request);
}

void WindowState::cancelPendingClean() { setPendingClean(std::nullopt); }

void WindowState::setPendingClean(std::optional<PendingClean> pending)
{
    assign(pendingClean_, std::move(pending), &WindowState::pendingCleanChanged);
}
