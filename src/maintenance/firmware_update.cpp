#include "app/mainwindow.h"

void MainWindow::FWUpdateClick() {}
