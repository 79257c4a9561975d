#pragma once
// Qt's own folder dialog: the picker where the desktop offers no file chooser portal.

#include "Platform/DesktopSeams.h"

class QtFolderPicker : public FolderPicker {
  public:
    void pickFolder(const FolderPickerRequest& request, Picked done) override;
};
