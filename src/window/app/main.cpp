#include <QApplication>

#include "app/mainwindow.h"
#include "ui/screen_scaling.h"

int main(int argc, char *argv[])
{
    enableScreenScaling();
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
