#pragma once
// Access to the home folder (needed for every scan and clean) and to the Applications
// folder (needed only for full uninstalls). Each grant is obtained through the folder
// picker, kept across runs as a folderGrant in the settings, re-opened at start and can be
// withdrawn. Outside a Flatpak both folders count as granted from the start, and there is
// nothing to grant or revoke.
// Main thread only.

#include "Models/StorageModels.h"
#include "Platform/DesktopSeams.h"
#include "Services/SettingsWriter.h"

#include <QObject>
#include <QSettings>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

enum class AccessScope { home, applications };

std::string_view rawValue(AccessScope scope);
template <> std::optional<AccessScope> fromRaw<AccessScope>(std::string_view raw);
template <> const std::vector<AccessScope>& allCases<AccessScope>();

// The result of one request. `url` is the picked folder for partial and outside.
struct GrantOutcome {
    enum class Kind { partial, outside, granted, cancelled };
    Kind kind = Kind::cancelled;
    Path url;

    static GrantOutcome partial(Path picked) { return {Kind::partial, std::move(picked)}; }
    static GrantOutcome outside(Path picked) { return {Kind::outside, std::move(picked)}; }
    static GrantOutcome granted() { return {Kind::granted, {}}; }
    static GrantOutcome cancelled() { return {Kind::cancelled, {}}; }

    bool operator==(const GrantOutcome&) const = default;
};

class FolderAccess : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool homeGranted READ homeGranted NOTIFY homeGrantedChanged)
    Q_PROPERTY(bool applicationsGranted READ applicationsGranted NOTIFY applicationsGrantedChanged)
    Q_PROPERTY(bool grantWasStale READ grantWasStale NOTIFY grantWasStaleChanged)
    Q_PROPERTY(bool asksForGrants READ asksForGrants CONSTANT)

  public:
    // What the manager runs against. Empty members take the real ones: the settings of
    // the organisation and application "Quillmere", the account's home folder, no
    // Applications folder, and the Flatpak test (the sandbox's /.flatpak-info).
    struct Environment {
        std::shared_ptr<QSettings> settings;
        std::shared_ptr<FolderPicker> picker; // none: every request is cancelled
        Path realHome;
        Path applications;
        std::optional<bool> asksForGrants; // none: whether the probe below exists
        Path confinementProbe;
    };

    explicit FolderAccess(QObject* parent = nullptr);
    explicit FolderAccess(Environment environment, QObject* parent = nullptr);

    static std::string settingsKey(AccessScope scope);

    bool homeGranted() const { return homeGranted_; }
    bool applicationsGranted() const { return applicationsGranted_; }
    const std::optional<Path>& grantedHomePath() const { return grantedHomePath_; }
    bool grantWasStale() const { return grantWasStale_; }
    bool asksForGrants() const { return asksForGrants_; }
    const Path& realHomePath() const { return realHomePath_; }
    const Path& applicationsPath() const { return applicationsPath_; }
    const std::map<AccessScope, Path>& activePaths() const { return activePaths_; }
    const std::optional<Path>& pendingPartialPath() const { return pendingPartialPath_; }
    // Read here; written through settingsWriter(), so the GUI thread never waits for the disk.
    QSettings& settings() const { return *settings_; }
    SettingsWriter& settingsWriter() { return writer_; }

    // Shows the picker at the scope's folder and hands `done` what the user picked, classified,
    // once the picker answers (this may be before it returns). While a picker is open a
    // second request is refused at once as cancelled: one picker at a time.
    using OutcomeHandler = std::function<void(const GrantOutcome&)>;
    void requestAccess(AccessScope scope, const QString& prompt, const QString& message, OutcomeHandler done);
    bool isPicking() const { return isPicking_; }
    void acceptPendingPartialHome();
    void revoke(AccessScope scope);

    bool coversWholeHome() const;
    std::string grantedHomeDisplayName() const;

    // a is b or one of its ancestors, compared on standardized paths.
    static bool isSameOrAncestor(const Path& a, const Path& b);

  Q_SIGNALS:
    void homeGrantedChanged();
    void isPickingChanged();
    void applicationsGrantedChanged();
    void grantedHomePathChanged();
    void grantWasStaleChanged();

  private:
    void restoreFolderGrants();
    GrantOutcome classify(AccessScope scope, const std::optional<Path>& picked);
    void setPicking(bool value);
    void commit(AccessScope scope, const Path& url);
    void apply(AccessScope scope, const std::optional<Path>& url);
    void setGrantWasStale(bool value);
    void storeFolderGrant(AccessScope scope, const Path& url);

    std::shared_ptr<QSettings> settings_;
    SettingsWriter writer_; // after settings_: writes its file
    std::shared_ptr<FolderPicker> picker_;

    bool homeGranted_ = false;
    bool applicationsGranted_ = false;
    std::optional<Path> grantedHomePath_;
    bool grantWasStale_ = false;
    bool asksForGrants_ = false;
    Path realHomePath_;
    Path applicationsPath_;
    std::map<AccessScope, Path> activePaths_;
    std::optional<Path> pendingPartialPath_;
    bool isPicking_ = false;
};
