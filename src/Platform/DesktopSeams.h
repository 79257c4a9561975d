#pragma once
// What the engine asks of the desktop but does not provide itself (it links QtCore
// only): the window implements these and hands them in; tests supply scripted ones.

#include "Models/Basics.h"

#include <QString>

#include <functional>
#include <optional>
#include <string_view>

// Sound and haptics at the end of a clean or a restore.
struct CleanFeedback {
    virtual ~CleanFeedback() = default;
    // A named system sound ("Glass" after a clean that cleaned something, else "Funk").
    virtual void playSound(std::string_view name) = 0;
    // The level-change haptic pattern, performed at once (silent where there is none).
    virtual void performLevelChangeHaptic() = 0;
};

// The desktop's file manager and default applications.
struct WorkspaceService {
    virtual ~WorkspaceService() = default;
    // Opens a file manager window that selects exactly this item.
    virtual void revealInFileManager(const Path& url) = 0;
    // Opens the item with its default application; the outcome is not reported.
    virtual void openWithDefaultApp(const Path& url) = 0;
};

struct FolderPickerRequest {
    Path initialFolder; // where the picker opens
    QString prompt;     // title of the accepting button
    QString message;    // why the program asks
};

// The folder picker the access manager asks the user through.
class FolderPicker {
  public:
    using Picked = std::function<void(std::optional<Path>)>;
    virtual ~FolderPicker() = default;
    // Asks for one folder and calls `done` once with its path, or none when the person
    // cancels. A dialog answers later, from the event loop, so the window keeps drawing
    // while it is open; a scripted picker may answer before returning. Configured for
    // folders only, single selection, no folder creation and hidden files not shown.
    virtual void pickFolder(const FolderPickerRequest& request, Picked done) = 0;
};
