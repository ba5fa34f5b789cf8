#include "app/mainwindow.h"

void MainWindow::onReadyRead() {}
int MainWindow::DisplayKLNValue(QByteArray) { return -1; }
void MainWindow::ReadStatus() {}
