#include "Platform/Media/FileTypeIcons.h"

#include "Models/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>
#include <QPainter>
#include <QStandardPaths>

namespace {

// A desktop session names its icon theme and where themes live; without one (a bare X server,
// the offscreen platform) Qt looks nowhere but its resources. The freedesktop folders and the
// first of these themes that is installed are used then.
constexpr const char* kThemesWithoutSession[] = {"Adwaita", "breeze", "gnome"};

void chooseThemeWhenNoneIsSet()
{
    QStringList searchPaths = QIcon::themeSearchPaths();
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (const QString icons = QDir(data).filePath(QStringLiteral("icons")); !searchPaths.contains(icons))
            searchPaths.append(icons);
    QIcon::setThemeSearchPaths(searchPaths);

    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QLatin1String("hicolor"))
        return;
    for (const char* theme : kThemesWithoutSession)
        for (const QString& base : searchPaths)
            if (QFileInfo::exists(QDir(base).filePath(QString::fromLatin1(theme) + QStringLiteral("/index.theme")))) {
                QIcon::setThemeName(QString::fromLatin1(theme));
                return;
            }
}

// Symbolic icons first: drawn in the ink they read on either mode's frame, where a theme's
// full-colour page (white paper, grey lines) all but vanishes on a light one.
QIcon themeIcon(const QMimeType& mime, bool& symbolic)
{
    const QStringList names{mime.iconName(), mime.genericIconName(), QStringLiteral("text-x-generic"),
                            QStringLiteral("application-x-generic")};
    symbolic = true;
    for (const QString& name : names)
        if (QIcon::hasThemeIcon(name + QStringLiteral("-symbolic")))
            return QIcon::fromTheme(name + QStringLiteral("-symbolic"));
    symbolic = false;
    for (const QString& name : names)
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    return {};
}

QImage tinted(QImage image, const QColor& ink)
{
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), ink);
    return image;
}

} // namespace

FileTypeIcons::FileTypeIcons() { chooseThemeWhenNoneIsSet(); }

QImage FileTypeIcons::iconFor(const Path& path, int edge, const QColor& ink)
{
    static const QMimeDatabase mimeTypes;
    // By the name's pattern only: the file may be gone, or slow to reach.
    const QMimeType mime =
        mimeTypes.mimeTypeForFile(QString::fromUtf8(paths::lastComponent(path)), QMimeDatabase::MatchExtension);
    const QString key = mime.name() + QLatin1Char('@') + QString::number(edge) + ink.name(QColor::HexArgb);
    if (const auto found = rendered_.constFind(key); found != rendered_.cend())
        return *found;
    bool symbolic = false;
    const QIcon icon = themeIcon(mime, symbolic);
    QImage image = icon.pixmap(QSize(edge, edge)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (symbolic && !image.isNull())
        image = tinted(std::move(image), ink);
    rendered_.insert(key, image);
    return image;
}
