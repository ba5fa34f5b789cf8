#include "app/mainwindow.h"

void MainWindow::ConnectClick() {}
void MainWindow::EnableControls(bool) {}
void MainWindow::disconnectLink() {}
