#include "app/mainwindow.h"

void MainWindow::SetKLNValueClick() {}
