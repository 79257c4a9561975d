#pragma once
// The palette's colours for QML, typed: every colour of the window comes from here.

#include "Theme/CorvelPalette.h"

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class WindowPalette : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its palette")
    Q_PROPERTY(bool isDark READ isDark NOTIFY changed)
    Q_PROPERTY(QColor canvasBase READ canvasBase NOTIFY changed)
    Q_PROPERTY(QColor sidebarTint READ sidebarTint NOTIFY changed)
    Q_PROPERTY(QColor inspectorTint READ inspectorTint NOTIFY changed)
    Q_PROPERTY(QColor cardFill READ cardFill NOTIFY changed)
    Q_PROPERTY(QColor cardActiveFill READ cardActiveFill NOTIFY changed)
    Q_PROPERTY(QColor hairlineBorder READ hairlineBorder NOTIFY changed)
    Q_PROPERTY(QColor inkPrimary READ inkPrimary NOTIFY changed)
    Q_PROPERTY(QColor inkSecondary READ inkSecondary NOTIFY changed)
    Q_PROPERTY(QColor inkMuted READ inkMuted NOTIFY changed)
    Q_PROPERTY(QColor emerald READ emerald CONSTANT)
    Q_PROPERTY(QColor cobalt READ cobalt CONSTANT)
    Q_PROPERTY(QColor amber READ amber CONSTANT)
    Q_PROPERTY(QColor violet READ violet CONSTANT)
    Q_PROPERTY(QColor crimson READ crimson CONSTANT)
    Q_PROPERTY(double shadowOpacity READ shadowOpacity NOTIFY changed)
    Q_PROPERTY(double hoveredShadowOpacity READ hoveredShadowOpacity NOTIFY changed)

  public:
    explicit WindowPalette(QObject* parent = nullptr) : QObject(parent) {}

    void setMode(CorvelAppearanceMode mode);

    bool isDark() const { return palette_.isDark(); }
    QColor canvasBase() const { return color(palette_.canvasBase()); }
    QColor sidebarTint() const { return color(palette_.sidebarTint()); }
    QColor inspectorTint() const { return color(palette_.inspectorTint()); }
    QColor cardFill() const { return color(palette_.cardFill()); }
    QColor cardActiveFill() const { return color(palette_.cardActiveFill()); }
    QColor hairlineBorder() const { return color(palette_.hairlineBorder()); }
    QColor inkPrimary() const { return color(palette_.inkPrimary()); }
    QColor inkSecondary() const { return color(palette_.inkSecondary()); }
    QColor inkMuted() const { return color(palette_.inkMuted()); }
    QColor emerald() const { return color(CorvelPalette::emeraldGlow); }
    QColor cobalt() const { return color(CorvelPalette::cobaltGlow); }
    QColor amber() const { return color(CorvelPalette::amberGlow); }
    QColor violet() const { return color(CorvelPalette::violetGlow); }
    QColor crimson() const { return color(CorvelPalette::crimsonGlow); }
    double shadowOpacity() const { return palette_.glassCardShadowOpacity(false); }
    double hoveredShadowOpacity() const { return palette_.glassCardShadowOpacity(true); }

    static QColor color(const CorvelColor& c) { return QColor::fromRgbF(c.red, c.green, c.blue, c.opacity); }

  Q_SIGNALS:
    void changed();

  private:
    CorvelPalette palette_{CorvelAppearanceMode::obsidianAurora};
};
