#include "InspectorPresenter.h"

#include "L10n/LocalizedAppName.h"
#include "L10n/MessageRenderer.h"
#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "Platform/Media/FileTypeIcons.h"
#include "Platform/Media/ThumbnailService.h"
#include "QtText.h"
#include "QuillmereVersion.h"
#include "ReclaimableText.h"
#include "RowDates.h"
#include "Services/StorageEngine.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The icon stands in the frame at this size until a thumbnail arrives.
constexpr int kIconEdge = 64;
constexpr std::string_view kHashName = "SHA-256";

} // namespace

InspectorPresenter::InspectorPresenter(StorageEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine), subItems_(this), members_(this), icons_(std::make_unique<FileTypeIcons>())
{
    connect(&media_, &InspectedMedia::playerChanged, this, &InspectorPresenter::playerChanged);
    // The inspected record stays the same when only what is selected in it changes.
    for (auto signal : {&SelectionState::ruleCardsChanged, &SelectionState::duplicateGroupsChanged})
        connect(&engine_.selection(), signal, this, [this] {
            followSelection();
            Q_EMIT itemChanged();
        });
    updatePreview(true);
}

void InspectorPresenter::followSelection()
{
    const auto* card = inspected<SafeCacheRuleCard>();
    subItems_.setRows(card ? card->subItems : std::vector<CacheSubItem>{}, engine_.selection());
    const auto* group = inspected<DuplicateFileGroup>();
    members_.setRows(group ? *group : DuplicateFileGroup{}, engine_.selection());
}

InspectorPresenter::~InspectorPresenter() = default;

void InspectorPresenter::setItem(std::optional<InspectedItem> item)
{
    item_ = std::move(item);
    followSelection();
    Q_EMIT itemChanged();
    const auto* group = inspected<DuplicateFileGroup>();

    // The preview shows a group's first copy or a large file; a media file among them plays.
    std::optional<Path> shown;
    if (group && !group->members.empty())
        shown = group->members.front().url;
    else if (const auto* file = inspected<LargeFileItem>())
        shown = file->url;
    previewPath_ = shown;
    media_.show(shown && isPlayableMediaPath(*shown) ? shown : std::nullopt);
    // A new item always brings a new (or no) player: the frame is drawn anew.
    updatePreview(true);
}

void InspectorPresenter::setLanguage(AppLanguage language)
{
    if (language_ == language)
        return;
    language_ = language;
    subItems_.setLanguage(language);
    members_.setLanguage(language);
    Q_EMIT itemChanged();
}

void InspectorPresenter::setIconInk(const QColor& ink)
{
    if (iconInk_ == ink)
        return;
    iconInk_ = ink;
    updatePreview(false);
}

// ---------------------------------------------------------------- texts

QString InspectorPresenter::title() const
{
    if (!item_)
        return {};
    // Card titles are messages of the catalogue; the rest are names from the disk.
    struct Title {
        AppLanguage language;
        std::string operator()(const SafeCacheRuleCard& card) const
        {
            return renderMessageOr(card.titleRef, card.title, language);
        }
        std::string operator()(const ProjectBloatItem& item) const { return item.projectName; }
        std::string operator()(const DuplicateFileGroup& group) const { return group.title; }
        std::string operator()(const LargeFileItem& file) const { return file.name; }
        std::string operator()(const InstalledAppItem& app) const { return localizedAppName(app, language); }
    };
    return QString::fromStdString(std::visit(Title{language_}, item_->payload()));
}

QString InspectorPresenter::sizeText() const
{
    if (const auto* item = inspected<ProjectBloatItem>())
        return sizeAndFreesText(item->sizeBytes, item->reclaimableBytes, language_);
    if (const auto* file = inspected<LargeFileItem>())
        return sizeAndFreesText(file->sizeBytes, file->reclaimableBytes, language_);
    if (const auto* card = inspected<SafeCacheRuleCard>())
        return bytesText(card->totalScannedBytes(), language_);
    if (const auto* app = inspected<InstalledAppItem>())
        return bytesText(app->totalSizeBytes(), language_);
    return {};
}

QString InspectorPresenter::path() const
{
    const auto location = itemLocation();
    return location ? qt(*location) : QString();
}

