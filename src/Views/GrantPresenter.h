#pragma once
// The folder grants as the window asks for them and shows them: the onboarding that waits
// for the home folder, the notice of a pick that was not the home folder, the access row, and
// the panel's texts in the current language.

#include "L10n/AppLanguage.h"
#include "Services/FolderAccess.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <optional>

class GrantPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its grants")
    // The overlay covers the window while grants are asked for and the home folder is not granted.
    Q_PROPERTY(bool showsOnboarding READ showsOnboarding NOTIFY showsOnboardingChanged)
    Q_PROPERTY(bool onboardingPulse READ onboardingPulse NOTIFY onboardingPulseChanged)
    Q_PROPERTY(bool justGranted READ justGranted NOTIFY justGrantedChanged)
    // A folder picker is open: the buttons that open one wait for its answer.
    Q_PROPERTY(bool picking READ picking NOTIFY pickingChanged)
    // "partial" or "outside" while a pick waits to be kept or replaced; empty otherwise.
    Q_PROPERTY(QString noticeKind READ noticeKind NOTIFY noticeChanged)
    Q_PROPERTY(QString noticeText READ noticeText NOTIFY noticeChanged)
    Q_PROPERTY(QString chooseHomeInsteadText READ chooseHomeInsteadText NOTIFY noticeChanged)
    Q_PROPERTY(QString panelHintText READ panelHintText NOTIFY noticeChanged)
    Q_PROPERTY(QString homeFolderName READ homeFolderName CONSTANT)
    // The stored grant of the home folder no longer opened (the folder went or was replaced).
    Q_PROPERTY(bool grantWasStale READ grantWasStale NOTIFY accessChanged)
    Q_PROPERTY(bool coversWholeHome READ coversWholeHome NOTIFY accessChanged)
    Q_PROPERTY(bool applicationsGranted READ applicationsGranted NOTIFY accessChanged)
    Q_PROPERTY(QString grantedHomeName READ grantedHomeName NOTIFY accessChanged)
    // Only a confined window has folders to grant again or revoke.
    Q_PROPERTY(bool asksForGrants READ asksForGrants CONSTANT)

  public:
    explicit GrantPresenter(FolderAccess& access, QObject* parent = nullptr);

    void setLanguage(AppLanguage language);
    bool showsOnboarding() const { return access_.asksForGrants() && !access_.homeGranted(); }
    bool onboardingPulse() const { return onboardingPulse_; }
    bool justGranted() const { return justGranted_; }
    bool picking() const { return access_.isPicking(); }
    const std::optional<GrantOutcome>& notice() const { return notice_; }
    QString noticeKind() const;
    QString noticeText() const;
    QString chooseHomeInsteadText() const;
    QString panelHintText() const;
    QString homeFolderName() const;
    bool grantWasStale() const { return access_.grantWasStale(); }
    bool coversWholeHome() const { return access_.coversWholeHome(); }
    bool applicationsGranted() const { return access_.applicationsGranted(); }
    QString grantedHomeName() const;
    bool asksForGrants() const { return access_.asksForGrants(); }

    Q_INVOKABLE void requestHomeGrant();
    Q_INVOKABLE void requestApplicationsGrant();
    // "Keep this folder" of the notice of a partial pick.
    Q_INVOKABLE void keepPendingFolder();
    Q_INVOKABLE void revokeAll();

  Q_SIGNALS:
    void showsOnboardingChanged();
    void onboardingPulseChanged();
    void justGrantedChanged();
    void pickingChanged();
    void noticeChanged();
    void accessChanged();

  private:
    void apply(const GrantOutcome& outcome);
    FolderAccess::OutcomeHandler applyLater();
    void setNotice(std::optional<GrantOutcome> notice);
    void updatePulse();
    std::string homeName() const;

    FolderAccess& access_;
    AppLanguage language_ = AppLanguage::zhHans;
    std::optional<GrantOutcome> notice_;
    bool justGranted_ = false;
    bool onboardingPulse_ = false;
    QTimer pulseTimer_;
};
