#include "app/mainwindow.h"

#include "ui/ui_mainwindow.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::threadStop() {}
void MainWindow::PowerPassClick() {}
void MainWindow::TriggerClick() {}
void MainWindow::on_Searal_radcmd_clicked() {}
void MainWindow::on_USBKB_radcmd_clicked() {}
void MainWindow::on_RemoveIDCodeChk_clicked() {}
