#include "app/mainwindow.h"

void MainWindow::GetKLNValueClick() {}
