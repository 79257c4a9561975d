#include "GlowCanvas.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace {

// Where each glow sits, from the canvas's size: its radius and the top-left corner of the
// square around it.
struct GlowPlace {
    qreal radius;
    QPointF topLeft;
};

std::array<GlowPlace, 3> glowPlaces(qreal width, qreal height)
{
    const qreal topLeft = width * 0.32, topRight = width * 0.36, bottom = width * 0.34;
    return {{
        {topLeft, {-topLeft * 0.45, -topLeft * 0.55}},
        {topRight, {width - topRight * 1.25, height * 0.05 - topRight * 0.4}},
        {bottom, {width * 0.35 - bottom * 0.5, height - bottom * 0.9}},
    }};
}

QColor withAlpha(QColor color, qreal alpha)
{
    color.setAlphaF(float(alpha));
    return color;
}

} // namespace

GlowCanvas::GlowCanvas(QQuickItem* parent) : QQuickPaintedItem(parent) {}

void GlowCanvas::setBase(const QColor& base)
{
    if (base_ == base)
        return;
    base_ = base;
    setFillColor(base);
    setOpaquePainting(base.alpha() == 255);
    changeLooks();
}

void GlowCanvas::setTints(const QList<QColor>& tints)
{
    if (tints_ == tints)
        return;
    tints_ = tints;
    changeLooks();
}

void GlowCanvas::setStrength(qreal strength)
{
    if (qFuzzyCompare(strength_, strength))
        return;
    strength_ = strength;
    changeLooks();
}

void GlowCanvas::changeLooks()
{
    update();
    Q_EMIT looksChanged();
}

void GlowCanvas::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        update();
}

void GlowCanvas::paint(QPainter* painter)
{
    // The base colour is the item's fill colour, laid down before this is called.
    painter->setPen(Qt::NoPen);
    const auto places = glowPlaces(width(), height());
    for (std::size_t i = 0; i < places.size() && i < std::size_t(tints_.size()); ++i) {
        const auto& [radius, topLeft] = places[i];
        const QPointF centre = topLeft + QPointF(radius, radius);
        const QColor tint = tints_[qsizetype(i)];
        QRadialGradient gradient(centre, radius);
        gradient.setColorAt(0.0, withAlpha(tint, strength_));
        gradient.setColorAt(0.45, withAlpha(tint, strength_ * 0.45));
        gradient.setColorAt(1.0, withAlpha(tint, 0));
        painter->setBrush(gradient);
        painter->drawEllipse(centre, radius, radius);
    }
}
