// The floor of the window's start-up: an empty QMainWindow, shown until its first frame is
// painted (see first_paint.h). Started by bench_startup.
#include <QApplication>
#include <QMainWindow>

#include "first_paint.h"

int main(int argc, char **argv)
{
    FirstPaint::markStart();
    QApplication app(argc, argv);
    QMainWindow window;
    FirstPaint::show(window);
    return app.exec();
}