QString InspectorPresenter::verificationBadge() const
{
    if (const auto* item = inspected<ProjectBloatItem>())
        return item->packagesRecorded ? qt(renderMessageOr(item->badgeRef, item->verificationBadge, language_))
                                      : qt(WindowTexts::projectUnrecordedBadge(language_));
    if (const auto* file = inspected<LargeFileItem>())
        return qt(renderMessageOr(file->badgeRef, file->verificationBadge, language_));
    return {};
}

QString InspectorPresenter::verificationReason() const
{
    if (const auto* item = inspected<ProjectBloatItem>())
        return item->packagesRecorded ? qt(renderMessageOr(item->reasonRef, item->verificationReason, language_))
                                      : qt(WindowTexts::projectUnrecordedNote(language_));
    if (const auto* file = inspected<LargeFileItem>())
        return qt(renderMessageOr(file->reasonRef, file->verificationReason, language_));
    return {};
}

QString InspectorPresenter::modifiedText() const
{
    const auto* file = inspected<LargeFileItem>();
    return file ? dayText(file->modifiedDate) : QString();
}

QString InspectorPresenter::cardSymbol() const
{
    const auto* card = inspected<SafeCacheRuleCard>();
    return card ? qt(card->symbolName) : QString();
}

QColor InspectorPresenter::cardAccent() const
{
    const auto* card = inspected<SafeCacheRuleCard>();
    return card ? QColor(qt(card->accentHex)) : QColor();
}

QString InspectorPresenter::cardPromise() const
{
    const auto* card = inspected<SafeCacheRuleCard>();
    return card ? qt(renderMessageOr(card->promiseRef, card->protectionPromise, language_)) : QString();
}

QString InspectorPresenter::projectName() const
{
    const auto* item = inspected<ProjectBloatItem>();
    return item ? qt(item->projectName) : QString();
}

QString InspectorPresenter::artifactType() const
{
    const auto* item = inspected<ProjectBloatItem>();
    return item ? qt(item->artifactType) : QString();
}

QString InspectorPresenter::idleText() const
{
    const auto* item = inspected<ProjectBloatItem>();
    return item ? qt(WindowTexts::projectIdleDays(language_, item->daysSinceModified)) : QString();
}

QString InspectorPresenter::rebuildCommand() const
{
    const auto* item = inspected<ProjectBloatItem>();
    return item ? qt(item->rebuildCommand) : QString();
}

QString InspectorPresenter::hashText() const
{
    const auto* group = inspected<DuplicateFileGroup>();
    if (!group)
        return {};
    // The engine's summary names the hash itself; it is not named twice.
    const std::string summary = renderMessageOr(group->hashSummaryRef, group->hashSummary, language_);
    if (std::string_view(summary).starts_with(kHashName))
        return qt(summary);
    return qt(std::string(kHashName) + " · " + summary);
}

QString InspectorPresenter::eachSizeText() const
{
    const auto* group = inspected<DuplicateFileGroup>();
    return group ? qt(WindowTexts::eachCopyLabel(language_)) + QLatin1Char(' ') +
                       bytesText(group->eachSizeBytes, language_)
                 : QString();
}

QString InspectorPresenter::savesText() const
{
    const auto* group = inspected<DuplicateFileGroup>();
    return group ? qt(WindowTexts::savesLabel(language_)) + QLatin1Char(' ') +
                       bytesText(engine_.selection().reclaimableBytes(*group), language_)
                 : QString();
}

QString InspectorPresenter::categoryText() const
{
    const auto* file = inspected<LargeFileItem>();
    return file ? qt(QuillmereL10n(language_).localizeCategory(file->category)) : QString();
}

QString InspectorPresenter::appId() const
{
    const auto* app = inspected<InstalledAppItem>();
    return app ? qt(app->appId) : QString();
}

QString InspectorPresenter::appSizeText() const
{
    const auto* app = inspected<InstalledAppItem>();
    return app ? bytesText(app->appSizeBytes, language_) : QString();
}

QString InspectorPresenter::cacheSizeText() const
{
    const auto* app = inspected<InstalledAppItem>();
    return app ? bytesText(app->orphanSizeBytes, language_) : QString();
}

// An app's leftovers, then its settings and data: everything a full uninstall may take.
static std::vector<std::pair<Path, std::string>> leftoversOf(const InstalledAppItem& app)
{
    std::vector<std::pair<Path, std::string>> all;
    for (std::size_t i = 0; i < app.orphanPaths.size(); ++i)
        all.emplace_back(app.orphanPaths[i], i < app.orphanRules.size() ? app.orphanRules[i] : std::string());
    for (const auto& data : app.dataFolders)
        all.emplace_back(data.path, data.rule);
    return all;
}

