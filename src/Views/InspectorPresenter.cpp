#include "InspectorPresenter.h"

#include "InlineMediaPlayer.h"
#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "Platform/Media/FileTypeIcons.h"
#include "Platform/Media/ThumbnailService.h"
#include "QtText.h"
#include "RowDates.h"
#include "WindowState.h"

namespace {

// The icon stands in the frame at this size until a thumbnail arrives.
constexpr int kIconEdge = 64;
constexpr std::string_view kHashName = "SHA-256";

template <typename Record> const Record* inspected(const WindowState& view)
{
    return view.inspectedItem() ? view.inspectedItem()->as<Record>() : nullptr;
}

} // namespace

InspectorPresenter::InspectorPresenter(WindowState& view)
    : QObject(&view), view_(view), icons_(std::make_unique<FileTypeIcons>())
{
    for (auto signal : {&WindowState::inspectedItemChanged, &WindowState::languageRawChanged})
        connect(&view_, signal, this, &InspectorPresenter::itemChanged);
    connect(&view_, &WindowState::mediaPlayerChanged, this, &InspectorPresenter::playerChanged);
    // A new item always brings a new (or no) player, so this follows every change of item.
    connect(&view_, &WindowState::mediaPlayerChanged, this, [this] { updatePreview(true); });
    connect(&view_, &WindowState::appearanceRawChanged, this, [this] { updatePreview(false); });
    updatePreview(true);
}

InspectorPresenter::~InspectorPresenter() = default;

// ---------------------------------------------------------------- texts

QString InspectorPresenter::sizeText() const
{
    if (const auto* item = inspected<ProjectBloatItem>(view_))
        return bytesText(item->sizeBytes, view_.currentLanguage());
    if (const auto* file = inspected<LargeFileItem>(view_))
        return bytesText(file->sizeBytes, view_.currentLanguage());
    if (const auto* card = inspected<SafeCacheRuleCard>(view_))
        return bytesText(card->totalScannedBytes(), view_.currentLanguage());
    if (const auto* app = inspected<InstalledAppItem>(view_))
        return bytesText(app->totalSizeBytes(), view_.currentLanguage());
    return {};
}

QString InspectorPresenter::path() const
{
    const auto location = itemLocation();
    return location ? qt(*location) : QString();
}

QString InspectorPresenter::verificationBadge() const
{
    if (const auto* item = inspected<ProjectBloatItem>(view_))
        return qt(item->verificationBadge);
    if (const auto* file = inspected<LargeFileItem>(view_))
        return qt(file->verificationBadge);
    return {};
}

QString InspectorPresenter::verificationReason() const
{
    if (const auto* item = inspected<ProjectBloatItem>(view_))
        return qt(item->verificationReason);
    if (const auto* file = inspected<LargeFileItem>(view_))
        return qt(file->verificationReason);
    return {};
}

QString InspectorPresenter::modifiedText() const
{
    const auto* file = inspected<LargeFileItem>(view_);
    return file ? dayText(file->modifiedDate) : QString();
}

QString InspectorPresenter::cardSymbol() const
{
    const auto* card = inspected<SafeCacheRuleCard>(view_);
    return card ? qt(card->symbolName) : QString();
}

QColor InspectorPresenter::cardAccent() const
{
    const auto* card = inspected<SafeCacheRuleCard>(view_);
    return card ? QColor(qt(card->accentHex)) : QColor();
}

QString InspectorPresenter::cardPromise() const
{
    const auto* card = inspected<SafeCacheRuleCard>(view_);
    return card ? qt(QuillmereL10n(view_.currentLanguage()).localizeCardPromise(card->protectionPromise)) : QString();
}

QString InspectorPresenter::projectName() const
{
    const auto* item = inspected<ProjectBloatItem>(view_);
    return item ? qt(item->projectName) : QString();
}

QString InspectorPresenter::artifactType() const
{
    const auto* item = inspected<ProjectBloatItem>(view_);
    return item ? qt(item->artifactType) : QString();
}

QString InspectorPresenter::idleText() const
{
    const auto* item = inspected<ProjectBloatItem>(view_);
    return item ? qt(WindowTexts::projectIdleDays(view_.currentLanguage(), item->daysSinceModified)) : QString();
}

QString InspectorPresenter::rebuildCommand() const
{
    const auto* item = inspected<ProjectBloatItem>(view_);
    return item ? qt(item->rebuildCommand) : QString();
}

QString InspectorPresenter::hashText() const
{
    const auto* group = inspected<DuplicateFileGroup>(view_);
    if (!group)
        return {};
    // The engine's summary names the hash itself; it is not named twice.
    if (std::string_view(group->hashSummary).starts_with(kHashName))
        return qt(group->hashSummary);
    return qt(std::string(kHashName) + " · " + group->hashSummary);
}

