#pragma once
// The real folder picker: a modal QFileDialog for one folder.

#include "Services/FolderPicker.h"

class QtFolderPicker : public FolderPicker {
  public:
    std::optional<URL> pickFolder(const FolderPickerRequest& request) override;
};
