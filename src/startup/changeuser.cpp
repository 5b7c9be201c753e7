// Change of user (更改) and leaving the platform (the main window's Unload).
#include "startup/mainwindow.h"

namespace startup {

void MainWindow::connectChangeUser() {}

void MainWindow::onChangeUser() {}

void MainWindow::unloadEvent(bool& cancel) { (void)cancel; }

}  // namespace startup
