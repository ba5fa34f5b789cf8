#include "app/mainwindow.h"

void MainWindow::PreAmbleEnableClick() {}
void MainWindow::PostAmbleEnableClick() {}
void MainWindow::RemoveDataEnableClick() {}
void MainWindow::Pre_selectChanged(int) {}
void MainWindow::Post_selectChanged(int) {}
void MainWindow::Remove_selectChanged(int) {}
