#pragma once
// What the inspector shows of the inspected item, in the current language: the texts of each
// case, the preview frame (the inline player, a thumbnail or the file type's icon) and the
// actions on the item's locations. Rows of a card or a group come from the window's list
// models; actions name them by row, and the locations are looked up here, as bytes.

#include "Models/Basics.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

class WindowState;
class InlineMediaPlayer;
class FileTypeIcons;
class ThumbnailService;

class InspectorPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its inspector")
    // Shared by several cases: the record's size, location, verification and date.
    Q_PROPERTY(QString sizeText READ sizeText NOTIFY itemChanged)
    Q_PROPERTY(QString path READ path NOTIFY itemChanged)
    Q_PROPERTY(QString verificationBadge READ verificationBadge NOTIFY itemChanged)
    Q_PROPERTY(QString verificationReason READ verificationReason NOTIFY itemChanged)
    Q_PROPERTY(QString modifiedText READ modifiedText NOTIFY itemChanged)
    // A scenario card.
    Q_PROPERTY(QString cardSymbol READ cardSymbol NOTIFY itemChanged)
    Q_PROPERTY(QColor cardAccent READ cardAccent NOTIFY itemChanged)
    Q_PROPERTY(QString cardPromise READ cardPromise NOTIFY itemChanged)
    // An idle project's artefact.
    Q_PROPERTY(QString projectName READ projectName NOTIFY itemChanged)
    Q_PROPERTY(QString artifactType READ artifactType NOTIFY itemChanged)
    Q_PROPERTY(QString idleText READ idleText NOTIFY itemChanged)
    Q_PROPERTY(QString rebuildCommand READ rebuildCommand NOTIFY itemChanged)
    // A group of identical files.
    Q_PROPERTY(QString hashText READ hashText NOTIFY itemChanged)
    Q_PROPERTY(QString eachSizeText READ eachSizeText NOTIFY itemChanged)
    Q_PROPERTY(QString savesText READ savesText NOTIFY itemChanged)
    // A large file.
    Q_PROPERTY(QString categoryText READ categoryText NOTIFY itemChanged)
    // An installed application.
    Q_PROPERTY(QString bundleId READ bundleId NOTIFY itemChanged)
    Q_PROPERTY(QString appSizeText READ appSizeText NOTIFY itemChanged)
    Q_PROPERTY(QString cacheSizeText READ cacheSizeText NOTIFY itemChanged)
    Q_PROPERTY(QStringList leftoverPaths READ leftoverPaths NOTIFY itemChanged)
    // The preview frame of a file (a large file, a group's first copy).
    Q_PROPERTY(bool showsPreview READ showsPreview NOTIFY itemChanged)
    Q_PROPERTY(InlineMediaPlayer* player READ player NOTIFY playerChanged)
    Q_PROPERTY(bool previewIsThumbnail READ previewIsThumbnail NOTIFY previewChanged)

  public:
    explicit InspectorPresenter(WindowState& view);
    ~InspectorPresenter() override;

    QString sizeText() const;
    QString path() const;
    QString verificationBadge() const;
    QString verificationReason() const;
    QString modifiedText() const;
    QString cardSymbol() const;
    QColor cardAccent() const;
    QString cardPromise() const;
    QString projectName() const;
    QString artifactType() const;
    QString idleText() const;
    QString rebuildCommand() const;
    QString hashText() const;
    QString eachSizeText() const;
    QString savesText() const;
    QString categoryText() const;
    QString bundleId() const;
    QString appSizeText() const;
    QString cacheSizeText() const;
    QStringList leftoverPaths() const;

    bool showsPreview() const { return previewPath_.has_value(); }
    InlineMediaPlayer* player() const;
    QImage previewImage() const { return previewImage_; }
    bool previewIsThumbnail() const { return previewIsThumbnail_; }
    // The file the preview frame shows, if any.
    const std::optional<URL>& previewPath() const { return previewPath_; }

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
    std::optional<URL> itemLocation() const;
    void updatePreview(bool askForThumbnail);
    ThumbnailService& thumbnails();
    void onThumbnailChanged(const std::string& path);
    void reveal(const std::optional<URL>& location);

    WindowState& view_;
    std::optional<URL> previewPath_;
    QImage previewImage_;
    bool previewIsThumbnail_ = false;
    std::unique_ptr<FileTypeIcons> icons_;
    bool followsThumbnails_ = false;
};
