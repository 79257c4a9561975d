#include "OverviewPresenter.h"

#include "L10n/QuillmereL10n.h"
#include "OverviewRingFigures.h"
#include "QtText.h"
#include "WindowState.h"

OverviewPresenter::OverviewPresenter(WindowState& view) : QObject(&view), view_(view)
{
    MacStorageScanner* scanner = &view_.scanner();
    for (auto signal : {&MacStorageScanner::overviewChanged, &MacStorageScanner::sessionTotalFreedBytesChanged})
        connect(scanner, signal, this, &OverviewPresenter::changed);
    // Selections live in the lists; the models have followed them when this fires.
    for (auto signal : {&WindowState::listModelsChanged, &WindowState::languageRawChanged,
                        &WindowState::selectedWorkspaceChanged, &WindowState::devSubTabChanged,
                        &WindowState::appSlimmingOnlyCacheChanged, &WindowState::selectedLargeCategoryChanged})
        connect(&view_, signal, this, &OverviewPresenter::changed);
}

Int64 OverviewPresenter::allSelectedBytes() const
{
    const MacStorageScanner& s = view_.scanner();
    return saturatingSum({s.totalSelectedSafeBytes(), s.totalSelectedBloatBytes(), s.totalSelectedDuplicateBytes(),
                          s.totalSelectedLargeFileBytes()});
}

OverviewRingFigures OverviewPresenter::figures() const
{
    return overviewRingFigures(view_.scanner().overview(), view_.currentTabSelectedBytes(), allSelectedBytes());
}

double OverviewPresenter::usedRatio() const { return figures().usedRatio; }
double OverviewPresenter::reclaimableRatio() const { return figures().reclaimableRatio; }

QString OverviewPresenter::centerValueText() const
{
    return shortGBText(figures().centerBytes, view_.currentLanguage());
}

QString OverviewPresenter::centerLabelText() const
{
    return qt(QuillmereL10n(view_.currentLanguage()).reclaimableLabel());
}

QString OverviewPresenter::otherZonesText() const
{
    Int64 others = 0;
    for (CleanTrustWorkspace workspace : allCases<CleanTrustWorkspace>())
        if (workspace != view_.selectedWorkspace())
            others = saturatingSum({others, view_.selectedBytes(workspace)});
    return bytesText(others, view_.currentLanguage());
}

QString OverviewPresenter::volumeName() const { return QString::fromStdString(view_.scanner().overview().volumeName); }

QString OverviewPresenter::availableText() const
{
    return bytesText(view_.scanner().overview().availableBytes, view_.currentLanguage());
}

QString OverviewPresenter::totalText() const
{
    return bytesText(view_.scanner().overview().totalBytes, view_.currentLanguage());
}

QString OverviewPresenter::freedText() const
{
    return bytesText(view_.scanner().sessionTotalFreedBytes(), view_.currentLanguage());
}
