// The buttons of the main window's area rows.
#include "startup/mainwindow.h"

namespace startup {

void MainWindow::connectOpeners() {}

}  // namespace startup
