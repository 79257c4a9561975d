#pragma once
// The SF Symbols names the window draws, by the place they are drawn (see SymbolIcons.h for
// the glyphs). Workspace, category and appearance icons live with their enumerations.

#include "Models/StorageModels.h"

#include <array>
#include <string_view>

#define QM_WINDOW_ICONS(X)                                                                                             \
    X(grantPartial, "folder.badge.questionmark")                                                                       \
    X(grantOutside, "xmark.octagon.fill")                                                                              \
    X(onboardingStale, "exclamationmark.arrow.triangle.2.circlepath")                                                  \
    X(promiseLocal, "lock.shield.fill")                                                                                \
    X(promiseTrash, "arrow.uturn.backward.circle.fill")                                                                \
    X(promiseRevoke, "slider.horizontal.3")                                                                            \
    X(grantHomeButton, "folder.badge.person.crop")                                                                     \
    X(grantHomeButtonArrow, "arrow.right")                                                                             \
    X(accessGranted, "checkmark.shield.fill")                                                                          \
    X(accessPartial, "exclamationmark.shield.fill")                                                                    \
    X(accessMenu, "chevron.up.chevron.down")                                                                           \
    X(selectAll, "circle")                                                                                             \
    X(rowChecked, "checkmark")                                                                                         \
    X(rowPartlyChecked, "minus")                                                                                       \
    X(appRow, "app")                                                                                                   \
    X(permanentDelete, "exclamationmark.triangle.fill")                                                                \
    X(deselectAll, "checkmark.circle.fill")                                                                            \
    X(protectedBadge, "lock.shield")                                                                                   \
    X(cacheCountBadge, "checkmark.shield.fill")                                                                        \
    X(buildArtifactsTab, "shippingbox.fill")                                                                           \
    X(exactClonesTab, "square.on.square.dashed")                                                                       \
    X(projectRow, "shippingbox.fill")                                                                                  \
    X(projectIdle, "clock.badge.checkmark")                                                                            \
    X(projectActive, "bolt.horizontal.circle.fill")                                                                    \
    X(duplicateRow, "doc.on.doc.fill")                                                                                 \
    X(videoPlay, "play.fill")                                                                                          \
    X(applicationsBanner, "app.badge.checkmark")                                                                       \
    X(cacheCleanBadge, "sparkles")                                                                                     \
    X(uninstallBadge, "trash.fill")                                                                                    \
    X(emptyStateNext, "arrow.right.circle.fill")                                                                       \
    X(rescan, "arrow.triangle.2.circlepath")                                                                           \
    X(clonesEmpty, "checkmark.seal.fill")                                                                              \
    X(mediaEmpty, "film.stack")                                                                                        \
    X(feedbackBanner, "checkmark.seal.fill")                                                                           \
    X(inspectorHeader, "viewfinder.circle.fill")                                                                       \
    X(noFileManagerDetour, "bolt.shield.fill")                                                                         \
    X(inspectorEmpty, "sparkle.magnifyingglass")                                                                       \
    X(pathRow, "folder.fill")                                                                                          \
    X(gitPreserved, "checkmark.shield.fill")                                                                           \
    X(lockedOriginal, "lock.shield.fill")                                                                              \
    X(redundantClone, "trash.slash.fill")                                                                              \
    X(openFile, "play.rectangle.fill")                                                                                 \
    X(fileManager, "folder.fill")                                                                                      \
    X(appNoLeftovers, "checkmark.seal.fill")                                                                           \
    X(livePlayer, "waveform")                                                                                          \
    X(playerPlay, "play.fill")                                                                                         \
    X(playerPause, "pause.fill")                                                                                       \
    X(playerSound, "speaker.wave.2.fill")                                                                              \
    X(playerMuted, "speaker.slash.fill")                                                                               \
    X(playerFullScreen, "arrow.up.left.and.arrow.down.right")                                                          \
    X(playerExitFullScreen, "arrow.down.right.and.arrow.up.left")                                                      \
    X(soundOnly, "music.note")                                                                                         \
    X(otherZones, "arrow.up.right.circle.fill")                                                                        \
    X(vault, "lock.shield.fill")                                                                                       \
    X(vaultInfo, "info.circle")                                                                                        \
    X(vaultLine, "checkmark.shield")                                                                                   \
    X(disk, "internaldrive.fill")                                                                                      \
    X(moveToTrash, "trash.circle.fill")                                                                                \
    X(restoreHistory, "arrow.uturn.backward.circle.fill")                                                              \
    X(language, "globe")                                                                                               \
    X(languageChevron, "chevron.down")                                                                                 \
    X(safetyLine, "checkmark.circle.fill")                                                                             \
    X(languagePopover, "globe.americas.fill")                                                                          \
    X(currentLanguage, "checkmark.circle.fill")

namespace WindowIcons {

#define QM_DECLARE_ICON(name, symbol) inline constexpr std::string_view name = symbol;
QM_WINDOW_ICONS(QM_DECLARE_ICON)
#undef QM_DECLARE_ICON

#define QM_LIST_ICON(name, symbol) symbol,
inline constexpr auto all = std::to_array<std::string_view>({QM_WINDOW_ICONS(QM_LIST_ICON)});
#undef QM_LIST_ICON

std::string_view symbolName(CleanTrustWorkspace workspace);

} // namespace WindowIcons
