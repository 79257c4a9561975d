#pragma once
// Draws the inspector's preview picture (a thumbnail or a file-type icon) fitted into the
// item, keeping its proportions and never enlarging it past `maximumScale`.

#include <QPointer>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

class InspectorPresenter;

class PreviewPicture : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(InspectorPresenter* inspector READ inspector WRITE setInspector NOTIFY inspectorChanged)
    Q_PROPERTY(qreal maximumScale READ maximumScale WRITE setMaximumScale NOTIFY maximumScaleChanged)
    // Whether there is a picture to draw.
    Q_PROPERTY(bool hasPicture READ hasPicture NOTIFY pictureChanged)

  public:
    explicit PreviewPicture(QQuickItem* parent = nullptr);

    InspectorPresenter* inspector() const { return inspector_; }
    void setInspector(InspectorPresenter* inspector);
    qreal maximumScale() const { return maximumScale_; }
    void setMaximumScale(qreal scale);
    bool hasPicture() const;
    // The picture's size as drawn.
    QSizeF paintedSize() const;

    void paint(QPainter* painter) override;

  Q_SIGNALS:
    void inspectorChanged();
    void maximumScaleChanged();
    void pictureChanged();

  private:
    void onPreviewChanged();

    QPointer<InspectorPresenter> inspector_;
    qreal maximumScale_ = 8;
};
