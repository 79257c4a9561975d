#pragma once
// Access to the home folder (needed for every scan and clean) and to the Applications
// folder (needed only for full uninstalls). Each grant is obtained through the folder
// picker, kept across runs as a bookmark in the settings, re-opened at start and can be
// withdrawn. Outside the sandbox both folders count as granted from the start.
// Main thread only.

#include "Models/StorageModels.h"
#include "Platform/DesktopSeams.h"

#include <QObject>
#include <QSettings>

#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

enum class SandboxScope { home, applications };

std::string_view rawValue(SandboxScope scope);
template <> std::optional<SandboxScope> fromRaw<SandboxScope>(std::string_view raw);
template <> const std::vector<SandboxScope>& allCases<SandboxScope>();

// The result of one request. `url` is the picked folder for partial and outside.
struct SandboxGrantOutcome {
    enum class Kind { partial, outside, granted, cancelled };
    Kind kind = Kind::cancelled;
    URL url;

    static SandboxGrantOutcome partial(URL picked) { return {Kind::partial, std::move(picked)}; }
    static SandboxGrantOutcome outside(URL picked) { return {Kind::outside, std::move(picked)}; }
    static SandboxGrantOutcome granted() { return {Kind::granted, {}}; }
    static SandboxGrantOutcome cancelled() { return {Kind::cancelled, {}}; }

    bool operator==(const SandboxGrantOutcome&) const = default;
};

class SandboxAccessManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool homeGranted READ homeGranted NOTIFY homeGrantedChanged)
    Q_PROPERTY(bool applicationsGranted READ applicationsGranted NOTIFY applicationsGrantedChanged)
    Q_PROPERTY(bool bookmarkWasStale READ bookmarkWasStale NOTIFY bookmarkWasStaleChanged)
    Q_PROPERTY(bool isSandboxed READ isSandboxed CONSTANT)

  public:
    // What the manager runs against. Empty members take the real ones: the settings of
    // the organisation and application "Quillmere", the account's home folder,
    // /Applications, and the sandbox test on the process environment.
    struct Environment {
        std::shared_ptr<QSettings> settings;
        std::shared_ptr<FolderPicker> picker; // none: every request is cancelled
        URL realHome;
        URL applications = "/Applications";
        std::optional<bool> sandboxed;
    };

    explicit SandboxAccessManager(QObject* parent = nullptr);
    explicit SandboxAccessManager(Environment environment, QObject* parent = nullptr);

    static std::string settingsKey(SandboxScope scope);

    bool homeGranted() const { return homeGranted_; }
    bool applicationsGranted() const { return applicationsGranted_; }
    const std::optional<URL>& grantedHomeURL() const { return grantedHomeURL_; }
    bool bookmarkWasStale() const { return bookmarkWasStale_; }
    bool isSandboxed() const { return isSandboxed_; }
    const URL& realHomeURL() const { return realHomeURL_; }
    const URL& applicationsURL() const { return applicationsURL_; }
    const std::map<SandboxScope, URL>& activeURLs() const { return activeURLs_; }
    const std::optional<URL>& pendingPartialURL() const { return pendingPartialURL_; }
    QSettings& settings() const { return *settings_; }

    // Shows the picker at the scope's folder and classifies what the user picked.
    SandboxGrantOutcome requestAccess(SandboxScope scope, const QString& prompt, const QString& message);
    void acceptPendingPartialHome();
    void revoke(SandboxScope scope);

    bool coversWholeHome() const;
    std::string grantedHomeDisplayName() const;

    // a is b or one of its ancestors, compared on standardized paths.
    static bool isSameOrAncestor(const URL& a, const URL& b);

  Q_SIGNALS:
    void homeGrantedChanged();
    void applicationsGrantedChanged();
    void grantedHomeURLChanged();
    void bookmarkWasStaleChanged();

  private:
    void restoreBookmarks();
    void commit(SandboxScope scope, const URL& url);
    void apply(SandboxScope scope, const std::optional<URL>& url);
    void setBookmarkWasStale(bool value);
    void storeBookmark(SandboxScope scope, const URL& url);

    std::shared_ptr<QSettings> settings_;
    std::shared_ptr<FolderPicker> picker_;

    bool homeGranted_ = false;
    bool applicationsGranted_ = false;
    std::optional<URL> grantedHomeURL_;
    bool bookmarkWasStale_ = false;
    bool isSandboxed_ = false;
    URL realHomeURL_;
    URL applicationsURL_;
    std::map<SandboxScope, URL> activeURLs_;
    std::optional<URL> pendingPartialURL_;
};
