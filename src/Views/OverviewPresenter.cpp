#include "OverviewPresenter.h"

#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "OverviewRingFigures.h"
#include "QtText.h"
#include "WorkspaceLists.h"

OverviewPresenter::OverviewPresenter(WorkspaceLists& lists, StorageEngine& engine, QObject* parent)
    : QObject(parent), lists_(lists), engine_(engine)
{
    connect(&engine_.results(), &ScanResults::overviewChanged, this, &OverviewPresenter::changed);
    connect(&engine_.cleaner(), &CleanRunner::sessionTotalFreedBytesChanged, this, &OverviewPresenter::changed);
    connect(&engine_.cleaner(), &CleanRunner::sessionMeasuredFreedBytesChanged, this, &OverviewPresenter::changed);
    // Selections live in the lists; the models have followed them when these fire.
    for (auto signal : {&WorkspaceLists::rowsChanged, &WorkspaceLists::shownChanged})
        connect(&lists_, signal, this, &OverviewPresenter::changed);
}

void OverviewPresenter::setLanguage(AppLanguage language)
{
    if (language_ == language)
        return;
    language_ = language;
    Q_EMIT changed();
}

Int64 OverviewPresenter::allSelectedBytes() const
{
    return saturatingSum({engine_.selection().totalSelectedSafeBytes(), engine_.selection().totalSelectedBloatBytes(),
                          engine_.selection().totalSelectedDuplicateBytes(),
                          engine_.selection().totalSelectedLargeFileBytes()});
}

bool OverviewPresenter::measured() const { return engine_.results().overviewMeasured(); }

namespace {
// Before the first figures: nothing used, nothing available, no total.
const DiskOverview kUnmeasured{"", 0, 0, 0};
constexpr const char* kNoFigure = "–";
} // namespace

OverviewRingFigures OverviewPresenter::figures() const
{
    return overviewRingFigures(measured() ? engine_.results().overview() : kUnmeasured, lists_.shown().selectedBytes(),
                               allSelectedBytes());
}

double OverviewPresenter::usedRatio() const { return figures().usedRatio; }
double OverviewPresenter::reclaimableRatio() const { return figures().reclaimableRatio; }

QString OverviewPresenter::centerValueText() const { return shortGBText(figures().centerBytes, language_); }

QString OverviewPresenter::centerLabelText() const { return qt(QuillmereL10n(language_).reclaimableLabel()); }

QString OverviewPresenter::otherZonesText() const
{
    Int64 others = 0;
    for (CleanTrustWorkspace each : allCases<CleanTrustWorkspace>())
        if (const Workspace workspace = WindowLists::windowWorkspace(each); workspace != lists_.selectedWorkspace())
            others = saturatingSum({others, lists_.selectedBytes(workspace)});
    return bytesText(others, language_);
}

QString OverviewPresenter::volumeName() const
{
    if (!measured())
        return qt(WindowTexts::diskMeasuring(language_));
    return QString::fromStdString(engine_.results().overview().volumeName);
}
QString OverviewPresenter::availableText() const
{
    if (!measured())
        return QString::fromUtf8(kNoFigure);
    return bytesText(engine_.results().overview().availableBytes, language_);
}
QString OverviewPresenter::totalText() const
{
    if (!measured())
        return QString::fromUtf8(kNoFigure);
    return bytesText(engine_.results().overview().totalBytes, language_);
}
QString OverviewPresenter::freedText() const
{
    // What the volume measured where a clean deleted or merged, with the estimate beside it
    // when the two differ.
    const Int64 estimated = engine_.cleaner().sessionTotalFreedBytes();
    const Int64 measured = engine_.cleaner().sessionMeasuredFreedBytes();
    if (measured == estimated)
        return bytesText(estimated, language_);
    return qt(WindowTexts::diskFreedMeasured(language_))
        .arg(bytesText(measured, language_), bytesText(estimated, language_));
}
