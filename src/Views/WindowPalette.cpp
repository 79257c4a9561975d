#include "WindowPalette.h"

void WindowPalette::setMode(CorvelAppearanceMode mode)
{
    if (palette_.mode == mode)
        return;
    palette_ = CorvelPalette{mode};
    Q_EMIT changed();
}

QColor WindowPalette::popoverFill() const
{
    // Opaque: a popover covers whatever lies under it, glows included.
    return isDark() ? color(palette_.canvasBase()) : QColor(Qt::white);
}

QColor WindowPalette::textShade(const QColor& accent, bool onDark)
{
    const CorvelPalette palette{onDark ? CorvelAppearanceMode::obsidianAurora : CorvelAppearanceMode::dawnQuartz};
    if (accent.rgb() == color(palette.inkMuted()).rgb())
        return color(palette.inkMutedText());
    return color(palette.accentText(corvel(accent)));
}

QColor WindowPalette::onFill(const QColor& accent) { return color(CorvelPalette::onAccentText(corvel(accent))); }
