#include "ui/ui_mainwindow.h"

#include <QMainWindow>
#include <QWidget>

namespace Ui {

void MainWindow::setupUi(QMainWindow *window)
{
    centralWidget = new QWidget(window);
    window->setCentralWidget(centralWidget);
    retranslateUi(window);
}

void MainWindow::retranslateUi(QMainWindow *) {}

}  // namespace Ui