QStringList InspectorPresenter::leftoverPaths() const
{
    QStringList shown;
    if (const auto* app = inspected<InstalledAppItem>())
        for (const auto& [path, rule] : leftoversOf(*app))
            shown.append(qt(path));
    return shown;
}

QStringList InspectorPresenter::leftoverRules() const
{
    QStringList shown;
    if (const auto* app = inspected<InstalledAppItem>())
        for (const auto& [path, rule] : leftoversOf(*app))
            shown.append(qt(renderLeftoverRule(rule, language_)));
    return shown;
}

// ---------------------------------------------------------------- decisions and locations

void InspectorPresenter::toggleSubItem(int row)
{
    const auto* card = inspected<SafeCacheRuleCard>();
    if (card && row >= 0 && row < subItems_.count())
        engine_.selection().toggleSubItem(card->id, subItems_.at(row).id);
}

void InspectorPresenter::keepMemberInstead(int row)
{
    const auto* group = inspected<DuplicateFileGroup>();
    if (group && row >= 0 && row < members_.count())
        engine_.selection().swapDuplicateLockedOriginal(group->id, members_.at(row).id);
}

std::optional<Path> InspectorPresenter::itemLocation() const
{
    if (const auto* item = inspected<ProjectBloatItem>())
        return item->url;
    if (const auto* file = inspected<LargeFileItem>())
        return file->url;
    if (const auto* app = inspected<InstalledAppItem>())
        return app->appPath;
    return std::nullopt;
}

void InspectorPresenter::reveal(const std::optional<Path>& location)
{
    if (location)
        engine_.revealInFileManager(*location);
}

void InspectorPresenter::revealItem() { reveal(itemLocation()); }

void InspectorPresenter::revealSubItem(int row)
{
    const auto* card = inspected<SafeCacheRuleCard>();
    if (card && row >= 0 && row < int(card->subItems.size()))
        reveal(card->subItems[std::size_t(row)].url);
}

void InspectorPresenter::revealMember(int row)
{
    const auto* group = inspected<DuplicateFileGroup>();
    if (group && row >= 0 && row < int(group->members.size()))
        reveal(group->members[std::size_t(row)].url);
}

void InspectorPresenter::revealLeftover(int row)
{
    const auto* app = inspected<InstalledAppItem>();
    if (!app)
        return;
    const auto all = leftoversOf(*app);
    if (row >= 0 && row < int(all.size()))
        reveal(all[std::size_t(row)].first);
}

void InspectorPresenter::openFile()
{
    if (const auto* file = inspected<LargeFileItem>())
        engine_.openWithDefaultApp(file->url);
}

// ---------------------------------------------------------------- the preview frame

ThumbnailService& InspectorPresenter::thumbnails()
{
    if (!thumbnails_) {
        ThumbnailService::Options options;
        options.failureFolder = "quillmere-" + std::string(kQuillmereVersion);
        // Twice the pixels on a dense screen, so the frame stays sharp there.
        const QScreen* screen = QGuiApplication::primaryScreen();
        options.flavor = screen && screen->devicePixelRatio() > 1 ? ThumbnailFlavor::xLarge : ThumbnailFlavor::large;
        thumbnails_ = std::make_unique<ThumbnailService>(std::move(options));
        connect(thumbnails_.get(), &ThumbnailService::thumbnailChanged, this, &InspectorPresenter::onThumbnailChanged);
    }
    return *thumbnails_;
}

void InspectorPresenter::updatePreview(bool askForThumbnail)
{
    QImage image;
    bool isThumbnail = false;
    if (previewPath_) {
        const Path& shown = *previewPath_;
        // A file the player shows needs no thumbnail; the icon stays for when it cannot play.
        const bool played = player() && player()->path() == shown;
        if (!played) {
            image = thumbnails().thumbnail(shown);
            isThumbnail = !image.isNull();
            // Asked every time: a file that changed since gets a picture of what it is now.
            if (askForThumbnail)
                thumbnails().request(shown);
        }
        if (image.isNull())
            image = icons_->iconFor(shown, kIconEdge, iconInk_);
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
