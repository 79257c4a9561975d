#include "WindowPalette.h"

void WindowPalette::setMode(CorvelAppearanceMode mode)
{
    if (palette_.mode == mode)
        return;
    palette_ = CorvelPalette{mode};
    Q_EMIT changed();
}
