#include "app/mainwindow.h"

void MainWindow::on_ImportBut_clicked() {}
void MainWindow::on_ExportBut_clicked() {}
void MainWindow::on_DefaultBut_clicked() {}