QString InspectorPresenter::eachSizeText() const
{
    const auto* group = inspected<DuplicateFileGroup>(view_);
    return group ? qt(WindowTexts::eachCopyLabel(view_.currentLanguage())) + QLatin1Char(' ') +
                       bytesText(group->eachSizeBytes, view_.currentLanguage())
                 : QString();
}

QString InspectorPresenter::savesText() const
{
    const auto* group = inspected<DuplicateFileGroup>(view_);
    return group ? qt(WindowTexts::savesLabel(view_.currentLanguage())) + QLatin1Char(' ') +
                       bytesText(group->reclaimableBytes(), view_.currentLanguage())
                 : QString();
}

QString InspectorPresenter::categoryText() const
{
    const auto* file = inspected<LargeFileItem>(view_);
    return file ? qt(QuillmereL10n(view_.currentLanguage()).localizeCategory(file->category)) : QString();
}

QString InspectorPresenter::bundleId() const
{
    const auto* app = inspected<InstalledAppItem>(view_);
    return app ? qt(app->bundleId) : QString();
}

QString InspectorPresenter::appSizeText() const
{
    const auto* app = inspected<InstalledAppItem>(view_);
    return app ? bytesText(app->appSizeBytes, view_.currentLanguage()) : QString();
}

QString InspectorPresenter::cacheSizeText() const
{
    const auto* app = inspected<InstalledAppItem>(view_);
    return app ? bytesText(app->orphanSizeBytes, view_.currentLanguage()) : QString();
}

QStringList InspectorPresenter::leftoverPaths() const
{
    QStringList shown;
    if (const auto* app = inspected<InstalledAppItem>(view_))
        for (const URL& leftover : app->orphanURLs)
            shown.append(qt(leftover));
    return shown;
}

// ---------------------------------------------------------------- locations

std::optional<URL> InspectorPresenter::itemLocation() const
{
    if (const auto* item = inspected<ProjectBloatItem>(view_))
        return item->url;
    if (const auto* file = inspected<LargeFileItem>(view_))
        return file->url;
    if (const auto* app = inspected<InstalledAppItem>(view_))
        return app->appURL;
    return std::nullopt;
}

void InspectorPresenter::reveal(const std::optional<URL>& location)
{
    if (location)
        view_.scanner().revealInFileManager(*location);
}

void InspectorPresenter::revealItem() { reveal(itemLocation()); }

void InspectorPresenter::revealSubItem(int row)
{
    const auto* card = inspected<SafeCacheRuleCard>(view_);
    if (card && row >= 0 && row < int(card->subItems.size()))
        reveal(card->subItems[std::size_t(row)].url);
}

void InspectorPresenter::revealMember(int row)
{
    const auto* group = inspected<DuplicateFileGroup>(view_);
    if (group && row >= 0 && row < int(group->members.size()))
        reveal(group->members[std::size_t(row)].url);
}

void InspectorPresenter::revealLeftover(int row)
{
    const auto* app = inspected<InstalledAppItem>(view_);
    if (app && row >= 0 && row < int(app->orphanURLs.size()))
        reveal(app->orphanURLs[std::size_t(row)]);
}

void InspectorPresenter::openFile()
{
    if (const auto* file = inspected<LargeFileItem>(view_))
        view_.scanner().openWithDefaultApp(file->url);
}

// ---------------------------------------------------------------- the preview frame

InlineMediaPlayer* InspectorPresenter::player() const { return view_.mediaPlayer(); }

ThumbnailService& InspectorPresenter::thumbnails()
{
    ThumbnailService& service = view_.thumbnails();
    if (!followsThumbnails_) {
        connect(&service, &ThumbnailService::thumbnailChanged, this, &InspectorPresenter::onThumbnailChanged);
        followsThumbnails_ = true;
    }
    return service;
}

void InspectorPresenter::updatePreview(bool askForThumbnail)
{
    std::optional<URL> shown;
    if (const auto* group = inspected<DuplicateFileGroup>(view_); group && !group->members.empty())
        shown = group->members.front().url;
    else if (const auto* file = inspected<LargeFileItem>(view_))
        shown = file->url;
    previewPath_ = shown;

    QImage image;
    bool isThumbnail = false;
    if (shown) {
        // A file the player shows needs no thumbnail; the icon stays for when it cannot play.
        const bool played = player() && player()->path() == *shown;
        if (!played) {
            image = thumbnails().thumbnail(*shown);
            isThumbnail = !image.isNull();
            // Asked every time: a file that changed since gets a picture of what it is now.
            if (askForThumbnail)
                thumbnails().request(*shown);
        }
        if (image.isNull())
            image = icons_->iconFor(*shown, kIconEdge, view_.windowPalette()->inkSecondary());
    }
    if (image == previewImage_ && isThumbnail == previewIsThumbnail_)
        return;
    previewImage_ = image;
    previewIsThumbnail_ = isThumbnail;
    Q_EMIT previewChanged();
}

void InspectorPresenter::onThumbnailChanged(const std::string& path)
{
    if (previewPath_ == path)
        updatePreview(false);
}
