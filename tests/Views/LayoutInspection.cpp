#include "Views/LayoutInspection.h"

#include <QQuickItem>
#include <QQuickWindow>

#include <algorithm>

namespace {

// Half a pixel of anti-aliasing either way is no fault.
constexpr double kSlack = 1.0;

bool isText(const QQuickItem* item) { return item->inherits("QQuickText"); }
bool isControl(const QQuickItem* item) { return item->inherits("QQuickControl") && !item->inherits("QQuickPopupItem"); }
bool isPopup(const QQuickItem* item) { return item->inherits("QQuickPopupItem"); }
bool isFlickable(const QQuickItem* item) { return item->inherits("QQuickFlickable"); }

QString typeName(const QQuickItem* item)
{
    QString name = QString::fromLatin1(item->metaObject()->className());
    return name.left(name.indexOf(QLatin1String("_QML")));
}

// Something drawn around its children that they must stay inside: a control, a glass card,
// a rectangle with a fill or an outline, a popup.
bool isFrame(const QQuickItem* item)
{
    if (isControl(item) || isPopup(item) || typeName(item) == QLatin1String("GlassCard"))
        return true;
    if (item->inherits("QQuickRectangle")) {
        const QColor fill = item->property("color").value<QColor>();
        return fill.alpha() > 0;
    }
    return false;
}

QRectF sceneRect(const QQuickItem* item) { return item->mapRectToScene(QRectF(0, 0, item->width(), item->height())); }

bool inside(const QRectF& inner, const QRectF& outer)
{
    return inner.left() >= outer.left() - kSlack && inner.top() >= outer.top() - kSlack &&
           inner.right() <= outer.right() + kSlack && inner.bottom() <= outer.bottom() + kSlack;
}

bool overlaps(const QRectF& a, const QRectF& b)
{
    const QRectF common = a.intersected(b);
    return common.width() > kSlack && common.height() > kSlack;
}

double effectiveOpacity(const QQuickItem* item)
{
    double opacity = 1;
    for (const QQuickItem* at = item; at; at = at->parentItem())
        opacity *= at->opacity();
    return opacity;
}

// The popup an item is shown in, or none for the window itself: items of different layers
// may cover each other.
const QQuickItem* layerOf(const QQuickItem* item)
{
    for (const QQuickItem* at = item; at; at = at->parentItem())
        if (isPopup(at))
            return at;
    return nullptr;
}

bool isAncestor(const QQuickItem* ancestor, const QQuickItem* item)
{
    for (const QQuickItem* at = item->parentItem(); at; at = at->parentItem())
        if (at == ancestor)
            return true;
    return false;
}

void collect(QQuickItem* item, std::vector<QQuickItem*>& out)
{
    if (!item->isVisible() || item->opacity() <= 0.01)
        return;
    out.push_back(item);
    QList<QQuickItem*> children = item->childItems();
    std::stable_sort(children.begin(), children.end(), [](QQuickItem* a, QQuickItem* b) { return a->z() < b->z(); });
    for (QQuickItem* child : children)
        collect(child, out);
}

// What of the rectangle the items that clip it let through (the window clips everything).
QRectF visiblePart(const QQuickItem* item, QRectF rect)
{
    rect = rect.intersected(QRectF(QPointF(0, 0), item->window()->size()));
    for (const QQuickItem* at = item->parentItem(); at; at = at->parentItem())
        if (at->clip())
            rect = rect.intersected(sceneRect(at));
    return rect;
}

QRectF glyphRect(const QQuickItem* text) { return text->mapRectToScene(text->boundingRect()); }

} // namespace

QString describe(const QQuickItem* item)
{
    QString name = item->objectName();
    if (name.isEmpty() && !item->property("symbol").toString().isEmpty())
        name = item->property("symbol").toString();
    if (name.isEmpty() && isText(item))
        name = QLatin1Char('"') + item->property("text").toString().left(40) + QLatin1Char('"');
    if (name.isEmpty() && isControl(item))
        name = QLatin1Char('"') + item->property("text").toString().left(40) + QLatin1Char('"');
    return typeName(item) + QLatin1Char(' ') + name;
}

std::vector<ShownText> shownTexts(QQuickWindow& window)
{
    std::vector<QQuickItem*> items;
    collect(window.contentItem(), items);
    std::vector<ShownText> texts;
    for (QQuickItem* item : items) {
        if (!isText(item) || item->property("text").toString().isEmpty())
            continue;
        const QRectF drawn = visiblePart(item, glyphRect(item));
        const double opacity = effectiveOpacity(item);
        if (!drawn.isEmpty() && opacity > 0.01)
            texts.push_back({item, drawn, opacity, layerOf(item) != nullptr});
    }
    return texts;
}

std::vector<QString> layoutFaults(QQuickWindow& window)
{
    std::vector<QString> faults;
    auto fault = [&](const QQuickItem* item, const QString& what) { faults.push_back(describe(item) + ": " + what); };

    const std::vector<ShownText> texts = shownTexts(window);
    for (const ShownText& shown : texts) {
        const QQuickItem* text = shown.item;
        const QRectF glyphs = glyphRect(text);
        if (!inside(glyphs, sceneRect(text)))
            fault(text, QStringLiteral("spills out of its box"));
        if (text->property("truncated").toBool()) {
            if (text->property("wholeText").toString() != text->property("text").toString())
                fault(text, QStringLiteral("is cut without a tooltip holding the whole text"));
            else if (text->property("fitsWhole").toBool())
                fault(text, QStringLiteral("is cut where it must be whole"));
        }
        // Inside every frame up to the nearest list, which scrolls its rows out of sight.
        for (const QQuickItem* at = text->parentItem(); at && !isFlickable(at); at = at->parentItem())
            if (isFrame(at) && !inside(glyphs, sceneRect(at))) {
                fault(text, QStringLiteral("leaves ") + describe(at));
                break;
            }
        bool scrolls = false;
        for (const QQuickItem* at = text->parentItem(); at; at = at->parentItem())
            scrolls = scrolls || isFlickable(at);
        if (!scrolls && !inside(glyphs, shown.drawn))
            fault(text, QStringLiteral("is cut by what clips it"));
    }

    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const QQuickItem* a = texts[i].item;
            const QQuickItem* b = texts[j].item;
            if (layerOf(a) == layerOf(b) && overlaps(texts[i].drawn, texts[j].drawn))
                fault(a, QStringLiteral("overlaps ") + describe(b));
        }

    std::vector<QQuickItem*> items;
    collect(window.contentItem(), items);
    std::vector<std::pair<const QQuickItem*, QRectF>> controls;
    for (const QQuickItem* item : items)
        if (isControl(item) && item->width() > 0 && item->height() > 0)
            if (const QRectF rect = visiblePart(item, sceneRect(item)); !rect.isEmpty())
                controls.emplace_back(item, rect);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const auto& [a, rectA] = controls[i];
            const auto& [b, rectB] = controls[j];
            if (layerOf(a) == layerOf(b) && !isAncestor(a, b) && !isAncestor(b, a) && overlaps(rectA, rectB))
                fault(a, QStringLiteral("overlaps ") + describe(b));
        }
        for (const ShownText& shown : texts)
            if (layerOf(shown.item) == layerOf(controls[i].first) && !isAncestor(controls[i].first, shown.item) &&
                overlaps(shown.drawn, controls[i].second))
                fault(shown.item, QStringLiteral("lies under ") + describe(controls[i].first));
    }
    return faults;
}
