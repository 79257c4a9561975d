#pragma once
// The folder picker the access manager asks the user through. The window supplies the
// real dialog; tests supply a scripted one.

#include "Models/StorageModels.h"

#include <QString>

#include <optional>

struct FolderPickerRequest {
    URL initialFolder; // where the picker opens
    QString prompt;    // title of the accepting button
    QString message;   // why the program asks
};

class FolderPicker {
  public:
    virtual ~FolderPicker() = default;
    // Blocks until the user picks one folder (its path) or cancels (none). Configured for
    // folders only, single selection, no folder creation and hidden files not shown.
    virtual std::optional<URL> pickFolder(const FolderPickerRequest& request) = 0;
};
