#include "Services/SandboxAccessManager.h"

#include "Models/Paths.h"
#include "Platform/AccountHome.h"
#include "Platform/Bookmark.h"

#include <QByteArray>

namespace {

constexpr const char* kSandboxVariable = "APP_SANDBOX_CONTAINER_ID";

} // namespace

std::string_view rawValue(SandboxScope scope)
{
    switch (scope) {
    case SandboxScope::home:
        return "home";
    case SandboxScope::applications:
        return "applications";
    }
    return "home";
}

template <> std::optional<SandboxScope> fromRaw<SandboxScope>(std::string_view raw)
{
    for (SandboxScope scope : allCases<SandboxScope>())
        if (rawValue(scope) == raw)
            return scope;
    return std::nullopt;
}

template <> const std::vector<SandboxScope>& allCases<SandboxScope>()
{
    static const std::vector<SandboxScope> cases{SandboxScope::home, SandboxScope::applications};
    return cases;
}

SandboxAccessManager::SandboxAccessManager(QObject* parent) : SandboxAccessManager(Environment{}, parent) {}

SandboxAccessManager::SandboxAccessManager(Environment environment, QObject* parent)
    : QObject(parent), settings_(std::move(environment.settings)), picker_(std::move(environment.picker))
{
    if (!settings_)
        settings_ = std::make_shared<QSettings>(QStringLiteral("Quillmere"), QStringLiteral("Quillmere"));
    isSandboxed_ = environment.sandboxed.value_or(qEnvironmentVariableIsSet(kSandboxVariable));
    realHomeURL_ = paths::standardized(environment.realHome.empty() ? accountHomeFolder() : environment.realHome);
    applicationsURL_ = paths::standardized(environment.applications);

    if (!isSandboxed_) {
        homeGranted_ = true;
        applicationsGranted_ = true;
        grantedHomeURL_ = realHomeURL_;
        return;
    }
    restoreBookmarks();
}

std::string SandboxAccessManager::settingsKey(SandboxScope scope)
{
    return "Quillmere.SandboxBookmark." + std::string(rawValue(scope));
}

bool SandboxAccessManager::isSameOrAncestor(const URL& a, const URL& b)
{
    std::string ancestor = paths::standardized(a);
    const std::string descendant = paths::standardized(b);
    if (ancestor == descendant)
        return true;
    if (ancestor.empty() || ancestor.back() != '/')
        ancestor.push_back('/');
    return descendant.starts_with(ancestor);
}

SandboxGrantOutcome SandboxAccessManager::requestAccess(SandboxScope scope, const QString& prompt,
                                                        const QString& message)
{
    const URL& expected = scope == SandboxScope::home ? realHomeURL_ : applicationsURL_;
    if (!picker_)
        return SandboxGrantOutcome::cancelled();
    const std::optional<URL> picked = picker_->pickFolder({expected, prompt, message});
    if (!picked || picked->empty())
        return SandboxGrantOutcome::cancelled();

    const URL chosen = paths::standardized(*picked);
    if (isSameOrAncestor(chosen, expected)) {
        commit(scope, chosen);
        return SandboxGrantOutcome::granted();
    }
    if (scope == SandboxScope::home && isSameOrAncestor(realHomeURL_, chosen)) {
        pendingPartialURL_ = chosen;
        return SandboxGrantOutcome::partial(chosen);
    }
    return SandboxGrantOutcome::outside(chosen);
}

void SandboxAccessManager::acceptPendingPartialHome()
{
    if (!pendingPartialURL_)
        return;
    const URL url = *pendingPartialURL_;
    pendingPartialURL_.reset();
    commit(SandboxScope::home, url);
}

void SandboxAccessManager::revoke(SandboxScope scope)
{
    if (!isSandboxed_)
        return;
    activeURLs_.erase(scope);
    settings_->remove(QString::fromStdString(settingsKey(scope)));
    settings_->sync();
    apply(scope, std::nullopt);
}

bool SandboxAccessManager::coversWholeHome() const
{
    return homeGranted_ && grantedHomeURL_ && isSameOrAncestor(*grantedHomeURL_, realHomeURL_);
}

std::string SandboxAccessManager::grantedHomeDisplayName() const
{
    return grantedHomeURL_ ? paths::lastComponent(*grantedHomeURL_) : std::string();
}

void SandboxAccessManager::restoreBookmarks()
{
    for (SandboxScope scope : allCases<SandboxScope>()) {
        const QString key = QString::fromStdString(settingsKey(scope));
        if (!settings_->contains(key))
            continue;
        const QByteArray data = settings_->value(key).toByteArray();
        const auto resolved = bookmark::resolve(data.toStdString());
        if (!resolved) {
            settings_->remove(key);
            settings_->sync();
            setBookmarkWasStale(true);
            continue;
        }
        // Starting access cannot fail here; the folder is simply readable or not.
        activeURLs_[scope] = resolved->url;
        if (resolved->isStale)
            storeBookmark(scope, resolved->url);
        apply(scope, resolved->url);
    }
}

void SandboxAccessManager::commit(SandboxScope scope, const URL& url)
{
    activeURLs_[scope] = url;
    storeBookmark(scope, url);
    setBookmarkWasStale(false);
    apply(scope, url);
}

void SandboxAccessManager::storeBookmark(SandboxScope scope, const URL& url)
{
    // Without a blob the grant lasts for this run only.
    if (const auto data = bookmark::create(url)) {
        settings_->setValue(QString::fromStdString(settingsKey(scope)), QByteArray::fromStdString(*data));
        settings_->sync();
    }
}

void SandboxAccessManager::apply(SandboxScope scope, const std::optional<URL>& url)
{
    if (scope == SandboxScope::applications) {
        if (applicationsGranted_ != url.has_value()) {
            applicationsGranted_ = url.has_value();
            Q_EMIT applicationsGrantedChanged();
        }
        return;
    }
    // The folder first, so observers of homeGranted already see which folder it is.
    if (grantedHomeURL_ != url) {
        grantedHomeURL_ = url;
        Q_EMIT grantedHomeURLChanged();
    }
    if (homeGranted_ != url.has_value()) {
        homeGranted_ = url.has_value();
        Q_EMIT homeGrantedChanged();
    }
}

void SandboxAccessManager::setBookmarkWasStale(bool value)
{
    if (bookmarkWasStale_ == value)
        return;
    bookmarkWasStale_ = value;
    Q_EMIT bookmarkWasStaleChanged();
}
