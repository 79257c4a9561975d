// The window program.
#include "MainWindowController.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quillmere");
    QApplication::setApplicationName("Quillmere");
    return MainWindowController::run(app, argc, argv);
}
