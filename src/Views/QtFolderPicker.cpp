#include "QtFolderPicker.h"

#include <QFile>
#include <QFileDialog>

std::optional<URL> QtFolderPicker::pickFolder(const FolderPickerRequest& request)
{
    QFileDialog dialog;
    dialog.setFileMode(QFileDialog::Directory);
    // The portable dialog: the native ones ignore the button title and the read-only flag.
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly | QFileDialog::DontUseNativeDialog);
    dialog.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot); // no hidden folders
    dialog.setDirectory(QFile::decodeName(QByteArray::fromStdString(request.initialFolder)));
    dialog.setLabelText(QFileDialog::Accept, request.prompt);
    dialog.setWindowTitle(request.message);
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList picked = dialog.selectedFiles();
    if (picked.isEmpty())
        return std::nullopt;
    // The dialog speaks QString; encodeName gives the bytes the file system uses.
    return QFile::encodeName(picked.first()).toStdString();
}
