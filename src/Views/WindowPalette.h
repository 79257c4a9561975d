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
    // Text and small glyphs in the accents' hues and in the muted ink, readable on this mode's surfaces.
    Q_PROPERTY(QColor emeraldText READ emeraldText NOTIFY changed)
    Q_PROPERTY(QColor cobaltText READ cobaltText NOTIFY changed)
    Q_PROPERTY(QColor amberText READ amberText NOTIFY changed)
    Q_PROPERTY(QColor violetText READ violetText NOTIFY changed)
    Q_PROPERTY(QColor crimsonText READ crimsonText NOTIFY changed)
    Q_PROPERTY(QColor inkMutedText READ inkMutedText NOTIFY changed)
    // The surface popovers and menus are drawn on.
    Q_PROPERTY(QColor popoverFill READ popoverFill NOTIFY changed)
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
    QColor emeraldText() const { return textShade(emerald(), isDark()); }
    QColor cobaltText() const { return textShade(cobalt(), isDark()); }
    QColor amberText() const { return textShade(amber(), isDark()); }
    QColor violetText() const { return textShade(violet(), isDark()); }
    QColor crimsonText() const { return textShade(crimson(), isDark()); }
    QColor inkMutedText() const { return color(palette_.inkMutedText()); }
    QColor popoverFill() const;
    double shadowOpacity() const { return palette_.glassCardShadowOpacity(false); }

    // The text shade of an accent (a workspace's, a badge's tint) or of the muted ink on the
    // surfaces of the dark or the light mode; other colours come back unchanged. The mode is an
    // argument so that a QML binding passing View.palette.isDark follows mode changes.
    Q_INVOKABLE static QColor textShade(const QColor& accent, bool onDark);
    // Text on a fill of that accent.
    Q_INVOKABLE static QColor onFill(const QColor& accent);
    double hoveredShadowOpacity() const { return palette_.glassCardShadowOpacity(true); }

    static QColor color(const CorvelColor& c) { return QColor::fromRgbF(c.red, c.green, c.blue, c.opacity); }
    static CorvelColor corvel(const QColor& c) { return {c.redF(), c.greenF(), c.blueF(), c.alphaF()}; }

  Q_SIGNALS:
    void changed();

  private:
    CorvelPalette palette_{CorvelAppearanceMode::obsidianAurora};
};
