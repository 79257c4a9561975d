// The clean buttons of the workspace column. With moving to the Trash on, a press cleans at
// once (everything can be put back). With it off, a clean deletes for good, so the window
// first asks once, naming the size, and cleans only when the person confirms.
#include "WindowState.h"

void WindowState::triggerPrimaryCleanAction() { requestClean(shownList()); }

void WindowState::smartCleanAll() { requestClean(std::nullopt); }

bool WindowState::hasItemsToClean(const PendingClean& request) const
{
    return request.list ? !lists_.adapter(*request.list).cleanItems().empty()
                        : !scanner_->commands().items(CleanTarget::everything).empty();
}

Int64 WindowState::bytesToClean(const PendingClean& request) const
{
    return request.list ? lists_.adapter(*request.list).selectedBytes()
                        : scanner_->selection().totalMasterSmartCleanBytes();
}

void WindowState::runClean(const PendingClean& request)
{
    if (request.list)
        lists_.adapter(*request.list).clean();
    else
        scanner_->commands().clean(CleanTarget::everything);
}

void WindowState::requestClean(std::optional<ShownList> list)
{
    PendingClean request{.list = list};
    // Nothing selected: the command would do nothing, so there is nothing to confirm either.
    if (!hasItemsToClean(request))
        return;
    if (scanner_->cleaner().moveToTrashByDefault()) {
        runClean(request);
        return;
    }
    request.bytes = bytesToClean(request);
    setPendingClean(request);
}

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
    if (pendingClean_ == pending)
        return;
    pendingClean_ = std::move(pending);
    column_->setPendingCleanBytes(pendingClean_ ? std::optional(pendingClean_->bytes) : std::nullopt);
}

void WindowState::undoLastClean()
{
    if (!scanner_->cleaner().isCleaning() && !scanner_->cleaner().recentCleanRecords().empty())
        scanner_->cleaner().restoreAllRecentCleans();
}

void WindowState::restoreRecord(int row)
{
    if (row >= 0 && row < cleanRecords_.count())
        scanner_->cleaner().restoreSingleRecord(cleanRecords_.at(row).id);
}
