#include "app/mainwindow.h"

void MainWindow::ChangeModeClick() {}
