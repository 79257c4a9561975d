// The folder grants as the window asks for them: panel texts in the current language,
// the outcome turned into the notice that the onboarding and the workspace column show.
#include "WindowState.h"

#include "L10n/WindowTexts.h"
#include "Models/Paths.h"
#include "QtText.h"

void WindowState::performHomeGrant()
{
    const AppLanguage language = currentLanguage();
    const std::string homeName = paths::lastComponent(access_.realHomeURL());
    const SandboxGrantOutcome outcome =
        access_.requestAccess(SandboxScope::home, qt(WindowTexts::grantButtonTitle(language)),
                              qt(WindowTexts::homeGrantMessage(language, homeName)));
    applyGrantOutcome(outcome);
}

void WindowState::performApplicationsGrant()
{
    const AppLanguage language = currentLanguage();
    const SandboxGrantOutcome outcome =
        access_.requestAccess(SandboxScope::applications, qt(WindowTexts::grantButtonTitle(language)),
                              qt(WindowTexts::applicationsGrantMessage(language)));
    applyGrantOutcome(outcome);
}

void WindowState::applyGrantOutcome(const SandboxGrantOutcome& outcome)
{
    switch (outcome.kind) {
    case SandboxGrantOutcome::Kind::granted:
        setGrantNotice(std::nullopt);
        setGrantJustSucceeded(true);
        break;
    case SandboxGrantOutcome::Kind::cancelled:
        setGrantNotice(std::nullopt);
        break;
    case SandboxGrantOutcome::Kind::partial:
    case SandboxGrantOutcome::Kind::outside:
        setGrantNotice(outcome);
        break;
    }
}

void WindowState::keepPendingPartialFolder()
{
    access_.acceptPendingPartialHome();
    setGrantNotice(std::nullopt);
}

void WindowState::revokeAllAccess()
{
    access_.revoke(SandboxScope::applications);
    access_.revoke(SandboxScope::home);
}
