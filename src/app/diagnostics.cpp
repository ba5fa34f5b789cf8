#include "app/mainwindow.h"

void MainWindow::tabChange(int) {}
void MainWindow::TestButClick() {}
void MainWindow::threadStart() {}
void MainWindow::threadPause() {}
