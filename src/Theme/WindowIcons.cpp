#include "Theme/WindowIcons.h"

std::string_view WindowIcons::symbolName(CleanTrustWorkspace workspace)
{
    switch (workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        return "checkmark.shield.fill";
    case CleanTrustWorkspace::devAndDuplicates:
        return "square.stack.3d.up.fill";
    case CleanTrustWorkspace::largeMedia:
        return "play.rectangle.on.rectangle.fill";
    case CleanTrustWorkspace::appSlimming:
        return "square.on.square.badge.person.crop.fill";
    }
    return {};
}
