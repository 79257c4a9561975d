#pragma once
// The window's canvas: its base colour with three large, soft colour glows placed off-centre.
//
// Painted once into an image and drawn from it until its size or colours change. Drawn as
// shapes, the glows' gradients were filled again in every spot the window redrew (a clean's
// progress, a count, a language switch), which with the software scene graph is the GUI
// thread's work: a third of what it did while a clean ran.

#include <QColor>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

class GlowCanvas : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QColor base READ base WRITE setBase NOTIFY looksChanged)
    // The three glows' colours: top left, top right, bottom.
    Q_PROPERTY(QList<QColor> tints READ tints WRITE setTints NOTIFY looksChanged)
    // How strongly a glow tints its centre (0–1).
    Q_PROPERTY(qreal strength READ strength WRITE setStrength NOTIFY looksChanged)

  public:
    explicit GlowCanvas(QQuickItem* parent = nullptr);

    QColor base() const { return base_; }
    void setBase(const QColor& base);
    QList<QColor> tints() const { return tints_; }
    void setTints(const QList<QColor>& tints);
    qreal strength() const { return strength_; }
    void setStrength(qreal strength);

    void paint(QPainter* painter) override;

  Q_SIGNALS:
    void looksChanged();

  protected:
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;

  private:
    void changeLooks();

    QColor base_;
    QList<QColor> tints_;
    qreal strength_ = 0;
};
