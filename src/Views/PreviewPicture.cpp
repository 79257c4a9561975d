#include "PreviewPicture.h"

#include "InspectorPresenter.h"

#include <QPainter>

PreviewPicture::PreviewPicture(QQuickItem* parent) : QQuickPaintedItem(parent) {}

void PreviewPicture::setInspector(InspectorPresenter* inspector)
{
    if (inspector == inspector_)
        return;
    if (inspector_)
        disconnect(inspector_, nullptr, this, nullptr);
    inspector_ = inspector;
    if (inspector_)
        connect(inspector_, &InspectorPresenter::previewChanged, this, &PreviewPicture::onPreviewChanged);
    Q_EMIT inspectorChanged();
    onPreviewChanged();
}

void PreviewPicture::setMaximumScale(qreal scale)
{
    if (qFuzzyCompare(scale, maximumScale_))
        return;
    maximumScale_ = scale;
    Q_EMIT maximumScaleChanged();
    update();
}

bool PreviewPicture::hasPicture() const { return inspector_ && !inspector_->previewImage().isNull(); }

void PreviewPicture::onPreviewChanged()
{
    Q_EMIT pictureChanged();
    update();
}

QSizeF PreviewPicture::paintedSize() const
{
    if (!hasPicture() || width() <= 0 || height() <= 0)
        return {};
    const QImage image = inspector_->previewImage();
    const QSizeF natural = QSizeF(image.size()) / image.devicePixelRatio();
    const qreal scale = std::min({width() / natural.width(), height() / natural.height(), maximumScale_});
    return natural * scale;
}

void PreviewPicture::paint(QPainter* painter)
{
    const QSizeF size = paintedSize();
    if (size.isEmpty())
        return;
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, inspector_->previewImage());
}
