#pragma once
// The real folder picker: a modal QFileDialog for one folder.

#include "Platform/DesktopSeams.h"

class QtFolderPicker : public FolderPicker {
  public:
    std::optional<Path> pickFolder(const FolderPickerRequest& request) override;
};
