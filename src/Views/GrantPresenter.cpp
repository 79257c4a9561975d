#include "GrantPresenter.h"

#include "L10n/WindowTexts.h"
#include "Models/Paths.h"
#include "QtText.h"

#include <QPointer>

namespace {
constexpr int kOnboardingPulseMs = 1100;
} // namespace

GrantPresenter::GrantPresenter(FolderAccess& access, QObject* parent) : QObject(parent), access_(access)
{
    connect(&access_, &FolderAccess::homeGrantedChanged, this, &GrantPresenter::showsOnboardingChanged);
    connect(&access_, &FolderAccess::isPickingChanged, this, &GrantPresenter::pickingChanged);
    for (auto signal : {&FolderAccess::homeGrantedChanged, &FolderAccess::applicationsGrantedChanged,
                        &FolderAccess::grantedHomePathChanged, &FolderAccess::grantWasStaleChanged})
        connect(&access_, signal, this, &GrantPresenter::accessChanged);
    pulseTimer_.setInterval(kOnboardingPulseMs);
    connect(&pulseTimer_, &QTimer::timeout, this, [this] {
        onboardingPulse_ = !onboardingPulse_;
        Q_EMIT onboardingPulseChanged();
    });
    connect(this, &GrantPresenter::showsOnboardingChanged, this, &GrantPresenter::updatePulse);
    updatePulse();
}

void GrantPresenter::setLanguage(AppLanguage language)
{
    if (language_ == language)
        return;
    language_ = language;
    Q_EMIT noticeChanged();
}

std::string GrantPresenter::homeName() const { return paths::lastComponent(access_.realHomePath()); }

QString GrantPresenter::noticeKind() const
{
    if (!notice_)
        return {};
    return notice_->kind == GrantOutcome::Kind::partial ? QStringLiteral("partial") : QStringLiteral("outside");
}

QString GrantPresenter::noticeText() const
{
    if (!notice_)
        return {};
    const std::string picked = paths::lastComponent(notice_->url);
    return qt(notice_->kind == GrantOutcome::Kind::partial
                  ? WindowTexts::partialGrantNotice(language_, picked, homeName())
                  : WindowTexts::outsideGrantNotice(language_, picked, homeName()));
}

QString GrantPresenter::chooseHomeInsteadText() const
{
    return qt(WindowTexts::chooseHomeInstead(language_, homeName()));
}
QString GrantPresenter::panelHintText() const { return qt(WindowTexts::onboardingPanelHint(language_, homeName())); }
QString GrantPresenter::homeFolderName() const { return qt(homeName()); }
QString GrantPresenter::grantedHomeName() const { return qt(access_.grantedHomeDisplayName()); }

void GrantPresenter::requestHomeGrant()
{
    if (access_.isPicking())
        return;
    access_.requestAccess(AccessScope::home, qt(WindowTexts::grantButtonTitle(language_)),
                          qt(WindowTexts::homeGrantMessage(language_, homeName())), applyLater());
}

void GrantPresenter::requestApplicationsGrant()
{
    if (access_.isPicking())
        return;
    access_.requestAccess(AccessScope::applications, qt(WindowTexts::grantButtonTitle(language_)),
                          qt(WindowTexts::applicationsGrantMessage(language_)), applyLater());
}

FolderAccess::OutcomeHandler GrantPresenter::applyLater()
{
    // The picker's answer may come after the window let go of this presenter.
    return [self = QPointer<GrantPresenter>(this)](const GrantOutcome& outcome) {
        if (self)
            self->apply(outcome);
    };
}

void GrantPresenter::apply(const GrantOutcome& outcome)
{
    switch (outcome.kind) {
    case GrantOutcome::Kind::granted:
        setNotice(std::nullopt);
        if (!justGranted_) {
            justGranted_ = true;
            Q_EMIT justGrantedChanged();
        }
        break;
    case GrantOutcome::Kind::cancelled:
        setNotice(std::nullopt);
        break;
    case GrantOutcome::Kind::partial:
    case GrantOutcome::Kind::outside:
        setNotice(outcome);
        break;
    }
}

void GrantPresenter::keepPendingFolder()
{
    access_.acceptPendingPartialHome();
    setNotice(std::nullopt);
}

void GrantPresenter::revokeAll()
{
    access_.revoke(AccessScope::applications);
    access_.revoke(AccessScope::home);
}

void GrantPresenter::setNotice(std::optional<GrantOutcome> notice)
{
    if (notice_ == notice)
        return;
    notice_ = std::move(notice);
    Q_EMIT noticeChanged();
}

void GrantPresenter::updatePulse()
{
    if (showsOnboarding())
        pulseTimer_.start();
    else
        pulseTimer_.stop();
}
