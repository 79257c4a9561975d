#include "QtFolderPicker.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

void QtFolderPicker::pickFolder(const FolderPickerRequest& request, Picked done)
{
    auto* dialog = new QFileDialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::Directory);
    // The portable dialog: the native ones ignore the button title and the read-only flag
    // (read-only is what hides "New Folder").
    dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly | QFileDialog::DontUseNativeDialog);
    dialog->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot); // no hidden folders
    dialog->setDirectory(QFile::decodeName(QByteArray::fromStdString(request.initialFolder)));
    dialog->setLabelText(QFileDialog::Accept, request.prompt);
    dialog->setWindowTitle(request.prompt);
    // The message goes below the panel's own rows, across its whole width.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) {
        auto* message = new QLabel(request.message, dialog);
        message->setWordWrap(true);
        grid->addWidget(message, grid->rowCount(), 0, 1, grid->columnCount());
    }
    // Modal, but answered from the event loop rather than a nested one.
    dialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
        const QStringList picked = dialog->selectedFiles();
        if (result != QDialog::Accepted || picked.isEmpty()) {
            done(std::nullopt);
            return;
        }
        // The dialog speaks QString; encodeName gives back the bytes the file system uses.
        done(QFile::encodeName(picked.first()).toStdString());
    });
    dialog->show();
}
