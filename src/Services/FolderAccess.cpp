#include "Services/FolderAccess.h"

#include "Models/Paths.h"
#include "Platform/AccountHome.h"
#include "Platform/FileOperations.h"
#include "Platform/FolderGrant.h"

#include <QByteArray>
#include <QPointer>

namespace {

std::shared_ptr<QSettings> orDefaultSettings(std::shared_ptr<QSettings> settings)
{
    return settings ? settings : std::make_shared<QSettings>(QStringLiteral("Quillmere"), QStringLiteral("Quillmere"));
}

// Inside a Flatpak the home folder is reached only through folders the person picks in the
// portal's chooser, so only there does the window ask for grants. Flatpak puts this file at
// the root of every sandbox it starts.
constexpr const char* kFlatpakInfo = "/.flatpak-info";

} // namespace

std::string_view rawValue(AccessScope scope)
{
    switch (scope) {
    case AccessScope::home:
        return "home";
    case AccessScope::applications:
        return "applications";
    }
    return "home";
}

template <> std::optional<AccessScope> fromRaw<AccessScope>(std::string_view raw)
{
    for (AccessScope scope : allCases<AccessScope>())
        if (rawValue(scope) == raw)
            return scope;
    return std::nullopt;
}

template <> const std::vector<AccessScope>& allCases<AccessScope>()
{
    static const std::vector<AccessScope> cases{AccessScope::home, AccessScope::applications};
    return cases;
}

FolderAccess::FolderAccess(QObject* parent) : FolderAccess(Environment{}, parent) {}

FolderAccess::FolderAccess(Environment environment, QObject* parent)
    : QObject(parent), settings_(orDefaultSettings(std::move(environment.settings))),
      writer_(settings_->fileName(), settings_->format()), picker_(std::move(environment.picker))
{
    asksForGrants_ = environment.asksForGrants.value_or(
        fileops::exists(environment.confinementProbe.empty() ? Path(kFlatpakInfo) : environment.confinementProbe));
    realHomePath_ = paths::standardized(environment.realHome.empty() ? accountHomeFolder() : environment.realHome);
    applicationsPath_ = paths::standardized(environment.applications);

    if (!asksForGrants_) {
        homeGranted_ = true;
        applicationsGranted_ = true;
        grantedHomePath_ = realHomePath_;
        return;
    }
    restoreFolderGrants();
}

std::string FolderAccess::settingsKey(AccessScope scope)
{
    // The key's wording predates the class name; grants already stored stay readable.
    return "Quillmere.SandboxBookmark." + std::string(rawValue(scope));
}

bool FolderAccess::isSameOrAncestor(const Path& a, const Path& b)
{
    std::string ancestor = paths::standardized(a);
    const std::string descendant = paths::standardized(b);
    if (ancestor == descendant)
        return true;
    if (ancestor.empty() || ancestor.back() != '/')
        ancestor.push_back('/');
    return descendant.starts_with(ancestor);
}

void FolderAccess::requestAccess(AccessScope scope, const QString& prompt, const QString& message, OutcomeHandler done)
{
    if (!picker_ || isPicking_) {
        done(GrantOutcome::cancelled());
        return;
    }
    setPicking(true);
    const Path& expected = scope == AccessScope::home ? realHomePath_ : applicationsPath_;
    // The picker may answer after this manager is gone (the window closed over a dialog).
    QPointer<FolderAccess> self(this);
    picker_->pickFolder({expected, prompt, message}, [self, scope, done](std::optional<Path> picked) {
        if (!self)
            return;
        self->setPicking(false);
        done(self->classify(scope, picked));
    });
}

GrantOutcome FolderAccess::classify(AccessScope scope, const std::optional<Path>& picked)
{
    if (!picked || picked->empty())
        return GrantOutcome::cancelled();
    const Path& expected = scope == AccessScope::home ? realHomePath_ : applicationsPath_;
    const Path chosen = paths::standardized(*picked);
    if (isSameOrAncestor(chosen, expected)) {
        commit(scope, chosen);
        return GrantOutcome::granted();
    }
    if (scope == AccessScope::home && isSameOrAncestor(realHomePath_, chosen)) {
        pendingPartialPath_ = chosen;
        return GrantOutcome::partial(chosen);
    }
    return GrantOutcome::outside(chosen);
}

void FolderAccess::setPicking(bool value)
{
    if (isPicking_ == value)
        return;
    isPicking_ = value;
    Q_EMIT isPickingChanged();
}

void FolderAccess::acceptPendingPartialHome()
{
    if (!pendingPartialPath_)
        return;
    const Path url = *pendingPartialPath_;
    pendingPartialPath_.reset();
    commit(AccessScope::home, url);
}

void FolderAccess::revoke(AccessScope scope)
{
    if (!asksForGrants_)
        return;
    activePaths_.erase(scope);
    writer_.remove(QString::fromStdString(settingsKey(scope)));
    apply(scope, std::nullopt);
}

bool FolderAccess::coversWholeHome() const
{
    return homeGranted_ && grantedHomePath_ && isSameOrAncestor(*grantedHomePath_, realHomePath_);
}

std::string FolderAccess::grantedHomeDisplayName() const
{
    return grantedHomePath_ ? paths::lastComponent(*grantedHomePath_) : std::string();
}

void FolderAccess::restoreFolderGrants()
{
    for (AccessScope scope : allCases<AccessScope>()) {
        const QString key = QString::fromStdString(settingsKey(scope));
        if (!settings_->contains(key))
            continue;
        const QByteArray data = settings_->value(key).toByteArray();
        const auto resolved = folderGrant::resolve(data.toStdString());
        if (!resolved) {
            writer_.remove(key);
            setGrantWasStale(true);
            continue;
        }
        // Starting access cannot fail here; the folder is simply readable or not.
        activePaths_[scope] = resolved->url;
        if (resolved->isStale)
            storeFolderGrant(scope, resolved->url);
        apply(scope, resolved->url);
    }
}

void FolderAccess::commit(AccessScope scope, const Path& url)
{
    activePaths_[scope] = url;
    storeFolderGrant(scope, url);
    setGrantWasStale(false);
    apply(scope, url);
}

void FolderAccess::storeFolderGrant(AccessScope scope, const Path& url)
{
    // Without a blob the grant lasts for this run only.
    if (const auto data = folderGrant::create(url)) {
        writer_.setValue(QString::fromStdString(settingsKey(scope)), QByteArray::fromStdString(*data));
    }
}

void FolderAccess::apply(AccessScope scope, const std::optional<Path>& url)
{
    if (scope == AccessScope::applications) {
        if (applicationsGranted_ != url.has_value()) {
            applicationsGranted_ = url.has_value();
            Q_EMIT applicationsGrantedChanged();
        }
        return;
    }
    // The folder first, so observers of homeGranted already see which folder it is.
    if (grantedHomePath_ != url) {
        grantedHomePath_ = url;
        Q_EMIT grantedHomePathChanged();
    }
    if (homeGranted_ != url.has_value()) {
        homeGranted_ = url.has_value();
        Q_EMIT homeGrantedChanged();
    }
}

void FolderAccess::setGrantWasStale(bool value)
{
    if (grantWasStale_ == value)
        return;
    grantWasStale_ = value;
    Q_EMIT grantWasStaleChanged();
}
