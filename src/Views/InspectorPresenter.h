#pragma once
// What the inspector shows of the inspected item, in the current language: its title and the
// texts of its case, a card's caches and a group's copies as lists, the preview frame (the
// inline player, a thumbnail or the file type's icon) and the actions on the item's
// locations. Actions name rows; the locations are looked up here, as bytes.

#include "CacheListModels.h"
#include "DuplicateListModels.h"
#include "InspectedItem.h"
#include "InspectedMedia.h"
#include "L10n/AppLanguage.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

class StorageEngine;
class FileTypeIcons;
class ThumbnailService;

class InspectorPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its inspector")
    // Whether an item is inspected, the list it comes from, and its name.
    Q_PROPERTY(bool hasItem READ hasItem NOTIFY itemChanged)
    Q_PROPERTY(WindowLists::ShownList kind READ kind NOTIFY itemChanged)
    Q_PROPERTY(QString title READ title NOTIFY itemChanged)
    // Shared by several cases: the record's size, location, verification and date.
    Q_PROPERTY(QString sizeText READ sizeText NOTIFY itemChanged)
    Q_PROPERTY(QString path READ path NOTIFY itemChanged)
    Q_PROPERTY(QString verificationBadge READ verificationBadge NOTIFY itemChanged)
    Q_PROPERTY(QString verificationReason READ verificationReason NOTIFY itemChanged)
    Q_PROPERTY(QString modifiedText READ modifiedText NOTIFY itemChanged)
    // A scenario card, and its caches.
    Q_PROPERTY(QString cardSymbol READ cardSymbol NOTIFY itemChanged)
    Q_PROPERTY(QColor cardAccent READ cardAccent NOTIFY itemChanged)
    Q_PROPERTY(QString cardPromise READ cardPromise NOTIFY itemChanged)
    Q_PROPERTY(CacheSubItemListModel* subItems READ subItems CONSTANT)
    // An idle project's artefact.
    Q_PROPERTY(QString projectName READ projectName NOTIFY itemChanged)
    Q_PROPERTY(QString artifactType READ artifactType NOTIFY itemChanged)
    Q_PROPERTY(QString idleText READ idleText NOTIFY itemChanged)
    Q_PROPERTY(QString rebuildCommand READ rebuildCommand NOTIFY itemChanged)
    // A group of identical files, and its copies.
    Q_PROPERTY(QString hashText READ hashText NOTIFY itemChanged)
    Q_PROPERTY(QString eachSizeText READ eachSizeText NOTIFY itemChanged)
    Q_PROPERTY(QString savesText READ savesText NOTIFY itemChanged)
    Q_PROPERTY(DuplicateMemberListModel* members READ members CONSTANT)
    // A large file.
    Q_PROPERTY(QString categoryText READ categoryText NOTIFY itemChanged)
    // An installed application.
    Q_PROPERTY(QString appId READ appId NOTIFY itemChanged)
    Q_PROPERTY(QString appSizeText READ appSizeText NOTIFY itemChanged)
    Q_PROPERTY(QString cacheSizeText READ cacheSizeText NOTIFY itemChanged)
    Q_PROPERTY(QStringList leftoverPaths READ leftoverPaths NOTIFY itemChanged)
    // Why each leftover is the app's ("Package: vlc"), in leftoverPaths' order; "" where the place is fixed.
    Q_PROPERTY(QStringList leftoverRules READ leftoverRules NOTIFY itemChanged)
    // The preview frame of a file (a large file, a group's first copy).
    Q_PROPERTY(InlineMediaPlayer* player READ player NOTIFY playerChanged)
    Q_PROPERTY(bool previewIsThumbnail READ previewIsThumbnail NOTIFY previewChanged)

  public:
    explicit InspectorPresenter(StorageEngine& engine, QObject* parent = nullptr);
    ~InspectorPresenter() override;

    const std::optional<InspectedItem>& item() const { return item_; }
    // Shows this item: its texts, lists, preview and player (a fresh copy of the same media
    // file keeps its player).
    void setItem(std::optional<InspectedItem> item);
    void setLanguage(AppLanguage language);
    // The colour file-type icons are drawn in.
    void setIconInk(const QColor& ink);

    bool hasItem() const { return item_.has_value(); }
    WindowLists::ShownList kind() const { return item_ ? item_->list() : ShownList::RuleCards; }
    QString title() const;
    QString sizeText() const;
    QString path() const;
    QString verificationBadge() const;
    QString verificationReason() const;
    QString modifiedText() const;
    QString cardSymbol() const;
    QColor cardAccent() const;
    QString cardPromise() const;
    CacheSubItemListModel* subItems() { return &subItems_; }
    QString projectName() const;
    QString artifactType() const;
    QString idleText() const;
    QString rebuildCommand() const;
    QString hashText() const;
    QString eachSizeText() const;
    QString savesText() const;
    DuplicateMemberListModel* members() { return &members_; }
    QString categoryText() const;
    QString appId() const;
    QString appSizeText() const;
    QString cacheSizeText() const;
    QStringList leftoverPaths() const;
    QStringList leftoverRules() const;

    InlineMediaPlayer* player() const { return media_.player(); }
    QImage previewImage() const { return previewImage_; }
    bool previewIsThumbnail() const { return previewIsThumbnail_; }
    // The file the preview frame shows, if any.
    const std::optional<Path>& previewPath() const { return previewPath_; }
    // The thumbnails of files this window has shown, and the service that makes them.
    ThumbnailService& thumbnails();

    // The inspector's decisions: one cache of the inspected card, the kept copy of the group.
    Q_INVOKABLE void toggleSubItem(int row);
    Q_INVOKABLE void keepMemberInstead(int row);
    // The file manager selects the item itself (a project's artefact, a large file, an app).
    Q_INVOKABLE void revealItem();
    Q_INVOKABLE void revealSubItem(int row);
    Q_INVOKABLE void revealMember(int row);
    Q_INVOKABLE void revealLeftover(int row);
    // The large file opens in its default application.
    Q_INVOKABLE void openFile();

  Q_SIGNALS:
    void itemChanged();
    void playerChanged();
    void previewChanged();

  private:
    // The inspected card's caches and group's copies, with what is selected now.
    void followSelection();
    template <typename Record> const Record* inspected() const { return item_ ? item_->as<Record>() : nullptr; }
    std::optional<Path> itemLocation() const;
    void updatePreview(bool askForThumbnail);
    void onThumbnailChanged(const std::string& path);
    void reveal(const std::optional<Path>& location);

    StorageEngine& engine_;
    AppLanguage language_ = AppLanguage::zhHans;
    std::optional<InspectedItem> item_;
    CacheSubItemListModel subItems_;
    DuplicateMemberListModel members_;
    InspectedMedia media_;
    std::optional<Path> previewPath_;
    QImage previewImage_;
    bool previewIsThumbnail_ = false;
    QColor iconInk_;
    std::unique_ptr<FileTypeIcons> icons_;
    std::unique_ptr<ThumbnailService> thumbnails_;
};
